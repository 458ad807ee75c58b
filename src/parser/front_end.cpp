#include "parser/front_end.h"

#include <utility>

#include "lexer/lexer.h"
#include "parser/parser.h"
#include "parser/program.h"

namespace тувра {

Итог<РазобраннаяПрограмма, ОшибкаРазбора> разобрать_текст(std::string_view текст) {
  // The tokens are read as the parser goes, so that they never lie in memory all at once.
  auto токены = токены_по_мере_чтения(новый_лексер(текст));
  if (!токены) return Неудача{std::move(токены).error()};
  РазобраннаяПрограмма итог;
  Парсер парсер(std::move(*токены), итог.арена);
  auto программа = разобрать_программу(парсер);
  // A lexical error anywhere in the text comes before any parse error.
  парсер.токены.дочитать();
  if (const auto& ошибка = парсер.токены.ошибка()) return Неудача{*ошибка};
  if (!программа) return Неудача{std::move(программа).error()};
  итог.программа = *программа;
  return итог;
}

}  // namespace тувра
