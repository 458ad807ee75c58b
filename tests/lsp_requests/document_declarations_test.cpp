#include "document_declarations.h"

#include <gtest/gtest.h>

#include <string>
#include <variant>

namespace тувра::lsp {
namespace {

TEST(РазборДокумента, AbsentOnFirstError) {
  EXPECT_TRUE(разобрать_документ("функция ф() конец").has_value());
  EXPECT_TRUE(разобрать_документ("").has_value());
  EXPECT_FALSE(разобрать_документ("функция ф( конец").has_value());     // parse error
  EXPECT_FALSE(разобрать_документ("функция ф() @ конец").has_value());  // lex error
}

TEST(ПоискОбъявлений, FirstMatchInSourceOrder) {
  const auto программа = разобрать_документ(
      "контракт К функция общее(); конец\n"
      "внешняя функция внеш();\n"
      "структура С целое поле; функция общее() конец конец\n"
      "функция общее() конец\n"
      "функция С() конец\n");
  ASSERT_TRUE(программа);
  const auto метод = найти_объявление(программа->программа, "общее");
  ASSERT_TRUE(метод);
  ASSERT_TRUE(std::holds_alternative<НайденныйМетод>(*метод));
  EXPECT_EQ(std::get<НайденныйМетод>(*метод).структура->имя, "С");
  const auto структура = найти_объявление(программа->программа, "С");
  ASSERT_TRUE(структура);
  EXPECT_TRUE(std::holds_alternative<НайденнаяСтруктура>(*структура));
  EXPECT_FALSE(найти_объявление(программа->программа, "К"));
  EXPECT_FALSE(найти_объявление(программа->программа, "внеш"));
  EXPECT_FALSE(найти_объявление(программа->программа, "поле"));
}

// Documents that the parse once refused or read again and again: the requests parse them and
// find the declaration after them.
TEST(РазборДокумента, LongConstructsParse) {
  std::string цепочка = "функция ф(целое а)\n  если (а == 0)\n    вывести(0);\n";
  for (int i = 1; i <= 100000; ++i) цепочка += "  иначе если (а == " + std::to_string(i) + ") вывести(1);\n";
  цепочка += "  конец\nконец\n";
  std::string сравнения = "функция ф()\n  вывести(а < а";
  for (int i = 1; i < 1100; ++i) сравнения += ", а < а";
  сравнения += ");\nконец\n";
  std::string инструкции = "функция ф()\n";
  for (int i = 0; i < 100000; ++i) инструкции += "  а;\n";
  инструкции += "конец\n";
  for (const std::string& документ : {цепочка, сравнения, инструкции}) {
    const auto программа = разобрать_документ(документ + "функция после() конец\n");
    ASSERT_TRUE(программа) << документ.substr(0, 40);
    EXPECT_TRUE(найти_объявление(программа->программа, "после")) << документ.substr(0, 40);
  }
}

}  // namespace
}  // namespace тувра::lsp
