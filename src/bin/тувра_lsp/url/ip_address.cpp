#include "url/ip_address.h"

#include <optional>
#include <utility>
#include <vector>

namespace тувра::url {

namespace {

ParseError ipv4_error() { return ParseError{"invalid IPv4 address"}; }
ParseError ipv6_error() { return ParseError{"invalid IPv6 address"}; }

int digit_value(char c, int radix) {
  int value = -1;
  if (c >= '0' && c <= '9') value = c - '0';
  else if (c >= 'a' && c <= 'f') value = c - 'a' + 10;
  else if (c >= 'A' && c <= 'F') value = c - 'A' + 10;
  return value < radix ? value : -1;
}

bool is_digit(char c) { return c >= '0' && c <= '9'; }

// One part of an IPv4 address; values above 2^32 saturate there, as every such part fails.
std::optional<std::uint64_t> parse_ipv4_number(std::string_view text) {
  if (text.empty()) return std::nullopt;
  int radix = 10;
  if (text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    text.remove_prefix(2);
    radix = 16;
  } else if (text.size() >= 2 && text[0] == '0') {
    text.remove_prefix(1);
    radix = 8;
  }
  constexpr std::uint64_t kCap = std::uint64_t{1} << 32;
  std::uint64_t value = 0;
  for (char c : text) {
    const int digit = digit_value(c, radix);
    if (digit < 0) return std::nullopt;
    value = value * static_cast<std::uint64_t>(radix) + static_cast<std::uint64_t>(digit);
    if (value > kCap) value = kCap;
  }
  return value;
}

std::vector<std::string_view> split_on_dots(std::string_view text) {
  std::vector<std::string_view> parts;
  std::size_t start = 0;
  for (;;) {
    const std::size_t dot = text.find('.', start);
    if (dot == std::string_view::npos) {
      parts.push_back(text.substr(start));
      return parts;
    }
    parts.push_back(text.substr(start, dot - start));
    start = dot + 1;
  }
}

}  // namespace

bool ends_in_a_number(std::string_view domain) {
  std::vector<std::string_view> parts = split_on_dots(domain);
  if (parts.back().empty()) {
    if (parts.size() == 1) return false;
    parts.pop_back();
  }
  const std::string_view last = parts.back();
  bool all_digits = !last.empty();
  for (char c : last) all_digits = all_digits && is_digit(c);
  return all_digits || parse_ipv4_number(last).has_value();
}

Итог<std::uint32_t, ParseError> parse_ipv4(std::string_view text) {
  std::vector<std::string_view> parts = split_on_dots(text);
  if (parts.back().empty() && parts.size() > 1) parts.pop_back();
  if (parts.size() > 4) return Неудача{ipv4_error()};
  std::vector<std::uint64_t> numbers;
  for (std::string_view part : parts) {
    const std::optional<std::uint64_t> number = parse_ipv4_number(part);
    if (!number) return Неудача{ipv4_error()};
    numbers.push_back(*number);
  }
  for (std::size_t i = 0; i + 1 < numbers.size(); ++i) {
    if (numbers[i] > 255) return Неудача{ipv4_error()};
  }
  const std::uint64_t last = numbers.back();
  if (last >= (std::uint64_t{1} << (8 * (5 - numbers.size())))) return Неудача{ipv4_error()};
  std::uint64_t address = last;
  for (std::size_t i = 0; i + 1 < numbers.size(); ++i) {
    address += numbers[i] << (8 * (3 - i));
  }
  return static_cast<std::uint32_t>(address);
}

std::string serialise_ipv4(std::uint32_t address) {
  std::string out;
  for (int shift = 24; shift >= 0; shift -= 8) {
    out += std::to_string((address >> shift) & 0xFF);
    if (shift > 0) out += '.';
  }
  return out;
}

namespace {

// Reads the dotted IPv4 tail of an IPv6 address into two pieces, starting at `*pointer`.
bool read_ipv4_tail(std::string_view text, std::size_t pointer, Ipv6Address& address, std::size_t& piece_index) {
  int numbers_seen = 0;
  while (pointer < text.size()) {
    if (numbers_seen > 0) {
      if (text[pointer] != '.' || numbers_seen >= 4) return false;
      ++pointer;
    }
    if (pointer >= text.size() || !is_digit(text[pointer])) return false;
    std::optional<int> piece;
    while (pointer < text.size() && is_digit(text[pointer])) {
      const int number = text[pointer] - '0';
      if (!piece) piece = number;
      else if (*piece == 0) return false;
      else piece = *piece * 10 + number;
      if (*piece > 255) return false;
      ++pointer;
    }
    address[piece_index] = static_cast<std::uint16_t>(address[piece_index] * 0x100 + *piece);
    ++numbers_seen;
    if (numbers_seen == 2 || numbers_seen == 4) ++piece_index;
  }
  return numbers_seen == 4;
}

}  // namespace

Итог<Ipv6Address, ParseError> parse_ipv6(std::string_view text) {
  Ipv6Address address{};
  std::size_t piece_index = 0;
  std::optional<std::size_t> compress;
  std::size_t pointer = 0;
  auto at = [&](std::size_t i) { return i < text.size() ? text[i] : '\0'; };
  const auto eof = [&] { return pointer >= text.size(); };

  if (at(pointer) == ':' && !eof()) {
    if (at(pointer + 1) != ':' || pointer + 1 >= text.size()) return Неудача{ipv6_error()};
    pointer += 2;
    ++piece_index;
    compress = piece_index;
  }
  while (!eof()) {
    if (piece_index == 8) return Неудача{ipv6_error()};
    if (text[pointer] == ':') {
      if (compress) return Неудача{ipv6_error()};
      ++pointer;
      ++piece_index;
      compress = piece_index;
      continue;
    }
    unsigned value = 0;
    std::size_t length = 0;
    while (length < 4 && !eof() && digit_value(text[pointer], 16) >= 0) {
      value = value * 16 + static_cast<unsigned>(digit_value(text[pointer], 16));
      ++pointer;
      ++length;
    }
    if (!eof() && text[pointer] == '.') {
      if (length == 0 || piece_index > 6) return Неудача{ipv6_error()};
      if (!read_ipv4_tail(text, pointer - length, address, piece_index)) {
        return Неудача{ipv6_error()};
      }
      break;
    }
    if (!eof() && text[pointer] == ':') {
      ++pointer;
      if (eof()) return Неудача{ipv6_error()};
    } else if (!eof()) {
      return Неудача{ipv6_error()};
    }
    address[piece_index] = static_cast<std::uint16_t>(value);
    ++piece_index;
  }
  if (compress) {
    std::size_t swaps = piece_index - *compress;
    piece_index = 7;
    while (piece_index != 0 && swaps > 0) {
      std::swap(address[piece_index], address[*compress + swaps - 1]);
      --piece_index;
      --swaps;
    }
  } else if (piece_index != 8) {
    return Неудача{ipv6_error()};
  }
  return address;
}

std::string serialise_ipv6(const Ipv6Address& address) {
  // The first longest run of two or more zero pieces.
  std::optional<std::size_t> compress;
  std::size_t best = 1;
  for (std::size_t i = 0; i < 8;) {
    std::size_t j = i;
    while (j < 8 && address[j] == 0) ++j;
    if (j - i > best) {
      best = j - i;
      compress = i;
    }
    i = j == i ? i + 1 : j;
  }
  static constexpr char kHex[] = "0123456789abcdef";
  std::string out = "[";
  bool ignore_zero = false;
  for (std::size_t i = 0; i < 8; ++i) {
    if (ignore_zero && address[i] == 0) continue;
    ignore_zero = false;
    if (compress == i) {
      out += i == 0 ? "::" : ":";
      ignore_zero = true;
      continue;
    }
    bool started = false;
    for (int shift = 12; shift >= 0; shift -= 4) {
      const unsigned digit = (address[i] >> shift) & 0xF;
      if (digit != 0 || started || shift == 0) {
        out += kHex[digit];
        started = true;
      }
    }
    if (i != 7) out += ':';
  }
  out += ']';
  return out;
}

}  // namespace тувра::url
