// The 32 built-in functions and the `Список` / `Словарь` constructors.
#pragma once

#include <array>
#include <optional>
#include <span>
#include <string_view>

#include "semantic/analyser.h"
#include "semantic/analysis_error.h"
#include "semantic/types.h"
#include "syntax_tree/expression.h"

namespace тувра {

// Every built-in function name; a function of that name cannot be declared.
bool это_встроенная_функция(std::string_view имя);

// The call's type when its name is a built-in or a container constructor, from the argument
// types typed once by the caller; absent when the name is neither.
std::optional<ИтогАнализа<Тип>> вывести_тип_встроенной(Анализатор& анализатор, const УзелВыражения::ВызовФункции& вызов,
                                                       std::span<const Тип> типы_аргументов);

}  // namespace тувра
