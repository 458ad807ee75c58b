// From a written type to a `Тип`: the context-free and the contract-aware lowering, the type
// keyword of instance names and the cast names. All walk iteratively: array suffixes and
// nested wrappers may run to any depth.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "semantic/analysis_error.h"
#include "semantic/types.h"
#include "syntax_tree/syntax_type.h"

namespace тувра {

struct Анализатор;

// The longest instance name a lowering gives a generic type.
inline constexpr std::size_t предел_имени_экземпляра = 100000;

// Context-free: a plain name is always `Структура`; a generic type other than `Список` of one
// and `Словарь` of two arguments is the `Структура` of its instance name; no arguments or an
// array without size give `Неизвестен`. An instance name past предел_имени_экземпляра is the
// error a constructor of that instance gives, naming the outermost such instance (the first
// in written order), never a type that would match everything.
ИтогАнализа<Тип> тип_из_синтаксиса(ТаблицаТипов& таблица, const СинтаксическийТип& тип);
// The same for a result type, absent when none is written.
ИтогАнализа<std::optional<Тип>> возврат_из_синтаксиса(ТаблицаТипов& таблица,
                                                      const std::optional<СинтаксическийТип>& тип);

// The same, taking the lowered type of each place of анализатор.типы_замен at once.
ИтогАнализа<Тип> тип_из_синтаксиса(Анализатор& анализатор, const СинтаксическийТип& тип);

// As тип_из_синтаксиса, but a declared contract's name, at the top or as the element of a
// `Список` / key or value of a `Словарь` (through any chain of those), becomes `Контракт`.
ИтогАнализа<Тип> разрешить_тип(Анализатор& анализатор, const СинтаксическийТип& тип);

// The same two lowerings for a written type of the program's declarations (which outlive the
// run): each such type is lowered once per run, however often its declaration is consulted.
ИтогАнализа<Тип> тип_объявления(Анализатор& анализатор, const СинтаксическийТип& тип);
ИтогАнализа<std::optional<Тип>> возврат_объявления(Анализатор& анализатор, const std::optional<СинтаксическийТип>& тип);
ИтогАнализа<Тип> разрешённый_тип_объявления(Анализатор& анализатор, const СинтаксическийТип& тип);

// As тип_из_синтаксиса, for the type arguments of an instance: a generic type whose name is
// past предел_имени_экземпляра keeps its name cut just past the bound and sets имя_обрезано,
// so that the instantiation can refuse it by the name of the instance it was asked for.
Тип тип_аргумента_экземпляра(ТаблицаТипов& таблица, const СинтаксическийТип& тип, bool& имя_обрезано);
// The same, taking the places of анализатор.типы_замен.
Тип тип_аргумента_экземпляра(Анализатор& анализатор, const СинтаксическийТип& тип, bool& имя_обрезано);

// The keyword of instance names: `целое`, `текст`, a struct's own name, else the rendering.
std::string ключевое_слово_типа(const Тип& тип);
void ключевое_слово_типа(const Тип& тип, std::string& куда);
// The same, stopping once куда holds more than предел bytes.
void ключевое_слово_типа(const Тип& тип, std::string& куда, std::size_t предел);

// The numeric type a cast name (`целое` … `дробное64`) names; absent for any other name.
std::optional<Тип> тип_приведения(std::string_view имя);

}  // namespace тувра
