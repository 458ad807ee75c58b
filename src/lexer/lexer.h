// The lexer: one source text to a list of tokens, or the first lexical error.
#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>
#include <string_view>

#include "lexer/parse_error.h"
#include "lexer/token.h"
#include "lexer/token_list.h"
#include "support/expected.h"

namespace тувра {

// The longest text the lexer takes, in bytes: every line, column and character index of such
// a text fits the 32 bits of a token.
inline constexpr std::size_t наибольший_текст = std::numeric_limits<std::uint32_t>::max() - 1;

// Reads the UTF-8 bytes of the text in place. Positions count Unicode scalar values; ill-formed
// UTF-8 reads as U+FFFD (see прочитать_символ), which lexes as an unexpected character outside
// literals and comments.
struct Лексер {
  std::string_view текст;   // the whole text; the tokens view it, so it must outlive them
  std::size_t байт = 0;     // byte offset of the next character
  std::size_t позиция = 0;  // character index of the next character
  std::size_t строка = 1;   // line of the next character
  std::size_t столбец = 1;  // column of the next character
  // The largest text, and the largest text a literal may resolve to, in bytes; lowered only
  // to try the limit on small texts.
  std::size_t предел = наибольший_текст;
};

// A lexer at the start of the text. Never fails.
Лексер новый_лексер(std::string_view текст);

// Reads from the lexer's position to the end: every token in source order, ending with
// exactly one КонецФайла, or the first error alone. Build a fresh lexer for each text.
Итог<СписокТокенов, ОшибкаРазбора> разбить_на_токены(Лексер& лексер);

// The same tokens from the lexer's position on, read only as the list is used (see
// СписокТокенов): a lexical error ends the list early with a КонецФайла and is its ошибка().
// Fails only for a text too large. The lexer itself stays where it is.
Итог<СписокТокенов, ОшибкаРазбора> токены_по_мере_чтения(const Лексер& лексер);

}  // namespace тувра
