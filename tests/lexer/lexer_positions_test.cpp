// Where tokens stand: lines, columns and character indices.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lex_helpers.h"

namespace тувра {
namespace {

using тест::Место;
using тест::СлучайМест;
using Случай = СлучайМест;

TEST(ПозицииТокенов, Таблица) {
  const std::vector<Случай> таблица = {
      {"empty text", "", {{1, 1, 0, 0}}},
      {"blanks, line feeds and comments only", "  \n\t// x\n/* a\nb */  ", {{4, 7, 20, 20}}},
      {"final line comment without line feed", "1 // хвост", {{1, 1, 0, 1}, {1, 11, 10, 10}}},
      {"unclosed block comment", "x /* \n абв", {{1, 1, 0, 1}, {2, 5, 10, 10}}},
      {"text ending in a line feed", "x\n", {{1, 1, 0, 1}, {2, 1, 2, 2}}},
      {"CRLF: CR advances the column", "a\r\nb\r\n", {{1, 1, 0, 1}, {2, 1, 3, 4}, {3, 1, 6, 6}}},
      {"lone CR does not start a line", "a\rb", {{1, 1, 0, 1}, {1, 3, 2, 3}, {1, 4, 3, 3}}},
      {"tab is one column", "\tx\t\ty", {{1, 2, 1, 2}, {1, 5, 4, 5}, {1, 6, 5, 5}}},
      {"Cyrillic counts characters, not bytes", "имя = 1", {{1, 1, 0, 3}, {1, 5, 4, 5}, {1, 7, 6, 7}, {1, 8, 7, 7}}},
      {"astral characters count one each",
       "𝑥𝑦 + \"😀\" 1",
       {{1, 1, 0, 2}, {1, 4, 3, 4}, {1, 6, 5, 8}, {1, 10, 9, 10}, {1, 11, 10, 10}}},
      {"U+2028, U+2029 and U+0085 do not start a line",
       "a\u2028\u2029\u0085b",
       {{1, 1, 0, 1}, {1, 5, 4, 5}, {1, 6, 5, 5}}},
      {"two-line literal keeps its start; next token counts from the new line",
       "x = \"ab\ncd\" y",
       {{1, 1, 0, 1}, {1, 3, 2, 3}, {1, 5, 4, 11}, {2, 5, 12, 13}, {2, 6, 13, 13}}},
      {"escapes count written characters", "\"\\n\\\"\" z", {{1, 1, 0, 6}, {1, 8, 7, 8}, {1, 9, 8, 8}}},
      {"two-character operators span two",
       "a->b<=c",
       {{1, 1, 0, 1}, {1, 2, 1, 3}, {1, 4, 3, 4}, {1, 5, 4, 6}, {1, 7, 6, 7}, {1, 8, 7, 7}}},
      {"float literal", "  1.25", {{1, 3, 2, 6}, {1, 7, 6, 6}}},
      {"block comment lines", "/*\n\n*/x", {{3, 3, 6, 7}, {3, 4, 7, 7}}},
  };
  for (const auto& [описание, текст, места] : таблица) {
    SCOPED_TRACE(описание);
    auto итог = тест::лексировать(текст);
    ASSERT_TRUE(итог) << итог.error().сообщение_ошибки;
    std::vector<Место> найдено;
    for (const auto& т : *итог) найдено.push_back({т.строка, т.столбец, т.начало, т.окончание});
    EXPECT_EQ(найдено, места);
  }
}

TEST(ПозицииТокенов, ЛексерСтоитВКонцеПослеРазбора) {
  auto лексер = новый_лексер("a\nбв ");
  EXPECT_EQ(лексер.текст, "a\nбв ");
  EXPECT_EQ(лексер.байт, 0u);
  EXPECT_EQ(лексер.позиция, 0u);
  EXPECT_EQ(лексер.строка, 1u);
  EXPECT_EQ(лексер.столбец, 1u);
  ASSERT_TRUE(разбить_на_токены(лексер));
  EXPECT_EQ(лексер.байт, 7u);
  EXPECT_EQ(лексер.позиция, 5u);
  EXPECT_EQ(лексер.строка, 2u);
  EXPECT_EQ(лексер.столбец, 4u);
}

TEST(ПозицииТокенов, ЛексерЧитаетСТекущейПозиции) {
  // A lexer moved on by hand reads from where it stands and keeps its line count.
  auto лексер = новый_лексер("пропуск x");
  лексер.байт = 14;
  лексер.позиция = 7;
  лексер.строка = 3;
  лексер.столбец = 9;
  auto итог = разбить_на_токены(лексер);
  ASSERT_TRUE(итог);
  ASSERT_EQ(итог->size(), 2u);
  EXPECT_EQ((*итог)[0], (Токен{ВидТокена::идентификатор("x"), 3, 10, 8, 9}));
}

}  // namespace
}  // namespace тувра
