// Decoding and encoding UTF-8, well-formed or not.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lexer/utf8.h"

namespace тувра {
namespace {

struct Случай {
  std::string байты;
  std::u32string символы;
};

TEST(КодировкаUtf8, Декодирование) {
  const std::vector<Случай> таблица = {
      {"", U""},
      {"abc", U"abc"},
      {"жё", U"жё"},
      {"€𝄞", U"€𝄞"},
      {"\xF4\x8F\xBF\xBF", U"\U0010FFFF"},
      // Ill-formed: one U+FFFD for each maximal ill-formed subsequence.
      {"\x80", U"\uFFFD"},
      {"a\xFF"
       "b",
       U"a\uFFFDb"},
      {"\xC3", U"\uFFFD"},
      {"\xC3x", U"\uFFFDx"},
      {"\xE2\x82", U"\uFFFD"},
      {"\xE2\x82x", U"\uFFFDx"},
      {"\xF0\x9F\x98", U"\uFFFD"},
      {"\xC0\xAF", U"\uFFFD\uFFFD"},                      // overlong
      {"\xE0\x80\xAF", U"\uFFFD\uFFFD\uFFFD"},            // overlong
      {"\xED\xA0\x80", U"\uFFFD\uFFFD\uFFFD"},            // a surrogate
      {"\xF4\x90\x80\x80", U"\uFFFD\uFFFD\uFFFD\uFFFD"},  // above U+10FFFF
      {"\xF8\x88\x80\x80\x80", U"\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD"},
      {"\xE2\x82\xE2\x82\xAC", U"\uFFFD€"},
      {std::string("\0", 1), std::u32string(1, U'\0')},
  };
  for (const auto& [байты, символы] : таблица) {
    SCOPED_TRACE(testing::PrintToString(байты));
    EXPECT_EQ(декодировать_utf8(байты), символы);
  }
}

// One character at a time, as the lexer reads: how many bytes it takes and whether it was
// well formed (a U+FFFD written as such is; one standing for bad bytes is not).
TEST(КодировкаUtf8, ОдинСимвол) {
  struct Символ {
    std::string байты;
    std::size_t откуда;
    char32_t символ;
    std::size_t байт;
    bool верный;
  };
  const std::vector<Символ> таблица = {
      {"a", 0, U'a', 1, true},
      {"xж", 1, U'ж', 2, true},
      {"€", 0, U'€', 3, true},
      {"a𝄞", 1, U'𝄞', 4, true},
      {"\xEF\xBF\xBD", 0, 0xFFFD, 3, true},
      {"\xFF"
       "a",
       0, 0xFFFD, 1, false},
      {"\xD0", 0, 0xFFFD, 1, false},
      {"\xD0"
       "a",
       0, 0xFFFD, 1, false},
      {"\xF0\x9F\x98", 0, 0xFFFD, 3, false},
      {"\xE2\x82\xE2\x82\xAC", 0, 0xFFFD, 2, false},
      {"\xE2\x82\xE2\x82\xAC", 2, U'€', 3, true},
      {"\xC0\xAF", 1, 0xFFFD, 1, false},
  };
  for (const auto& [байты, откуда, символ, байт, верный] : таблица) {
    SCOPED_TRACE(testing::PrintToString(байты));
    const СимволUtf8 прочитанный = прочитать_символ(байты, откуда);
    EXPECT_EQ(прочитанный.символ, символ);
    EXPECT_EQ(прочитанный.байт, байт);
    EXPECT_EQ(прочитанный.верный, верный);
  }
}

TEST(КодировкаUtf8, КодированиеОбратноДекодированию) {
  const std::string текст = "функция f() { вернуть \"€𝄞\" }\n";
  EXPECT_EQ(закодировать_utf8(декодировать_utf8(текст)), текст);
  // Values that are not scalar values are never written as such.
  EXPECT_EQ(закодировать_utf8(std::u32string{0xD800, 0x110000, U'x'}), "\uFFFD\uFFFDx");
}

}  // namespace
}  // namespace тувра
