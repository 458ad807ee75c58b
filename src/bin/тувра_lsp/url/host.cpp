#include "url/host.h"

#include "url/idna.h"
#include "url/ip_address.h"
#include "url/percent_encode.h"
#include "url/utf8.h"

namespace тувра::url {

namespace {

ParseError domain_character_error() { return ParseError{"invalid domain character"}; }

bool is_forbidden_host_byte(unsigned char b) {
  switch (b) {
    case 0x00:
    case '\t':
    case '\n':
    case '\r':
    case ' ':
    case '#':
    case '/':
    case ':':
    case '<':
    case '>':
    case '?':
    case '@':
    case '[':
    case '\\':
    case ']':
    case '^':
    case '|': return true;
    default: return false;
  }
}

bool is_forbidden_domain_byte(unsigned char b) {
  return is_forbidden_host_byte(b) || b < 0x20 || b == '%' || b == 0x7F;
}

template <class Predicate>
bool contains_any(std::string_view text, Predicate is_forbidden) {
  for (char c : text) {
    if (is_forbidden(static_cast<unsigned char>(c))) return true;
  }
  return false;
}

Итог<std::string, ParseError> parse_opaque_host(std::string_view input) {
  if (contains_any(input, is_forbidden_host_byte)) return Неудача{domain_character_error()};
  std::string out;
  append_percent_encoded(out, input, EncodeSet::C0Control);
  return out;
}

}  // namespace

Итог<std::string, ParseError> parse_host(std::string_view input, bool is_opaque) {
  if (!input.empty() && input.front() == '[') {
    if (input.size() < 2 || input.back() != ']') return Неудача{ParseError{"invalid IPv6 address"}};
    auto address = parse_ipv6(input.substr(1, input.size() - 2));
    if (!address) return Неудача{std::move(address).error()};
    return serialise_ipv6(*address);
  }
  if (is_opaque) return parse_opaque_host(input);

  const std::string domain = valid_utf8(percent_decode(input));
  auto ascii = domain_to_ascii(domain);
  if (!ascii) return ascii;
  if (contains_any(*ascii, is_forbidden_domain_byte)) return Неудача{domain_character_error()};
  if (ends_in_a_number(*ascii)) {
    auto address = parse_ipv4(*ascii);
    if (!address) return Неудача{std::move(address).error()};
    return serialise_ipv4(*address);
  }
  return ascii;
}

}  // namespace тувра::url
