// Bodies of functions and methods: blocks in both forms, statements, and the tentative
// reading of a statement that may be a declaration.
#pragma once

#include "lexer/parse_error.h"
#include "parser/parser.h"
#include "support/expected.h"
#include "syntax_tree/statement.h"

namespace тувра {

struct БлокИнструкций {
  СписокУзлов<Инструкция> инструкции;
  // True for a block closed by a word (`конец`, or `иначе` where allowed): the word is still
  // the current token and belongs to the caller. False for a brace block, `}` consumed.
  bool ждёт_конца = false;
};

// A body; a `конец`-form body has had its `конец` consumed.
Итог<СписокУзлов<Инструкция>, ОшибкаРазбора> разобрать_тело(Парсер& парсер);
Итог<БлокИнструкций, ОшибкаРазбора> разобрать_блок(Парсер& парсер, bool иначе_завершает);
// One statement; the caller gives it its line.
Итог<Инструкция::Вариант, ОшибкаРазбора> разобрать_инструкцию(Парсер& парсер);
// Standing on `если`.
Итог<Инструкция::Ветвление, ОшибкаРазбора> разобрать_ветвление(Парсер& парсер);
// Standing on the first token of the type.
Итог<Инструкция::ОбъявлениеПеременной, ОшибкаРазбора> разобрать_объявление_переменной(Парсер& парсер);
// Standing on a name or on `это`: an assignment or an expression statement.
Итог<Инструкция::Вариант, ОшибкаРазбора> разобрать_присваивание_или_выражение(Парсер& парсер);

// Standing on a name: does a type such as `Список из целых` or `Пара<а, б>` start here,
// followed by a name? The position is unchanged afterwards.
bool впереди_обобщённое_объявление(Парсер& парсер);
// Standing on a name: does an array type such as `Точка[3]` or `Точка()` start here,
// followed by a name? The position is unchanged afterwards.
bool впереди_объявление_массива(Парсер& парсер);

}  // namespace тувра
