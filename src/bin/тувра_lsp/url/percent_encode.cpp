#include "url/percent_encode.h"

#include <string_view>

namespace тувра::url {

namespace {

bool in_c0_control_set(unsigned char b) { return b < 0x20 || b > 0x7E; }

bool in_query_set(unsigned char b) {
  return in_c0_control_set(b) || b == ' ' || b == '"' || b == '#' || b == '<' || b == '>';
}

bool in_path_set(unsigned char b) {
  return in_query_set(b) || b == '?' || b == '^' || b == '`' || b == '{' || b == '}';
}

int hex_value(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

bool in_encode_set(unsigned char b, EncodeSet set) {
  switch (set) {
    case EncodeSet::C0Control: return in_c0_control_set(b);
    case EncodeSet::Fragment: return in_c0_control_set(b) || b == ' ' || b == '"' || b == '<' || b == '>' || b == '`';
    case EncodeSet::Query: return in_query_set(b);
    case EncodeSet::SpecialQuery: return in_query_set(b) || b == '\'';
    case EncodeSet::Path: return in_path_set(b);
    case EncodeSet::Userinfo:
      return in_path_set(b) || b == '/' || b == ':' || b == ';' || b == '=' || b == '@' || (b >= '[' && b <= '^') ||
             b == '|';
  }
  return true;
}

void append_percent_encoded(std::string& out, char byte, EncodeSet set) {
  static constexpr std::string_view kHex = "0123456789ABCDEF";
  const auto b = static_cast<unsigned char>(byte);
  if (in_encode_set(b, set)) {
    out += '%';
    out += kHex[b >> 4];
    out += kHex[b & 0xF];
  } else {
    out += byte;
  }
}

void append_percent_encoded(std::string& out, std::string_view bytes, EncodeSet set) {
  for (char c : bytes) append_percent_encoded(out, c, set);
}

std::string percent_decode(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '%' && i + 2 < text.size() && hex_value(text[i + 1]) >= 0 && hex_value(text[i + 2]) >= 0) {
      out += static_cast<char>(hex_value(text[i + 1]) * 16 + hex_value(text[i + 2]));
      i += 2;
    } else {
      out += text[i];
    }
  }
  return out;
}

}  // namespace тувра::url
