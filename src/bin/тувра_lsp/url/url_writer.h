// The URL record the parser fills, and its serialisation into a Url.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "url/url.h"

namespace тувра::url {

struct UrlRecord {
  std::string scheme;
  std::string username;
  std::string password;
  std::optional<std::string> host;  // serialised
  std::optional<std::uint16_t> port;
  // An opaque path is one string; any other path is a list of segments.
  std::variant<std::vector<std::string>, std::string> path;
  std::optional<std::string> query;
  std::optional<std::string> fragment;
};

class UrlWriter {
 public:
  static Url write(const UrlRecord& record);
};

}  // namespace тувра::url
