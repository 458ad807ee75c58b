// Typing of method calls: module calls, the weak-field test, container, struct and contract methods.
#pragma once

#include <string_view>

#include "semantic/analysis_error.h"
#include "semantic/analyser.h"
#include "semantic/types.h"
#include "syntax_tree/expression.h"

namespace тувра {

// The `ВызовМетода` branch of вывести_тип_выражения.
ИтогАнализа<Тип> вывести_тип_вызова_метода(Анализатор& анализатор, const УзелВыражения::ВызовМетода& вызов);

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
