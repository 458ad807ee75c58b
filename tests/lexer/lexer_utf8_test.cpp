// The lexer reads UTF-8 in place: positions still count characters, ill-formed bytes count one
// character per U+FFFD that decoding puts in their place.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "lex_helpers.h"
#include "lexer/utf8.h"

namespace тувра {
namespace {

using тест::Место;
using тест::СлучайМест;
using Случай = СлучайМест;

// Checks each token against the text decoded into characters: line and column counted over the
// decoded characters up to the token, and a name equal to its characters as written.
void сверить_с_декодированием(const std::string& текст, const СписокТокенов& токены) {
  const std::u32string символы = декодировать_utf8(текст);
  std::size_t строка = 1, столбец = 1, позиция = 0;
  for (const Токен& т : токены) {
    ASSERT_LE(т.окончание, символы.size());
    for (; позиция < т.начало; ++позиция) {
      if (символы[позиция] == U'\n') {
        ++строка;
        столбец = 1;
      } else {
        ++столбец;
      }
    }
    EXPECT_EQ(т.строка, строка) << "token at " << т.начало;
    EXPECT_EQ(т.столбец, столбец) << "token at " << т.начало;
    if (т.вид.номер() == ВидТокена::Идентификатор) {
      EXPECT_EQ(т.вид.текст(),
                закодировать_utf8(std::u32string_view(символы).substr(т.начало, т.окончание - т.начало)));
    }
  }
  EXPECT_EQ(токены.back().начало, символы.size());
}

TEST(ЛексерUtf8, ПозицииНаСмешанномТексте) {
  const std::vector<Случай> таблица = {
      {"Cyrillic, two bytes each", "ёж = жё", {{1, 1, 0, 2}, {1, 4, 3, 4}, {1, 6, 5, 7}, {1, 8, 7, 7}}},
      {"astral name, then a literal holding an astral character and a truncated sequence",
       "𝑥\"😀\xF0\x9F\x98\"",
       {{1, 1, 0, 1}, {1, 2, 1, 5}, {1, 6, 5, 5}}},
      {"ill-formed bytes in a block comment count one each", "/* \xFF\xFE */ x", {{1, 10, 9, 10}, {1, 11, 10, 10}}},
      {"a truncated sequence in a line comment is one character", "// \xE2\x82\nя", {{2, 1, 5, 6}, {2, 2, 6, 6}}},
      {"overlong form: two characters", "\"\xC0\xAF\" ж", {{1, 1, 0, 4}, {1, 6, 5, 6}, {1, 7, 6, 6}}},
      {"encoded surrogate: three characters", "\"\xED\xA0\x80\"x", {{1, 1, 0, 5}, {1, 6, 5, 6}, {1, 7, 6, 6}}},
      {"above U+10FFFF: four characters", "\"\xF4\x90\x80\x80\"", {{1, 1, 0, 6}, {1, 7, 6, 6}}},
      {"U+FFFD written as such is one character", "\"\xEF\xBF\xBD\" б", {{1, 1, 0, 3}, {1, 5, 4, 5}, {1, 6, 5, 5}}},
      {"non-ASCII blanks: NBSP, ideographic space, NEL",
       "\xC2\xA0\xE3\x80\x80x\xC2\x85y",
       {{1, 3, 2, 3}, {1, 5, 4, 5}, {1, 6, 5, 5}}},
      {"escape before an ill-formed byte, across a line",
       "ё\n\t\"\\\xFF\" 1",
       {{1, 1, 0, 1}, {2, 2, 3, 7}, {2, 7, 8, 9}, {2, 8, 9, 9}}},
      {"astral characters in a literal that spans lines", "\"𝄞\n𝄞\" ф", {{1, 1, 0, 5}, {2, 4, 6, 7}, {2, 5, 7, 7}}},
      {"name with a Unicode number after an astral letter", "𝑥²ж1 б", {{1, 1, 0, 4}, {1, 6, 5, 6}, {1, 7, 6, 6}}},
  };
  for (const auto& [описание, текст, места] : таблица) {
    SCOPED_TRACE(описание);
    auto итог = тест::лексировать(текст);
    ASSERT_TRUE(итог) << итог.error().сообщение_ошибки;
    std::vector<Место> найдено;
    for (const auto& т : *итог) найдено.push_back({т.строка, т.столбец, т.начало, т.окончание});
    EXPECT_EQ(найдено, места);
    сверить_с_декодированием(текст, *итог);
  }
}

TEST(ЛексерUtf8, ОшибкиСтоятНаСимволахАНеНаБайтах) {
  const std::vector<std::tuple<std::string, std::string, std::size_t, std::size_t>> таблица = {
      {"€ x", "неожиданный символ: '€'", 1, 1},
      {"𝑥𝑦 𝟙", "неожиданный символ: '𝟙'", 1, 4},
      {"/* \xFF */\n\xD0\xB6 \xE2\x82", "неожиданный символ: '\uFFFD'", 2, 3},
      {"\"\xF0\x9F\x98\" \"ж", "незакрытый текстовый литерал", 1, 5},
      {"ё \"\xC0\\", "незакрытый текстовый литерал (обрыв после \\)", 1, 3},
      {"жжж 99999999999999999999", "не удалось разобрать целое число: 99999999999999999999", 1, 25},
  };
  for (const auto& [текст, сообщение, строка, столбец] : таблица) {
    SCOPED_TRACE(текст);
    auto итог = тест::лексировать(текст);
    ASSERT_FALSE(итог);
    тест::проверить_ошибку(итог.error(), сообщение, строка, столбец);
  }
}

TEST(ЛексерUtf8, ДлинныйСмешанныйТекстСверяетсяСДекодированием) {
  const std::string кусок =
      "функция ф𝑥(ё) { вернуть \"ж\\n\xFF😀 ${ё}\" } // комментарий \xE2\x82 с обрывом\n"
      "/* блок\r\n\xC0\xAF */ x\xC2\xA0=\t1.5 + 𝑦²\n";
  std::string текст;
  for (int i = 0; i < 300; ++i) текст += кусок;
  auto итог = тест::лексировать(текст);
  ASSERT_TRUE(итог) << итог.error().сообщение_ошибки;
  сверить_с_декодированием(текст, *итог);
  EXPECT_EQ(итог->back().строка, 300u * 3 + 1);
}

}  // namespace
}  // namespace тувра
