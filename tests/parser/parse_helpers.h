// Shared by the parser tests: parse a snippet and show the result in one comparable line.
#pragma once

#include <gtest/gtest.h>

#include <concepts>
#include <string>
#include <string_view>

#include "lexer/lexer.h"
#include "parse_error_kinds.h"
#include "parser/parser.h"
#include "syntax_tree/expression.h"
#include "syntax_tree/syntax_type.h"

namespace тувра::тест {

// The trees the snippets of a test program build; they stay until the program ends.
inline Арена& арена_проб() {
  static Арена арена;
  return арена;
}

// The parser's tokens view `текст`, which must outlive the parser.
// The tokens are read as the parser asks for them, as the front end reads them.
inline Парсер парсер_из(std::string_view текст) {
  auto токены = токены_по_мере_чтения(новый_лексер(текст));
  EXPECT_TRUE(токены.has_value()) << "the snippet must lex: " << текст;
  if (!токены) return Парсер({}, арена_проб());
  return Парсер(std::move(*токены), арена_проб());
}
// A text built in the call would die before the parser.
template <std::same_as<std::string> Т>
Парсер парсер_из(Т&&) = delete;

// The message with "@line:column"; the kind the error carries must be the one whose template
// gives the message.
inline std::string ошибка_текстом(const ОшибкаРазбора& ошибка) {
  проверить_вид(ошибка);
  return ошибка.сообщение_ошибки + " @" + std::to_string(ошибка.строка) + ":" + std::to_string(ошибка.столбец);
}

// The debug rendering, followed by " | " and the kind of the token the parser stops on unless
// that is the end of the text; or the message with "@line:column".
template <class Т>
std::string итог_текстом(const Итог<Т, ОшибкаРазбора>& итог, const Парсер& парсер,
                         std::string (*отрисовать)(const Т&)) {
  if (!итог) return ошибка_текстом(итог.error());
  std::string текст = отрисовать(*итог);
  if (!парсер.проверить(ВидТокена::КонецФайла)) текст += " | " + отладочный_текст_вида_токена(парсер.текущий().вид);
  return текст;
}

inline std::string выражение_текстом(std::string_view исходник) {
  Парсер парсер = парсер_из(исходник);
  auto итог = разобрать_выражение(парсер);
  return итог_текстом<УзелВыражения>(итог, парсер, отладочный_текст_выражения);
}

inline std::string тип_текстом(Парсер& парсер) {
  auto итог = разобрать_тип(парсер);
  return итог_текстом<СинтаксическийТип>(итог, парсер, отладочный_текст_синтаксического_типа);
}

inline std::string тип_текстом(std::string_view исходник) {
  Парсер парсер = парсер_из(исходник);
  return тип_текстом(парсер);
}

struct Случай {
  std::string_view исходник;
  std::string_view ожидается;
};

inline std::ostream& operator<<(std::ostream& поток, const Случай& случай) { return поток << случай.исходник; }

}  // namespace тувра::тест
