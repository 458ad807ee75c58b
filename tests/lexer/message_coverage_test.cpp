// Every message of the lexer comes out of some text: one text per kind, whose error carries
// that kind with a message its template gives.
#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <variant>
#include <vector>

#include "lex_helpers.h"

namespace тувра {
namespace {

using В = ВидОшибкиЛексера;

struct СлучайВида {
  В вид;
  std::string текст;
  std::size_t предел = наибольший_текст;  // lowered to reach the limits with small texts
};

TEST(СообщенияЛексера, КаждыйВидПолучаетсяИзТекста) {
  const std::vector<СлучайВида> случаи = {
      {В::ЦелоеЧисло, "x = 9223372036854775808;"},
      {В::НезакрытыйТекст, "x = \"абв"},
      {В::ОбрывПослеСлэша, "x = \"абв\\"},
      {В::НеожиданныйСимвол, "x = #"},
      {В::БольшойДокумент, "функция ф()", 5},
      // Each ill-formed byte of a literal becomes the three bytes of U+FFFD.
      {В::БольшойЛитерал, "\"\xFF\xFF\xFF\xFF\"", 11},
  };
  // Digits, a point and digits always make a double, infinity included.
  const std::vector<В> недостижимые = {В::ДробноеЧисло};
  std::vector<В> встреченные;
  for (const СлучайВида& случай : случаи) {
    SCOPED_TRACE(std::string(статья(случай.вид).имя) + ": " + случай.текст);
    Лексер лексер = новый_лексер(случай.текст);
    лексер.предел = случай.предел;
    auto итог = разбить_на_токены(лексер);
    ASSERT_FALSE(итог);
    const ОшибкаРазбора& ошибка = итог.error();
    ASSERT_TRUE(std::holds_alternative<В>(ошибка.вид)) << ошибка.сообщение_ошибки;
    EXPECT_EQ(статья(std::get<В>(ошибка.вид)).имя, статья(случай.вид).имя);
    EXPECT_TRUE(тест::по_шаблону(ошибка.сообщение_ошибки, статья(случай.вид).шаблон)) << ошибка.сообщение_ошибки;
    встреченные.push_back(случай.вид);
  }
  for (В вид : тест::вне_покрытия(сообщения_лексера::таблица, встреченные, недостижимые)) {
    ADD_FAILURE() << статья(вид).имя << ": no text or both a text and the list of unreachable kinds";
  }
}

}  // namespace
}  // namespace тувра
