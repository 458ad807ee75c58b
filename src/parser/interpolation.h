// Text literals with embedded values: `${выражение}`, `$имя`, `%(выражение)%`, `%имя%`, `%%`.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "parser/parser.h"

namespace тувра {

// A literal's text, the token already consumed, as `ТекстЛит` or `ИнтерполированныйТекст`.
// The parser places errors (at its current token) and lends its nesting; it does not move.
Итог<УзелВыражения, ОшибкаРазбора> разобрать_текстовый_литерал(std::string_view текст, Парсер& парсер);

// One embedded expression, read by a lexer and parser of its own that start `глубина` levels
// deep and build into `арена`; an error is a message without position.
Итог<УзелВыражения, СообщениеПарсера> разобрать_интерполяцию(std::string_view внутренний_текст, Арена& арена,
                                                             std::size_t глубина = 0);

}  // namespace тувра
