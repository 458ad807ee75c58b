// The left side of `=`: read as an expression, then turned into an assignment target.
#pragma once

#include "parser/messages.h"
#include "support/expected.h"
#include "syntax_tree/syntax_tree.h"

namespace тувра {

// Takes the expression over. A call with one argument counts as element access, as the
// index rewrite treats calls of local names. On failure, the message names the innermost
// expression that has no target form, in its debug rendering.
// The target is built in `арена`, the tree's own.
Итог<ЦельПрисваивания, СообщениеПарсера> построить_цель_присваивания(УзелВыражения выражение, Арена& арена);

}  // namespace тувра
