#include "document_declarations.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace тувра::lsp
