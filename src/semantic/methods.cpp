// Placeholder definitions so the stage links; the method-call typing replaces this file.
#include "semantic/methods.h"

namespace тувра {

ИтогАнализа<Тип> вывести_тип_вызова_метода(Анализатор&, const УзелВыражения::ВызовМетода&) {
  return неудача("не реализовано");
}

ИтогАнализа<Тип> проверить_метод_канала(Анализатор&, const Тип&, std::string_view, const СписокВыражений&) {
  return неудача("не реализовано");
}

ИтогАнализа<Тип> проверить_метод_списка(Анализатор&, const Тип&, std::string_view, const СписокВыражений&) {
  return неудача("не реализовано");
}

ИтогАнализа<Тип> проверить_метод_словаря(Анализатор&, const Тип&, const Тип&, std::string_view,
                                         const СписокВыражений&) {
  return неудача("не реализовано");
}

ОшибкаАнализа ошибка_нет_метода_контракта(std::string_view, std::string_view, const СписокСигнатур&) {
  return ошибка_из_текста("не реализовано");
}

}  // namespace тувра
