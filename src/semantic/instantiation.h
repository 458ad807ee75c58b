// Instances of generic functions, methods and structs, each distinct key checked once per run.
#pragma once

#include <optional>
#include <string_view>

#include "semantic/analysis_error.h"
#include "semantic/analyser.h"
#include "semantic/types.h"
#include "syntax_tree/syntax_type.h"

namespace тувра {

// The instance's result type (absent when the template declares none); afterwards
// объявления_экземпляров_функций holds it under имя_экземпляра(функция, тип_из_синтаксиса(аргумент)).
ИтогАнализа<std::optional<Тип>> инстанцировать_функцию(Анализатор& анализатор, std::string_view функция,
                                                       const СинтаксическийТип& аргумент);

// Parameter types and result of a generic method of a non-generic struct, instantiated.
ИтогАнализа<СигнатураФункции> инстанцировать_метод(Анализатор& анализатор, std::string_view структура,
                                                   std::string_view метод, const СинтаксическийТип& аргумент);

// `Структура`(instance name); afterwards таблица_структур and реестр_методов hold the instance.
ИтогАнализа<Тип> инстанцировать_структуру(Анализатор& анализатор, std::string_view структура,
                                          const СписокСинтаксическихТипов& аргументы);

}  // namespace тувра
