// Typing of function calls: built-ins and container constructors, generic constructors and
// functions, casts, struct constructors, main-file, external and module functions.
#pragma once

#include "semantic/analyser.h"
#include "semantic/analysis_error.h"
#include "semantic/types.h"
#include "syntax_tree/expression.h"

namespace тувра {

// The `ВызовФункции` branch of вывести_тип_выражения.
ИтогАнализа<Тип> вывести_тип_вызова(Анализатор& анализатор, const УзелВыражения::ВызовФункции& вызов);

}  // namespace тувра
