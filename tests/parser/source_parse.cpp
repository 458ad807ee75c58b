#include "source_parse.h"

#include <gtest/gtest.h>

#include <utility>

#include "lexer/lexer.h"
#include "parse_error_kinds.h"
#include "parser/front_end.h"
#include "parser/parser.h"
#include "parser/statements.h"
#include "tree_text.h"

namespace тувра::тест {

СписокТокенов токены_текста(std::string_view текст) {
  Лексер лексер = новый_лексер(текст);
  auto токены = разбить_на_токены(лексер);
  if (!токены) {
    ADD_FAILURE() << "лексическая ошибка: " << текст_ошибки(токены.error()) << "\nв тексте: " << текст;
    return {};
  }
  return std::move(токены).value();
}

std::string текст_ошибки(const ОшибкаРазбора& ошибка) {
  проверить_вид(ошибка);
  return std::to_string(ошибка.строка) + ":" + std::to_string(ошибка.столбец) + ": " + ошибка.сообщение_ошибки;
}

Итог<РазобраннаяПрограмма, ОшибкаРазбора> программа_из(std::string_view текст) { return разобрать_текст(текст); }

std::string итог_программы(std::string_view текст) {
  auto программа = программа_из(текст);
  return программа ? текст_программы(программа->программа) : текст_ошибки(программа.error());
}

std::string итог_тела(std::string_view текст) {
  Арена арена;
  Парсер парсер(токены_текста(текст), арена);
  auto тело = разобрать_тело(парсер);
  return тело ? текст_инструкций(*тело) : текст_ошибки(тело.error());
}

void проверить_все(const std::vector<Случай>& случаи, std::string (*итог)(std::string_view)) {
  for (const Случай& случай : случаи) {
    EXPECT_EQ(итог(случай.исходник), случай.ожидание) << "исходник: " << случай.исходник;
  }
}

}  // namespace тувра::тест
