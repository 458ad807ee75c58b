#include "url/utf8.h"

#include "lexer/utf8.h"

namespace тувра::url {

std::string valid_utf8(std::string_view bytes) {
  // Most URLs are ASCII: no need to decode them.
  for (const char c : bytes) {
    if (static_cast<unsigned char>(c) >= 0x80) return закодировать_utf8(декодировать_utf8(bytes));
  }
  return std::string(bytes);
}

}  // namespace тувра::url
