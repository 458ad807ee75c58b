// Typing of expressions, and the checks the expression, call and statement rules share.
#pragma once

#include <concepts>
#include <span>
#include <string>
#include <string_view>

#include "semantic/analyser.h"
#include "semantic/analysis_error.h"
#include "semantic/messages.h"
#include "semantic/types.h"
#include "syntax_tree/expression.h"

namespace тувра {

// The type of one expression in the analyser's current state, or the first error (without line).
ИтогАнализа<Тип> вывести_тип_выражения(Анализатор& анализатор, const УзелВыражения& выражение);

// The operator rule on already typed operands; `Неизвестен` on either side gives `Неизвестен`.
ИтогАнализа<Тип> вывести_тип_бинарного(const Тип& левый, БинарныйОператор оператор, const Тип& правый);

// Arguments of user, module and generic functions, constructors and struct methods:
// `Неизвестен`, an equal type, or any numeric for a numeric parameter.
bool аргумент_подходит(const Тип& ожидаемый, const Тип& найденный);
// контекст() names the place; it is made only for a refused argument, as most pass.
template <std::invocable Контекст>
ИтогПроверки проверить_аргумент(const Тип& ожидаемый, const Тип& найденный, const Контекст& контекст) {
  if (аргумент_подходит(ожидаемый, найденный)) return Пусто{};
  return неудача(сообщения::несовпадение_типов(контекст(), ожидаемый, найденный));
}

// The privacy rule of a field already found: a private field only inside methods of its struct.
ИтогПроверки найти_поле_структуры(const Анализатор& анализатор, std::string_view структура, std::string_view поле);

// The field-access rule on an already typed object: a struct's field (with its privacy), the
// pseudo-fields of results and optional values, `Неизвестен` for `Неизвестен`.
ИтогАнализа<Тип> тип_поля(const Анализатор& анализатор, Тип объект, std::string_view поле);

// Whether the contracts the struct says it fulfils («структура S : K») name the contract.
bool заявляет_контракт(const Анализатор& анализатор, std::string_view структура, std::string_view контракт);

}  // namespace тувра
