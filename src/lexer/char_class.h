// Character classes of the lexer: ASCII answered inline, everything else by ICU.
#pragma once

namespace тувра::классы {

bool пробел_юникода(char32_t символ);
bool буква_юникода(char32_t символ);
bool буква_или_число_юникода(char32_t символ);

inline bool цифра_ascii(char32_t символ) { return символ >= U'0' && символ <= U'9'; }

inline bool буква_ascii(char32_t символ) {
  return (символ >= U'a' && символ <= U'z') || (символ >= U'A' && символ <= U'Z');
}

// U+0400 to U+0481 are all Cyrillic letters: most names never reach ICU.
inline bool основная_кириллица(char32_t символ) { return символ >= 0x400 && символ <= 0x481; }

// Unicode White_Space.
inline bool пробел(char32_t символ) {
  if (символ < 0x80) return символ == U' ' || (символ >= 0x09 && символ <= 0x0D);
  if (основная_кириллица(символ)) return false;
  return пробел_юникода(символ);
}

// ASCII letter, `_` or Alphabetic.
inline bool начало_слова(char32_t символ) {
  if (символ < 0x80) return буква_ascii(символ) || символ == U'_';
  return основная_кириллица(символ) || буква_юникода(символ);
}

// What may follow the first character of a word: also ASCII digits and Unicode numbers
// (general categories Nd, Nl, No).
inline bool продолжение_слова(char32_t символ) {
  if (символ < 0x80) return буква_ascii(символ) || цифра_ascii(символ) || символ == U'_';
  return основная_кириллица(символ) || буква_или_число_юникода(символ);
}

}  // namespace тувра::классы
