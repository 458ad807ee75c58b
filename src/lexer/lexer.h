// The lexer: one source text to a list of tokens, or the first lexical error.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "lexer/parse_error.h"
#include "lexer/token.h"
#include "support/expected.h"

namespace тувра {

struct Лексер {
  std::u32string символы;    // the whole text, decoded once
  std::size_t позиция = 0;   // index of the next character to read
  std::size_t строка = 1;    // line of the next character
  std::size_t столбец = 1;   // column of the next character
};

// A lexer at the start of the text. Never fails; ill-formed UTF-8 is read as U+FFFD
// (see декодировать_utf8), which lexes as an unexpected character outside literals and comments.
Лексер новый_лексер(std::string_view текст);

// Reads from the lexer's position to the end: every token in source order, ending with
// exactly one КонецФайла, or the first error alone. Build a fresh lexer for each text.
Итог<std::vector<Токен>, ОшибкаРазбора> разбить_на_токены(Лексер& лексер);

}  // namespace тувра
