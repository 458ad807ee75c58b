// Placeholder definitions so the stage links; the call typing replaces this file.
#include "semantic/calls.h"

namespace тувра {

ИтогАнализа<Тип> вывести_тип_вызова(Анализатор&, const УзелВыражения::ВызовФункции&) {
  return неудача("не реализовано");
}

}  // namespace тувра
