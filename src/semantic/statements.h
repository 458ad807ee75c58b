// Statement checks and the checks of function and method bodies.
#pragma once

#include <string_view>

#include "semantic/analyser.h"
#include "semantic/analysis_error.h"
#include "semantic/types.h"
#include "syntax_tree/declaration.h"

namespace тувра {

// A statement list in a scope of its own; an error gets the line of the innermost statement.
ИтогПроверки проверить_инструкции(Анализатор& анализатор, const СписокИнструкций& инструкции);

// Where a body's declaration lives: those of the program outlive the run, so their written
// types are lowered once per run; an instance's go with the instance.
enum class МестоОбъявления { Программа, Экземпляр };

// Parameters, result, body and returns on all paths of a function.
ИтогПроверки проверить_тело_функции(Анализатор& анализатор, const ОбъявлениеФункции& функция,
                                    МестоОбъявления место = МестоОбъявления::Экземпляр);
// The same for a method of структура, with `это` bound to it.
ИтогПроверки проверить_тело_метода(Анализатор& анализатор, std::string_view структура, const ОбъявлениеФункции& метод,
                                   МестоОбъявления место = МестоОбъявления::Экземпляр);

// The type a typed declaration gives its variable.
ИтогАнализа<Тип> проверить_объявление_переменной(Анализатор& анализатор, const СинтаксическийТип& тип,
                                                 const УзелВыражения& начальное_значение, std::string_view имя);
// The type of an assignable place inside a target.
ИтогАнализа<Тип> проверить_цель_присваивания(Анализатор& анализатор, const ЦельПрисваивания& цель);

// Returns-on-all-paths of one statement; whether it holds a `прервать` of its own loop level.
bool всегда_возвращает(const Инструкция& инструкция);
bool содержит_прерывание(const Инструкция& инструкция);

}  // namespace тувра
