// Replacing a type parameter by the type written at the place of use, in a copy of a
// template's declaration. Only type positions change; names never do; statement lines are
// kept, so errors inside an instance point at the template's lines. Each operation builds a
// new node in `куда` and leaves its input unchanged; none fails.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "semantic/analyser.h"
#include "semantic/analysis_error.h"
#include "semantic/types.h"
#include "syntax_tree/syntax_tree.h"

namespace тувра {

// The places a replacement went in at, each holding замена as written: its lowered type is the
// replacement's. A caller that asks for them gets places that share their parts with замена,
// which must then outlive the result and never change.
using МестаЗамен = std::vector<const СинтаксическийТип*>;

// A `Пользовательский` type named параметр becomes замена (not searched again).
СинтаксическийТип подставить_в_тип(const СинтаксическийТип& тип, std::string_view параметр,
                                   const СинтаксическийТип& замена, Арена& куда, МестаЗамен* места = nullptr);
УзелВыражения подставить_в_выражение(const УзелВыражения& выражение, std::string_view параметр,
                                     const СинтаксическийТип& замена, Арена& куда);
ЦельПрисваивания подставить_в_цель(const ЦельПрисваивания& цель, std::string_view параметр,
                                   const СинтаксическийТип& замена, Арена& куда);
// Same variant and `строка`.
Инструкция подставить_в_инструкцию(const Инструкция& инструкция, std::string_view параметр,
                                   const СинтаксическийТип& замена, Арена& куда);
// A statement list, statement by statement.
СписокИнструкций подставить_в_инструкции(const СписокИнструкций& инструкции, std::string_view параметр,
                                         const СинтаксическийТип& замена, Арена& куда, МестаЗамен* места = nullptr);

// Generic functions and methods: one type parameter.
СписокПараметров подставить_в_параметры(const СписокПараметров& параметры, std::string_view параметр,
                                        const СинтаксическийТип& замена, Арена& куда, МестаЗамен* места = nullptr);
// Methods of a generic struct: type parameter j by replacement j, one pass after another.
СписокПараметров подставить_в_параметры_по_порядку(const СписокПараметров& параметры,
                                                   const СписокПараметровТипа& параметры_типа,
                                                   const СписокСинтаксическихТипов& замены, Арена& куда);
// The same pass sequence on one type.
СинтаксическийТип подставить_в_тип_по_порядку(const СинтаксическийТип& тип, const СписокПараметровТипа& параметры_типа,
                                              const СписокСинтаксическихТипов& замены, Арена& куда);
// The same pass sequence on each statement of a body.
СписокИнструкций подставить_в_инструкции_по_порядку(const СписокИнструкций& инструкции,
                                                    const СписокПараметровТипа& параметры_типа,
                                                    const СписокСинтаксическихТипов& замены, Арена& куда);
// Fields of a generic struct instance: the pass sequence on each field's type, then
// тип_из_синтаксиса, whose error (an instance name too long) is the one thing that can fail.
ИтогАнализа<std::vector<ПолеТипа>> разрешить_поля_экземпляра(ТаблицаТипов& типы, const СписокПолей& поля,
                                                             const СписокПараметровТипа& параметры_типа,
                                                             const СписокСинтаксическихТипов& замены);

// Nodes of a written type, counted without recursion: substituting several parameters one
// after another can double a type with every pass, so instantiation bounds it by this count.
std::size_t число_частей_синтаксического_типа(const СинтаксическийТип& тип);

}  // namespace тувра
