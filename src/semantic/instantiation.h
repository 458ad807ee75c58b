// Instances of generic functions, methods and structs, each distinct key checked once per run.
#pragma once

#include <cstddef>
#include <string_view>

#include "semantic/analyser.h"
#include "semantic/analysis_error.h"
#include "semantic/types.h"
#include "syntax_tree/syntax_type.h"

namespace тувра {

// The budget of one analysis run: a few lines can ask for exponentially many instances, so
// past either bound the analysis stops instead of running out of time and memory.
// Instances of all kinds started (a struct instance with all its methods counts once).
inline constexpr std::size_t предел_экземпляров = 10000;
// Syntax nodes of all instance declarations built: statements, expressions, assignment
// targets and the parts of their types, after the substitution. Checking a node costs more
// when its types are big, so big types count as more nodes (учесть_тип_в_экземпляре).
inline constexpr std::size_t предел_узлов_экземпляров = 2000000;

// The instance (its name, parameters and result), kept under (функция, the lowered argument).
// The pointer stays valid for the rest of the run.
ИтогАнализа<const ЭкземплярФункции*> инстанцировать_функцию(Анализатор& анализатор, std::string_view функция,
                                                            const СинтаксическийТип& аргумент);

// Parameter types and result of a generic method of a non-generic struct, instantiated.
ИтогАнализа<СигнатураФункции> инстанцировать_метод(Анализатор& анализатор, std::string_view структура,
                                                   std::string_view метод, const СинтаксическийТип& аргумент);

// `Структура`(instance name); afterwards таблица_структур and реестр_методов hold the instance.
ИтогАнализа<Тип> инстанцировать_структуру(Анализатор& анализатор, std::string_view структура,
                                          const СписокСинтаксическихТипов& аргументы);

// The charge of учесть_тип_в_экземпляре, for an expression inside an instance body.
ИтогПроверки учесть_тип_тела_экземпляра(Анализатор& анализатор, const Тип& тип);
// A type an expression of an instance body yields, charged to the budget of nodes: a value
// of many parts or long names costs as much more to copy and compare as it is bigger than
// one node. Nothing is charged outside instance bodies, and there, as every expression asks,
// the answer costs no call.
inline ИтогПроверки учесть_тип_в_экземпляре(Анализатор& анализатор, const Тип& тип) {
  if (анализатор.экземпляр_в_проверке == nullptr) return Пусто{};
  return учесть_тип_тела_экземпляра(анализатор, тип);
}

}  // namespace тувра
