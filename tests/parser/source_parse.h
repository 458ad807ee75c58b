// Lexing and parsing a source text in one step, with the outcome as one comparable text:
// the tree's rendering on success, "строка:столбец: сообщение" on a parse error.
#pragma once

#include <concepts>
#include <string>
#include <string_view>
#include <vector>

#include "lexer/parse_error.h"
#include "lexer/token.h"
#include "lexer/token_list.h"
#include "parser/front_end.h"
#include "support/expected.h"
#include "syntax_tree/syntax_tree.h"

namespace тувра::тест {

// A lexical error fails the calling test and gives just the КонецФайла token.
// The tokens view `текст`, which must outlive them.
СписокТокенов токены_текста(std::string_view текст);
template <std::same_as<std::string> Т>
СписокТокенов токены_текста(Т&&) = delete;
// "строка:столбец: сообщение"; the kind the error carries must be the one whose template gives
// the message.
std::string текст_ошибки(const ОшибкаРазбора& ошибка);

// `разобрать_текст`.
Итог<РазобраннаяПрограмма, ОшибкаРазбора> программа_из(std::string_view текст);
// `разобрать_текст`, rendered.
std::string итог_программы(std::string_view текст);
// `разобрать_тело` from the first token, rendered; no rewrite runs.
std::string итог_тела(std::string_view текст);

// One row of a table: a source text and the outcome expected of it.
struct Случай {
  std::string исходник;
  std::string ожидание;
};

// Checks every row with `итог` (итог_тела, итог_программы, …), naming the failing source.
void проверить_все(const std::vector<Случай>& случаи, std::string (*итог)(std::string_view));

}  // namespace тувра::тест
