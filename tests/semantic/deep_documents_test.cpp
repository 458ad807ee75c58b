// Adversarial documents: the deepest nesting the parser lets through, long chains, huge
// declarations and instantiations stacked on deep bodies. Each must simply finish with its
// one outcome, plain and under the sanitizers; there is no timing here.
#include <gtest/gtest.h>

#include <string>

#include "document_analysis.h"

namespace тувра::тест {
namespace {

// The most `если` levels a body can hold.
constexpr int предел_если = 999;

std::string повторить(const std::string& часть, int раз) {
  std::string текст;
  текст.reserve(часть.size() * static_cast<std::size_t>(раз));
  for (int i = 0; i < раз; ++i) текст += часть;
  return текст;
}

const std::string прервать = "'прервать' можно использовать только внутри цикла ('пока' или 'для каждого')";

TEST(ГлубокиеДокументы, DeepestStatementNesting) {
  // The statement at the bottom is on line 1 + 999 + 1.
  EXPECT_EQ(итог_анализа("функция ф()\n" + повторить("если (да)\n", предел_если) + "прервать;\n" +
                         повторить("конец\n", предел_если) + "конец\n"),
            "1001: " + прервать);
  EXPECT_EQ(итог_анализа("функция ф(): целое\n" + повторить("пока (да)\n", предел_если) + "прервать;\n" +
                         повторить("конец\n", предел_если) + "конец\n"),
            "");
  // Returns on all paths through a deep chain of branches.
  EXPECT_EQ(итог_анализа("функция ф(): целое\n" + повторить("если (да)\nвернуть 1;\nиначе\n", 500) + "вернуть 2;\n" +
                         повторить("конец\n", 500) + "конец\n"),
            "");
}

TEST(ГлубокиеДокументы, InstantiationsStackedOnDeepBodies) {
  // Every one of the 64 instances in progress holds a body nested as deep as the parser allows:
  // the whole check stacks 64 deep bodies before it stops.
  const int глубина = предел_если - 5;  // room for the call nested in the innermost statement
  const std::string документ = "функция ф<Т>(Т х)\n" + повторить("если (да)\n", глубина) +
                               "вывести(ф<Список из Т>(Список из Т()));\n" + повторить("конец\n", глубина) +
                               "конец\nфункция г()\n" + повторить("пока (да)\n", глубина) + "вывести(ф<целое>(1));\n" +
                               повторить("конец\n", глубина) + "конец\n";
  EXPECT_EQ(
      итог_анализа(документ),
      std::to_string(глубина + 2) + ": слишком глубокая вложенность инстанциаций — больше 64 уровней, встретилось «ф»");
}

TEST(ГлубокиеДокументы, LongChains) {
  // 100,000 terms of one binary chain.
  EXPECT_EQ(итог_анализа("функция ф()\n  целое х = 1" + повторить(" + 1", 100000) + ";\n  х = \"а\";\nконец\n"),
            "3: " + несовпадение("х", "Целое", "Текст"));
  // 100,000 array suffixes on one declared type: past the parser's nesting limit.
  EXPECT_EQ(итог_анализа("функция ф()\n  целое" + повторить("[1]", 100000) + " м = неуказано;\nконец\n"),
            "разбор: 2:3002: слишком глубокая вложенность — больше 1000 уровней, встретилось «[»");
  // 1,000 nested calls.
  EXPECT_EQ(
      итог_анализа("функция ф()\n  целое х = " + повторить("абс(", 990) + "1" + повторить(")", 990) + ";\nконец\n"),
      "");
  // Liveness tests on fields that are not weak, chained: each link is a method call again.
  EXPECT_EQ(итог_анализа("структура У\n  У а;\n  функция жива(): У\n    вернуть это;\n  конец\nконец\n"
                         "функция ф(У у)\n  У в2 = у" +
                         повторить(".а.жива()", 2000) + ";\nконец\n"),
            "");
  // 100,000 links of field access and indexing on an assignment target.
  EXPECT_EQ(
      итог_анализа("структура У\n  У а;\nконец\nфункция ф(У у)\n  у" + повторить(".а", 100000) + " = у;\nконец\n"), "");
}

TEST(ГлубокиеДокументы, HugeDeclarations) {
  std::string поля, аргументы;
  for (int i = 0; i < 10000; ++i) {
    поля += "  целое п" + std::to_string(i) + ";\n";
    аргументы += (i ? ", " : "") + std::to_string(i);
  }
  EXPECT_EQ(итог_анализа("структура Большая\n" + поля + "конец\nфункция ф()\n  Большая б = Большая(" + аргументы +
                         ");\n  б.п9999 = 1;\nконец\n"),
            "");
  EXPECT_EQ(итог_анализа("структура Большая\n" + поля + "  текст п5000;\nконец\n"),
            "структура 'Большая': поле 'п5000' объявлено повторно");

  std::string функции;
  for (int i = 0; i < 10000; ++i) {
    функции +=
        "функция ф" + std::to_string(i) + "(): целое\n  вернуть ф" + std::to_string((i + 1) % 10000) + "();\nконец\n";
  }
  EXPECT_EQ(итог_анализа(функции), "");
  EXPECT_EQ(итог_анализа(функции + "функция ф5000()\nконец\n"), "функция 'ф5000' объявлена повторно в главном файле");
}

}  // namespace
}  // namespace тувра::тест
