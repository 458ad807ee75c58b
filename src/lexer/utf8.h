// UTF-8 to Unicode scalar values and back.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace тувра {

// One character read from UTF-8 bytes: its value and how many bytes it took.
struct СимволUtf8 {
  char32_t символ;
  std::uint8_t байт;
  bool верный;  // false when the bytes were ill-formed and the value is the U+FFFD put in their place
};

// The ill-formed and beyond-two-byte cases of прочитать_символ.
СимволUtf8 прочитать_символ_медленно(std::string_view текст, std::size_t откуда);

// The character that starts at byte `откуда` (< текст.size()). Ill-formed input never fails:
// each maximal ill-formed subsequence (a stray trail byte, a truncated sequence, an overlong
// form, an encoded surrogate, a value above U+10FFFF) reads as one U+FFFD, so positions stay
// well defined for editors that send broken text.
inline СимволUtf8 прочитать_символ(std::string_view текст, std::size_t откуда) {
  const auto первый = static_cast<unsigned char>(текст[откуда]);
  if (первый < 0x80) return {первый, 1, true};
  // Two-byte sequences (Cyrillic) inline; everything else, ill-formed input included, apart.
  if (первый >= 0xC2 && первый <= 0xDF && откуда + 1 < текст.size()) {
    const auto второй = static_cast<unsigned char>(текст[откуда + 1]);
    if ((второй & 0xC0) == 0x80) {
      return {static_cast<char32_t>(((первый & 0x1F) << 6) | (второй & 0x3F)), 2, true};
    }
  }
  return прочитать_символ_медленно(текст, откуда);
}

// Decodes the whole text into scalar values, by прочитать_символ.
std::u32string декодировать_utf8(std::string_view текст);

// Encodes scalar values as UTF-8; a value that is not a scalar value is written as U+FFFD.
std::string закодировать_utf8(std::u32string_view символы);
void дописать_utf8(std::string& куда, char32_t символ);

}  // namespace тувра
