// Placeholder definitions so the stage links; generic instantiation replaces this file.
#include "semantic/instantiation.h"

namespace тувра {

ИтогАнализа<std::optional<Тип>> инстанцировать_функцию(Анализатор&, std::string_view, const СинтаксическийТип&) {
  return неудача("не реализовано");
}

ИтогАнализа<СигнатураФункции> инстанцировать_метод(Анализатор&, std::string_view, std::string_view,
                                                   const СинтаксическийТип&) {
  return неудача("не реализовано");
}

ИтогАнализа<Тип> инстанцировать_структуру(Анализатор&, std::string_view, const СписокСинтаксическихТипов&) {
  return неудача("не реализовано");
}

}  // namespace тувра
