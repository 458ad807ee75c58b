// Placeholder definitions so the stage links; the expression typing replaces this file.
#include "semantic/expressions.h"

namespace тувра {

ИтогАнализа<Тип> вывести_тип_выражения(Анализатор&, const УзелВыражения&) { return неудача("не реализовано"); }

ИтогАнализа<Тип> вывести_тип_бинарного(const Тип&, БинарныйОператор, const Тип&) { return неудача("не реализовано"); }

ИтогПроверки проверить_аргумент(const Тип&, const Тип&, std::string_view) { return неудача("не реализовано"); }

ИтогПроверки найти_поле_структуры(const Анализатор&, std::string_view, std::string_view) {
  return неудача("не реализовано");
}

}  // namespace тувра
