#include "definition.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>

namespace тувра::lsp {
namespace {

url::Url адрес(const char* текст) { return *url::parse(текст); }

const std::string программа =
    "// начало\n"                                          // 0
    "структура Точка\n"                                    // 1
    "  целое x;\n"                                         // 2
    "  функция сдвинуть(целое д) конец\n"                  // 3
    "конец\n"                                              // 4
    "контракт Фигура функция площадь(): дробное; конец\n"  // 5
    "внешняя функция печать(текст с);\n"                   // 6
    "\n"                                                   // 7
    "функция главная(Точка т)\n"                           // 8
    "  целое местная = длина(\"x\");\n"                    // 9
    "  т.сдвинуть(местная);\n"                             // 10
    "конец\n"                                              // 11
    "структура 𝐀 конец функция сдвинуть() конец\n";        // 12

struct Случай {
  std::uint32_t строка;
  std::uint32_t знак;
  std::optional<Position> позиция;
};

TEST(Определение, Locations) {
  const url::Url uri = адрес("file:///%D0%B4%D0%BE%D0%BA/a.%D0%BA%D0%BE%D0%B4");
  const std::optional<Position> нет;
  const Случай случаи[] = {
      {8, 10, Position{8, 0}},  // function
      {1, 12, Position{1, 0}},  // struct
      {8, 17, Position{1, 0}},  // a type name in a parameter still names the struct
      {3, 12, Position{3, 2}},  // method, at its own keyword inside the struct
      // The struct's method comes before the later function of that name.
      {10, 5, Position{3, 2}},
      {12, 28, Position{3, 2}},
      {10, 15, нет},  // local variable
      {8, 22, нет},   // parameter
      {2, 8, нет},    // field
      {9, 20, нет},   // built-in function
      {4, 0, нет},    // keyword
      {5, 12, нет},   // contract
      {5, 28, нет},   // contract method
      {6, 18, нет},   // external function
      {7, 0, нет},    // empty line
      {0, 0, нет},    // comment text is still a word, and no declaration
  };
  for (const Случай& с : случаи) {
    const auto место = переход_к_определению(uri, программа, с.строка, с.знак);
    ASSERT_EQ(место.has_value(), с.позиция.has_value()) << с.строка << ":" << с.знак;
    if (!место) continue;
    EXPECT_EQ(место->uri, uri);
    EXPECT_EQ(место->range, (Range{*с.позиция, *с.позиция})) << с.строка << ":" << с.знак;
  }
}

TEST(Определение, ColumnsInScalarValues) {
  const url::Url uri = адрес("untitled:Untitled-1");
  const auto место = переход_к_определению(uri, "структура 𝐀𝐁 конец функция ф() конец\n", 0, 27);
  ASSERT_TRUE(место);
  EXPECT_EQ(место->range.start, (Position{0, 19}));
  EXPECT_EQ(место->uri.href(), "untitled:Untitled-1");
}

TEST(Определение, SyntaxErrorAnswersNull) {
  const url::Url uri = адрес("file:///a");
  EXPECT_FALSE(переход_к_определению(uri, "функция ф() конец\nфункция г(\n", 0, 9));
  EXPECT_FALSE(переход_к_определению(uri, "", 0, 0));
}

TEST(Определение, LocationFromDeclarationPosition) {
  const url::Url uri = адрес("file:///a");
  EXPECT_FALSE(создать_местоположение(uri, std::nullopt));
  struct Пара {
    ПозицияОбъявления позиция;
    Position ожидание;
  };
  const Пара пары[] = {
      {{4, 1}, {3, 0}},
      {{1, 7}, {0, 6}},
      {{0, 0}, {0, 0}},
      {{std::size_t(1) << 40, 2}, {UINT32_MAX, 1}},
  };
  for (const Пара& п : пары) {
    const auto место = создать_местоположение(uri, п.позиция);
    ASSERT_TRUE(место);
    EXPECT_EQ(место->range, (Range{п.ожидание, п.ожидание}));
  }
}

}  // namespace
}  // namespace тувра::lsp
