#include "text.h"

#include <gtest/gtest.h>

namespace тувра::пакеты {
namespace {

TEST(ТекстUtf8, ЗаменаНеверныхПоследовательностей) {
  const std::vector<std::pair<std::string, std::string>> случаи = {
      {"обычный текст", "обычный текст"},
      {"a\xff"
       "b",
       "a\uFFFD"
       "b"},
      {"\xc3", "\uFFFD"},      // cut at the end
      {"\xe2\x82", "\uFFFD"},  // a truncated three-byte form is one replacement
      {"\xe2\x82x", "\uFFFDx"},
      {"\xc0\xaf", "\uFFFD\uFFFD"},                      // overlong forms are never started
      {"\xed\xa0\x80", "\uFFFD\uFFFD\uFFFD"},            // surrogates
      {"\xf4\x90\x80\x80", "\uFFFD\uFFFD\uFFFD\uFFFD"},  // above U+10FFFF
      {"\xf0\x9f\x98\x80", "\xf0\x9f\x98\x80"},
      {std::string("a\0b", 3), std::string("a\0b", 3)},
  };
  for (const auto& [вход, выход] : случаи) {
    EXPECT_EQ(декодировать_с_заменой(вход), выход);
    EXPECT_EQ(это_utf8(вход), вход == выход);
  }
}

TEST(ТекстUtf8, ПробелыПоСвойствуWhiteSpace) {
  EXPECT_EQ(обрезать_пробелы("\t\r\n\v\f \u0085\u00A0\u1680\u2000\u200A\u2028\u2029\u202F\u205F\u3000x y\u3000"),
            "x y");
  // Not White_Space: zero-width space, byte-order mark.
  EXPECT_EQ(обрезать_пробелы("\u200Bx\uFEFF"), "\u200Bx\uFEFF");
  EXPECT_EQ(обрезать_пробелы("   "), "");
  EXPECT_EQ(обрезать_пробелы("\xe3\x80"), "\xe3\x80");
  EXPECT_EQ(разбить_на_слова("  a\u00A0b\u3000\u3000c\td  "), (std::vector<std::string_view>{"a", "b", "c", "d"}));
  EXPECT_TRUE(разбить_на_слова(" \t ").empty());
}

TEST(ТекстUtf8, СтрокиДелятсяТолькоПоПереводу) {
  EXPECT_EQ(разбить_на_строки("a\r\nb\n\nc\rd\r"), (std::vector<std::string_view>{"a", "b", "", "c\rd\r"}));
  EXPECT_EQ(разбить_на_строки("a\n"), (std::vector<std::string_view>{"a"}));
  EXPECT_TRUE(разбить_на_строки("").empty());
  EXPECT_EQ(разбить_на_строки("\n"), (std::vector<std::string_view>{""}));
}

// Text keeps its line feeds; a name keeps nothing that could move, hide or reorder what follows.
TEST(ТекстДляТерминала, ТекстИИмя) {
  struct Случай {
    std::string вход;
    std::string текст;
    std::string имя;
  };
  const std::vector<Случай> случаи = {
      {"обычное имя", "обычное имя", "обычное имя"},
      {"a\nb", "a\nb", "a\uFFFDb"},
      {"a\tb\x1b[2J", "a\uFFFDb\uFFFD[2J", "a\uFFFDb\uFFFD[2J"},
      {"x\xc2\x9b"
       "1m",
       "x\uFFFD"
       "1m",
       "x\uFFFD"
       "1m"},  // C1 control written as UTF-8
      {"x\x9b"
       "1m",
       "x\uFFFD"
       "1m",
       "x\uFFFD"
       "1m"},  // the same byte alone
      {"\xff\xfe", "\uFFFD\uFFFD", "\uFFFD\uFFFD"},
      {"x\u202Ey\u200Bz", "x\u202Ey\u200Bz", "x\uFFFDy\uFFFDz"},  // only names lose them
      {"\uFEFFп\u2066\u2069", "\uFEFFп\u2066\u2069", "\uFFFDп\uFFFD\uFFFD"},
      {"\u200A\u2010\u202F\u206A", "\u200A\u2010\u202F\u206A", "\u200A\u2010\u202F\u206A"},  // neighbours stay
  };
  for (const Случай& с : случаи) {
    EXPECT_EQ(для_терминала(с.вход), с.текст) << с.вход;
    EXPECT_EQ(имя_для_терминала(с.вход), с.имя) << с.вход;
    EXPECT_EQ(есть_невидимый_символ(с.вход), с.имя != с.текст && с.вход.find('\n') == std::string::npos) << с.вход;
  }
}

}  // namespace
}  // namespace тувра::пакеты
