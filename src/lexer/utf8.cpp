#include "lexer/utf8.h"

#include <unicode/utf8.h>

#include <cstdint>

namespace тувра {

СимволUtf8 прочитать_символ_медленно(std::string_view текст, std::size_t откуда) {
  const auto* байты = reinterpret_cast<const std::uint8_t*>(текст.data());
  std::size_t i = откуда;
  UChar32 символ = 0;
  U8_NEXT_OR_FFFD(байты, i, текст.size(), символ);
  const auto длина = static_cast<std::uint8_t>(i - откуда);
  // A U+FFFD written as such is three well-formed bytes; any other U+FFFD stands for bad ones.
  const bool верный = символ != 0xFFFD || текст.substr(откуда, длина) == "\xEF\xBF\xBD";
  return {static_cast<char32_t>(символ), длина, верный};
}

std::u32string декодировать_utf8(std::string_view текст) {
  std::u32string символы;
  символы.reserve(текст.size());
  for (std::size_t i = 0; i < текст.size();) {
    const СимволUtf8 прочитанный = прочитать_символ(текст, i);
    символы.push_back(прочитанный.символ);
    i += прочитанный.байт;
  }
  return символы;
}

void дописать_utf8(std::string& куда, char32_t символ) {
  if (символ > 0x10FFFF || (символ >= 0xD800 && символ <= 0xDFFF)) символ = 0xFFFD;
  if (символ < 0x80) {
    куда.push_back(static_cast<char>(символ));
  } else if (символ < 0x800) {
    куда.push_back(static_cast<char>(0xC0 | (символ >> 6)));
    куда.push_back(static_cast<char>(0x80 | (символ & 0x3F)));
  } else if (символ < 0x10000) {
    куда.push_back(static_cast<char>(0xE0 | (символ >> 12)));
    куда.push_back(static_cast<char>(0x80 | ((символ >> 6) & 0x3F)));
    куда.push_back(static_cast<char>(0x80 | (символ & 0x3F)));
  } else {
    куда.push_back(static_cast<char>(0xF0 | (символ >> 18)));
    куда.push_back(static_cast<char>(0x80 | ((символ >> 12) & 0x3F)));
    куда.push_back(static_cast<char>(0x80 | ((символ >> 6) & 0x3F)));
    куда.push_back(static_cast<char>(0x80 | (символ & 0x3F)));
  }
}

std::string закодировать_utf8(std::u32string_view символы) {
  std::string итог;
  итог.reserve(символы.size() * 2);
  for (char32_t символ : символы) дописать_utf8(итог, символ);
  return итог;
}

}  // namespace тувра
