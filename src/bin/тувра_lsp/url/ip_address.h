// IPv4 and IPv6 host addresses: parsing and their one serialisation.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "support/expected.h"
#include "url/url.h"

namespace тувра::url {

using Ipv6Address = std::array<std::uint16_t, 8>;

// Whether a domain's last label is a number, which makes the whole domain an IPv4 address.
bool ends_in_a_number(std::string_view domain);

// Dotted parts in decimal, octal (leading 0) or hex (leading 0x), 1 to 4 of them.
Итог<std::uint32_t, ParseError> parse_ipv4(std::string_view text);
std::string serialise_ipv4(std::uint32_t address);

// The text between the brackets.
Итог<Ipv6Address, ParseError> parse_ipv6(std::string_view text);
// With the brackets, lower-case hex and the first longest run of zero pieces compressed.
std::string serialise_ipv6(const Ipv6Address& address);

}  // namespace тувра::url
