// The web-platform-tests URL data: every case without a base, and the IDNA cases as hosts.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "url/url.h"

namespace {

using nlohmann::json;

json load(const std::string& name) {
  // From UTF-8 as UTF-8: a plain char path is read in the ANSI code page on Windows.
  const std::string path = std::string(TUVRA_URL_TEST_DATA) + "/" + name;
  std::ifstream in(std::filesystem::path(std::u8string(path.begin(), path.end())), std::ios::binary);
  EXPECT_TRUE(in) << "cannot open " << name;
  return json::parse(in);
}

std::string describe(const std::string& input, const std::string& expected,
                     const тувра::Итог<тувра::url::Url, тувра::url::ParseError>& got) {
  std::ostringstream out;
  out << "  " << json(input).dump() << ": expected " << expected << ", got "
      << (got ? got->href() : "failure \"" + got.error().message + "\"") << "\n";
  return out.str();
}

TEST(ДанныеАдресовWpt, EveryCaseWithoutBaseParsesAsExpected) {
  const json cases = load("urltestdata.json");
  int checked = 0;
  std::string failures;
  for (const json& c : cases) {
    if (!c.is_object() || (c.contains("base") && !c["base"].is_null())) continue;
    ++checked;
    const std::string input = c["input"].get<std::string>();
    const auto got = тувра::url::parse(input);
    const bool want_failure = c.value("failure", false);
    if (want_failure) {
      if (got) failures += describe(input, "failure", got);
    } else if (!got || got->href() != c["href"].get<std::string>()) {
      failures += describe(input, c["href"].get<std::string>(), got);
    }
  }
  EXPECT_GT(checked, 500);
  EXPECT_EQ(failures, "") << "cases checked: " << checked;
}

// Components must be consistent with href, not merely be an href that happens to match.
TEST(ДанныеАдресовWpt, ComponentsOfEveryCaseWithoutBase) {
  const json cases = load("urltestdata.json");
  std::string failures;
  for (const json& c : cases) {
    if (!c.is_object() || (c.contains("base") && !c["base"].is_null()) || c.value("failure", false)) {
      continue;
    }
    const std::string input = c["input"].get<std::string>();
    const auto got = тувра::url::parse(input);
    if (!got) continue;  // reported by the test above
    const auto with_prefix = [](const std::optional<std::string_view>& part, char prefix) {
      return part && !part->empty() ? std::string(1, prefix).append(*part) : std::string();
    };
    const std::string protocol = std::string(got->scheme()) + ":";
    const std::string hostname(got->host().value_or(""));
    const std::string port = got->port() ? std::to_string(*got->port()) : "";
    const std::vector<std::pair<const char*, std::string>> parts = {
        {"protocol", protocol},
        {"username", std::string(got->username())},
        {"password", std::string(got->password())},
        {"hostname", hostname},
        {"port", port},
        {"pathname", std::string(got->path())},
        {"search", with_prefix(got->query(), '?')},
        {"hash", with_prefix(got->fragment(), '#')},
    };
    for (const auto& [name, value] : parts) {
      if (c.contains(name) && c[name].get<std::string>() != value) {
        failures += "  " + json(input).dump() + " " + name + ": expected " + c[name].get<std::string>() + ", got " +
                    value + "\n";
      }
    }
  }
  EXPECT_EQ(failures, "");
}

TEST(ДанныеАдресовWpt, DomainToAsciiCasesAsHosts) {
  const json cases = load("toascii.json");
  int checked = 0;
  std::string failures;
  for (const json& c : cases) {
    if (!c.is_object()) continue;
    ++checked;
    const std::string input = c["input"].get<std::string>();
    const auto got = тувра::url::parse("https://" + input + "/x");
    if (c["output"].is_null()) {
      if (got) failures += describe(input, "failure", got);
      continue;
    }
    const std::string want = c["output"].get<std::string>();
    if (!got || got->host() != std::optional<std::string_view>(want)) {
      failures += describe(input, "host " + want, got);
    }
  }
  EXPECT_GT(checked, 80);
  EXPECT_EQ(failures, "") << "cases checked: " << checked;
}

}  // namespace
