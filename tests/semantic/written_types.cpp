#include "written_types.h"

#include <gtest/gtest.h>

#include "parser/parser.h"
#include "source_parse.h"

namespace тувра::тест {

namespace {

СинтаксическийТип прочитать_тип(std::string_view текст, Арена& куда) {
  Парсер парсер(токены_текста(текст), куда);
  auto тип = разобрать_тип(парсер);
  EXPECT_TRUE(тип.has_value()) << текст;
  EXPECT_TRUE(парсер.проверить(ВидТокена::КонецФайла)) << "not one whole type: " << текст;
  if (!тип) return {};
  return std::move(*тип);
}

}  // namespace

ЗаписанныйТип записанный_тип(std::string_view текст) {
  ЗаписанныйТип записанный;
  записанный.тип = прочитать_тип(текст, записанный.арена);
  return записанный;
}

СписокУзлов<СинтаксическийТип> записанные_типы(const std::vector<std::string>& тексты, Арена& куда) {
  std::vector<СинтаксическийТип> типы;
  for (const std::string& текст : тексты) типы.push_back(прочитать_тип(текст, куда));
  return куда.список(std::span(типы));
}

std::string глубокий_массив(std::size_t глубина) {
  std::string текст = "целое";
  текст.reserve(текст.size() + 3 * глубина);
  for (std::size_t i = 0; i < глубина; ++i) текст += "[1]";
  return текст;
}

}  // namespace тувра::тест
