#include "lexer/utf8.h"

#include <unicode/utf8.h>

#include <cstdint>

namespace тувра {

std::u32string декодировать_utf8(std::string_view текст) {
  std::u32string символы;
  символы.reserve(текст.size());
  const auto* байты = reinterpret_cast<const std::uint8_t*>(текст.data());
  const std::size_t длина = текст.size();
  std::size_t i = 0;
  while (i < длина) {
    // Runs of ASCII are the common case in source text.
    if (байты[i] < 0x80) {
      символы.push_back(static_cast<char32_t>(байты[i++]));
      continue;
    }
    // Two-byte sequences (Cyrillic) inline; everything else, ill-formed input included, by ICU.
    if (байты[i] >= 0xC2 && байты[i] <= 0xDF && i + 1 < длина && (байты[i + 1] & 0xC0) == 0x80) {
      символы.push_back(static_cast<char32_t>(((байты[i] & 0x1F) << 6) | (байты[i + 1] & 0x3F)));
      i += 2;
      continue;
    }
    UChar32 символ = 0;
    U8_NEXT_OR_FFFD(байты, i, длина, символ);
    символы.push_back(static_cast<char32_t>(символ));
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
