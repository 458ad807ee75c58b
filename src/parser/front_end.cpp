#include "parser/front_end.h"

#include <utility>

#include "lexer/lexer.h"
#include "parser/parser.h"
#include "parser/program.h"

namespace тувра {

Итог<РазобраннаяПрограмма, ОшибкаРазбора> разобрать_текст(std::string_view текст) {
  Лексер лексер = новый_лексер(текст);
  auto токены = разбить_на_токены(лексер);
  if (!токены) return Неудача{std::move(токены).error()};
  РазобраннаяПрограмма итог;
  Парсер парсер(std::move(*токены), итог.арена);
  auto программа = разобрать_программу(парсер);
  if (!программа) return Неудача{std::move(программа).error()};
  итог.программа = *программа;
  return итог;
}

}  // namespace тувра
