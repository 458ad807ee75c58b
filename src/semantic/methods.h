// Typing of method calls: module calls, container, struct and contract methods.
#pragma once

#include <string_view>

#include "semantic/analyser.h"
#include "semantic/analysis_error.h"
#include "semantic/types.h"
#include "syntax_tree/expression.h"

namespace тувра {

// «м.ф(…)» where м is an included module (no variable hides it) that declares ф.
bool это_вызов_модуля(const Анализатор& анализатор, const УзелВыражения::ВызовМетода& вызов);
// The module call, when это_вызов_модуля holds: its arity, then each argument typed and checked.
ИтогАнализа<Тип> вывести_тип_вызова_модуля(Анализатор& анализатор, const УзелВыражения::ВызовМетода& вызов);
// The call on an object already typed: container, struct and contract methods; arguments are typed
// only when their check is reached, after the arity.
ИтогАнализа<Тип> вывести_тип_метода_объекта(Анализатор& анализатор, const УзелВыражения::ВызовМетода& вызов,
                                            Тип объект);

ИтогАнализа<Тип> проверить_метод_канала(Анализатор& анализатор, const Тип& элемент, std::string_view метод,
                                        const СписокВыражений& аргументы);
ИтогАнализа<Тип> проверить_метод_списка(Анализатор& анализатор, const Тип& элемент, std::string_view метод,
                                        const СписокВыражений& аргументы);
ИтогАнализа<Тип> проверить_метод_словаря(Анализатор& анализатор, const Тип& ключ, const Тип& значение,
                                         std::string_view метод, const СписокВыражений& аргументы);

// "у контракта … нет метода … — доступны: …" with the contract's method names in order.
ОшибкаАнализа ошибка_нет_метода_контракта(std::string_view контракт, std::string_view метод,
                                          const СписокСигнатур& сигнатуры);

}  // namespace тувра
