#include "written_types.h"

#include <gtest/gtest.h>

#include "lexer/lexer.h"
#include "parser/parser.h"

namespace тувра::тест {

СинтаксическийТип записанный_тип(std::string_view текст) {
  Лексер лексер = новый_лексер(текст);
  auto токены = разбить_на_токены(лексер);
  EXPECT_TRUE(токены.has_value()) << текст;
  if (!токены) return {};
  Парсер парсер(std::move(*токены));
  auto тип = разобрать_тип(парсер);
  EXPECT_TRUE(тип.has_value()) << текст;
  EXPECT_TRUE(парсер.проверить(ВидТокена::КонецФайла)) << "not one whole type: " << текст;
  if (!тип) return {};
  return std::move(*тип);
}

std::string глубокий_массив(std::size_t глубина) {
  std::string текст = "целое";
  текст.reserve(текст.size() + 3 * глубина);
  for (std::size_t i = 0; i < глубина; ++i) текст += "[1]";
  return текст;
}

}  // namespace тувра::тест
