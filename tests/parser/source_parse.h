// Lexing and parsing a source text in one step, with the outcome as one comparable text:
// the tree's rendering on success, "строка:столбец: сообщение" on a parse error.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "lexer/parse_error.h"
#include "lexer/token.h"
#include "support/expected.h"
#include "syntax_tree/syntax_tree.h"

namespace тувра::тест {

// A lexical error fails the calling test and gives just the КонецФайла token.
std::vector<Токен> токены_текста(std::string_view текст);
std::string текст_ошибки(const ОшибкаРазбора& ошибка);

Итог<Программа, ОшибкаРазбора> программа_из(std::string_view текст);
// `разобрать_программу`, rendered.
std::string итог_программы(std::string_view текст);
// `разобрать_тело` from the first token, rendered; no rewrite runs.
std::string итог_тела(std::string_view текст);

}  // namespace тувра::тест
