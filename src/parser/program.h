// The top of the parser: a whole token list into the program's items.
#pragma once

#include "lexer/parse_error.h"
#include "parser/parser.h"
#include "support/expected.h"
#include "syntax_tree/declaration.h"

namespace тувра {

// Every item up to КонецФайла, with the index rewrite already run over them, or the first
// error alone: nothing read before it is kept.
Итог<Программа, ОшибкаРазбора> разобрать_программу(Парсер& парсер);

}  // namespace тувра
