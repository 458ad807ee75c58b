// Operands of the operator ladder, their postfix chains and call argument lists.
#pragma once

#include <string_view>
#include <vector>

#include "parser/parser.h"

namespace тувра {

// Literals, names, calls, casts, `успех(…)`, `ошибка(…)`, `(…)` and `[…]`.
Итог<УзелВыражения, ОшибкаРазбора> разобрать_первичное(Парсер& парсер);
// разобрать_постфикс without moving the operand once more: for callers deep in a recursion.
Итог<УзелВыражения, ОшибкаРазбора> продолжить_постфиксом(Парсер& парсер, УзелВыражения&& операнд);
// The arguments after a consumed `(`, up to but not including the `)`.
Итог<СписокУзлов<УзелВыражения>, ОшибкаРазбора> разобрать_аргументы(Парсер& парсер);
// The name a cast call gets: the keyword of the number types Целое … Дробное64.
std::string_view имя_токена_типа(ВидТокена::Номер номер);

}  // namespace тувра
