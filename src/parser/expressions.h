// The operator ladder below разобрать_выражение and the folding of the bit built-ins.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "parser/parser.h"

namespace тувра {

// Each level reads its own operators and everything that binds tighter, left-associative.
Итог<УзелВыражения, ОшибкаРазбора> разобрать_и(Парсер& парсер);
Итог<УзелВыражения, ОшибкаРазбора> разобрать_бит_или(Парсер& парсер);
Итог<УзелВыражения, ОшибкаРазбора> разобрать_бит_искл(Парсер& парсер);
Итог<УзелВыражения, ОшибкаРазбора> разобрать_бит_и(Парсер& парсер);
Итог<УзелВыражения, ОшибкаРазбора> разобрать_равенство(Парсер& парсер);
Итог<УзелВыражения, ОшибкаРазбора> разобрать_сравнение(Парсер& парсер);
Итог<УзелВыражения, ОшибкаРазбора> разобрать_сдвиг(Парсер& парсер);
Итог<УзелВыражения, ОшибкаРазбора> разобрать_сложение(Парсер& парсер);
Итог<УзелВыражения, ОшибкаРазбора> разобрать_умножение(Парсер& парсер);
// Prefix `-`, `не`, `~`, then a primary with its postfix chain.
Итог<УзелВыражения, ОшибкаРазбора> разобрать_унарное(Парсер& парсер);

// A plain call of наложить_маску, включить_биты, переключить_биты, сдвинуть_влево or
// сдвинуть_вправо with two arguments, or of инвертировать_биты with one, as its operator node.
// The arguments are moved out only when the call folds.
std::optional<УзелВыражения> свернуть_битовую_функцию(const Парсер& парсер, std::string_view имя,
                                                      СписокУзлов<УзелВыражения> аргументы);
// `Бинарное` of exactly two arguments, which it moves out; nothing for any other count.
std::optional<УзелВыражения> битовый_вызов_в_бинарное(const Парсер& парсер, СписокУзлов<УзелВыражения> аргументы,
                                                      БинарныйОператор оператор);

}  // namespace тувра
