// The front end in one call: source text to tokens to the program, index rewrite included.
#pragma once

#include <string_view>

#include "lexer/parse_error.h"
#include "support/expected.h"
#include "syntax_tree/syntax_tree.h"

namespace тувра {

// A program with the arena its tree lives in. Moving it keeps the tree where it is; the
// tree is valid exactly as long as this value, and does not refer to the source text.
struct РазобраннаяПрограмма {
  Арена арена;
  Программа программа;
};

// Lexes and parses the whole text and runs the index rewrite; or the first error, lexical
// or syntactic.
Итог<РазобраннаяПрограмма, ОшибкаРазбора> разобрать_текст(std::string_view текст);

}  // namespace тувра
