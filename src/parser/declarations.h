// Top-level items and what they share: parameter and type-parameter lists.
#pragma once

#include "lexer/parse_error.h"
#include "parser/parser.h"
#include "support/expected.h"
#include "syntax_tree/declaration.h"

namespace тувра {

// Standing on `функция`; a top-level function or a method (the caller sets a method's
// visibility).
Итог<ОбъявлениеФункции, ОшибкаРазбора> разобрать_объявление_функции(Парсер& парсер);
// Standing just after `(`; the `)` is left for the caller.
Итог<СписокУзлов<Параметр>, ОшибкаРазбора> разобрать_параметры(Парсер& парсер);
Итог<Параметр, ОшибкаРазбора> разобрать_параметр(Парсер& парсер);
// Standing just after `<` or `из`: one or more, joined by `,` or `и`.
Итог<СписокУзлов<ПараметрТипа>, ОшибкаРазбора> разобрать_параметры_типа(Парсер& парсер);
// A name and, after `:`, its constraints; every `,` after the colon continues them.
Итог<ПараметрТипа, ОшибкаРазбора> разобрать_параметр_типа(Парсер& парсер);

// Each standing on its keyword.
Итог<ПодключениеМодуля, ОшибкаРазбора> разобрать_подключение(Парсер& парсер);
Итог<ОбъявлениеСтруктуры, ОшибкаРазбора> разобрать_структуру(Парсер& парсер);
Итог<ОбъявлениеКонтракта, ОшибкаРазбора> разобрать_контракт(Парсер& парсер);
Итог<ВнешняяФункция, ОшибкаРазбора> разобрать_внешнюю_функцию(Парсер& парсер);

}  // namespace тувра
