// Replacing a type parameter by the type written at the place of use, in a copy of a
// template's declaration. Only type positions change; names never do; statement lines are
// kept, so errors inside an instance point at the template's lines. Each operation returns a
// new node and leaves its input unchanged; none fails.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "semantic/analyser.h"
#include "semantic/types.h"
#include "syntax_tree/declaration.h"

namespace тувра {

// A `Пользовательский` type named параметр becomes a copy of замена (not searched again).
СинтаксическийТип подставить_в_тип(const СинтаксическийТип& тип, std::string_view параметр,
                                   const СинтаксическийТип& замена);
УзелВыражения подставить_в_выражение(const УзелВыражения& выражение, std::string_view параметр,
                                     const СинтаксическийТип& замена);
ЦельПрисваивания подставить_в_цель(const ЦельПрисваивания& цель, std::string_view параметр,
                                   const СинтаксическийТип& замена);
// Same variant and `строка`.
Инструкция подставить_в_инструкцию(const Инструкция& инструкция, std::string_view параметр,
                                   const СинтаксическийТип& замена);
// A statement list, statement by statement.
std::vector<Инструкция> подставить_в_инструкции(const СписокИнструкций& инструкции, std::string_view параметр,
                                                const СинтаксическийТип& замена);

// Generic functions and methods: one type parameter.
std::vector<Параметр> подставить_в_параметры(const СписокПараметров& параметры, std::string_view параметр,
                                             const СинтаксическийТип& замена);
// Methods of a generic struct: type parameter j by replacement j, one pass after another.
std::vector<Параметр> подставить_в_параметры_по_порядку(const СписокПараметров& параметры,
                                                        const СписокПараметровТипа& параметры_типа,
                                                        const СписокСинтаксическихТипов& замены);
// The same pass sequence on one type.
СинтаксическийТип подставить_в_тип_по_порядку(const СинтаксическийТип& тип, const СписокПараметровТипа& параметры_типа,
                                              const СписокСинтаксическихТипов& замены);
// The same pass sequence on each statement of a body.
std::vector<Инструкция> подставить_в_инструкции_по_порядку(const СписокИнструкций& инструкции,
                                                           const СписокПараметровТипа& параметры_типа,
                                                           const СписокСинтаксическихТипов& замены);
// Fields of a generic struct instance: the pass sequence on each field's type, then тип_из_синтаксиса.
std::vector<ПолеТипа> разрешить_поля_экземпляра(const СписокПолей& поля, const СписокПараметровТипа& параметры_типа,
                                                const СписокСинтаксическихТипов& замены);

// Nodes of a written type, counted without recursion: substituting several parameters one
// after another can double a type with every pass, so instantiation bounds it by this count.
std::size_t число_частей_синтаксического_типа(const СинтаксическийТип& тип);

}  // namespace тувра
