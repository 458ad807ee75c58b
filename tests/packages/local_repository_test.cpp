#include "local_repository.h"

#include <filesystem>

#include <gtest/gtest.h>

namespace тувра::пакеты {
namespace {

// git runs in a folder of its own: what it would read as a path relative to the project gets
// the project's folder in front, every other address stays as written.
TEST(АдресДляGit, ОтносительныйПутьСтановитсяАбсолютным) {
  const std::string здесь = std::filesystem::current_path().string();
  const std::vector<std::pair<std::string, std::string>> случаи = {
      {"dep", здесь + "/dep"},
      {"../пакеты/сеть", здесь + "/../пакеты/сеть"},
      {"./a:b", здесь + "/./a:b"},  // a '/' before the colon: a path, not "host:path"
      {"/абсолютный/путь", "/абсолютный/путь"},
      {"file:///srv/репо.git", "file:///srv/репо.git"},
      {"https://example.com/сеть.git", "https://example.com/сеть.git"},
      {"ssh://git@example.com/сеть", "ssh://git@example.com/сеть"},
      {"git+ssh://example.com/x", "git+ssh://example.com/x"},
      {"git@example.com:сеть.git", "git@example.com:сеть.git"},
      {"host:", "host:"},
      {"", ""},  // git says for itself that there is no such repository
  };
  for (const auto& [адрес, для_git] : случаи) {
    auto итог = адрес_для_git(адрес, "адрес репозитория");
    ASSERT_TRUE(итог.has_value()) << адрес << ": " << итог.error();
    EXPECT_EQ(*итог, для_git) << адрес;
  }
  auto минус = адрес_для_git("-u", "адрес индекса");
  ASSERT_FALSE(минус.has_value());
  EXPECT_EQ(минус.error().rfind("адрес индекса '-u' начинается с '-'", 0), 0u) << минус.error();
}

}  // namespace
}  // namespace тувра::пакеты
