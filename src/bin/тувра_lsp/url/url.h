// Absolute URLs as the WHATWG URL Standard's basic URL parser reads and serialises them
// (no base URL). The server keys its documents by these serialisations.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "support/expected.h"

namespace тувра::url {

// One short English text per kind of failure, e.g. "relative URL without a base",
// "empty host", "invalid port number", "invalid IPv4 address", "invalid IPv6 address",
// "invalid domain character", "invalid international domain name".
struct ParseError {
  std::string message;
};

// A parsed URL: its serialisation and where each component lies in it.
class Url {
 public:
  const std::string& href() const { return href_; }

  // Without the trailing ':'; always lower case.
  std::string_view scheme() const { return std::string_view(href_).substr(0, scheme_end_); }
  std::string_view username() const;
  std::string_view password() const;
  // The serialised host (IPv6 in brackets); empty for an empty host such as "file:///";
  // absent when the URL has no host at all ("untitled:Untitled-1").
  std::optional<std::string_view> host() const;
  // Absent when there is none or it is the scheme's default port.
  std::optional<std::uint16_t> port() const { return port_; }
  // The path as serialised ("/a/b", or the opaque path of "mailto:x").
  std::string_view path() const;
  // Without the leading '?' or '#'; absent when the URL has none (present and empty for "x:?").
  std::optional<std::string_view> query() const;
  std::optional<std::string_view> fragment() const;
  bool has_opaque_path() const { return opaque_path_; }

  friend bool operator==(const Url& a, const Url& b) { return a.href_ == b.href_; }

 private:
  friend class UrlWriter;
  Url() = default;

  static constexpr std::size_t kNone = static_cast<std::size_t>(-1);

  std::string href_;
  std::size_t scheme_end_ = 0;          // index of ':'
  std::size_t username_start_ = kNone;  // after "//" when there is a host
  std::size_t username_end_ = kNone;
  std::size_t password_start_ = kNone;  // after ':' when there is a password
  std::size_t host_start_ = kNone;
  std::size_t host_end_ = kNone;
  std::size_t path_start_ = 0;
  std::size_t query_start_ = kNone;     // index of '?'
  std::size_t fragment_start_ = kNone;  // index of '#'
  std::optional<std::uint16_t> port_;
  bool opaque_path_ = false;
};

// Parses `input` as an absolute URL. Any byte string is accepted as input; invalid UTF-8 is
// read as U+FFFD per bad sequence.
Итог<Url, ParseError> parse(std::string_view input);

}  // namespace тувра::url

template <>
struct std::hash<тувра::url::Url> {
  std::size_t operator()(const тувра::url::Url& u) const noexcept { return std::hash<std::string>{}(u.href()); }
};
