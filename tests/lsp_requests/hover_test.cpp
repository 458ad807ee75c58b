#include "hover.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>

namespace тувра::lsp {
namespace {

// Line by line, so that cases can name the line of a word.
const std::string программа =
    "подключить мод.часть;\n"                                               // 0
    "структура Точка\n"                                                     // 1
    "  целое x;\n"                                                          // 2
    "  приватно слабая Точка? сосед;\n"                                     // 3
    "  публично функция сдвинуть(ссылка целое д, текст метка): Точка\n"     // 4
    "    вернуть это;\n"                                                    // 5
    "  конец\n"                                                             // 6
    "  функция сбросить() конец\n"                                          // 7
    "конец\n"                                                               // 8
    "структура Пустая конец\n"                                              // 9
    "структура Пара<К, З> К ключ; Список из З значения; конец\n"            // 10
    "контракт Фигура функция площадь(): дробное; конец\n"                   // 11
    "внешняя функция печать(текст с) как \"puts\";\n"                       // 12
    "функция главная()\n"                                                   // 13
    "  целое местная = 1;\n"                                                // 14
    "конец\n"                                                               // 15
    "функция путь(Точка а, целое8()? б): Словарь из текст и целое конец\n"  // 16
    "функция обмен<T>(T а): T вернуть а; конец\n"                           // 17
    "функция сбросить() конец\n"                                            // 18
    "функция длина() конец\n";                                              // 19

struct Случай {
  std::uint32_t строка;
  std::uint32_t знак;
  std::optional<std::string> текст;
};

TEST(Наведение, ReferenceRows) {
  const Случай случаи[] = {
      {8, 0,
       "**конец**\n\nконец блока\n\nзакрывает функцию, структуру, если/пока/для и т.д.; после «если … иначе если … "
       "иначе» нужен один «конец»"},
      {2, 3, "**целое**\n\n64-битное знаковое целое число\n\nто же самое, что целое64"},
      // A row without an explanation has no third paragraph.
      {12, 24, "**текст**\n\nтекстовая строка"},
      // A reference word wins over a function of the document with the same name.
      {19, 10, "**длина**\n\nдлина(текст): целое\n\nдлина текста в байтах"},
  };
  for (const Случай& с : случаи) EXPECT_EQ(подсказка_при_наведении(программа, с.строка, с.знак), с.текст) << с.строка;
}

TEST(Наведение, Declarations) {
  const Случай случаи[] = {
      {13, 10, "```\nфункция главная()\n```"},
      {16, 9, "```\nфункция путь(Точка а, целое8()? б): Словарь из текст и целое\n```"},
      // Fields without visibility or weak marks.
      {1, 12, "```\nструктура Точка\n    целое x;\n    Точка? сосед;\nконец\n```"},
      {9, 12, "```\nструктура Пустая\n\nконец\n```"},
      // A method: struct name, no by-reference mark, no visibility.
      {4, 22, "```\nТочка.сдвинуть(целое д, текст метка): Точка\n```"},
      // Type parameters are not shown.
      {10, 12, "```\nструктура Пара\n    К ключ;\n    Список из З значения;\nконец\n```"},
      {17, 10, "```\nфункция обмен(T а): T\n```"},
      // The struct's method comes before the later function of that name.
      {18, 10, "```\nТочка.сбросить()\n```"},
  };
  for (const Случай& с : случаи) EXPECT_EQ(подсказка_при_наведении(программа, с.строка, с.знак), с.текст) << с.строка;
}

TEST(Наведение, NothingToShow) {
  const std::uint32_t случаи[][2] = {
      {2, 8},    // field
      {14, 10},  // local variable
      {11, 12},  // contract
      {11, 28},  // contract method
      {12, 18},  // external function
      {16, 19},  // parameter
      {0, 14},   // module name
      {17, 14},  // type parameter
      {0, 20},   // the ";" right behind "часть" finds it, and it is no declaration
      {20, 0},   // past the last line
  };
  for (const auto& с : случаи) EXPECT_EQ(подсказка_при_наведении(программа, с[0], с[1]), std::nullopt) << с[0];
}

TEST(Наведение, SyntaxErrorKeepsReferenceRowsOnly) {
  const std::string сломанный = "функция главная(\nцелое x\n";
  EXPECT_EQ(подсказка_при_наведении(сломанный, 0, 10), std::nullopt);
  EXPECT_EQ(подсказка_при_наведении(сломанный, 1, 0),
            "**целое**\n\n64-битное знаковое целое число\n\nто же самое, что целое64");
  EXPECT_EQ(подсказка_при_наведении("", 0, 0), std::nullopt);
}

}  // namespace
}  // namespace тувра::lsp
