// Statements of bodies.
// Ownership, copies and depth as for every node (see syntax_tree.h): a long `иначе если`
// chain is a deep nest of `Ветвление` and is copied and compared without recursion.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>
#include <utility>
#include <variant>

#include "syntax_tree/arena.h"
#include "syntax_tree/field_list.h"
#include "syntax_tree/node_list.h"

#include "syntax_tree/assignment_target.h"
#include "syntax_tree/expression.h"
#include "syntax_tree/node_variant.h"
#include "syntax_tree/syntax_type.h"

namespace тувра {

class Инструкция;

// The alternatives stand outside the node class so that they are complete types while the
// class itself is not; use them by the class's names (`Инструкция::Ветвление`).
namespace узлы_инструкции {

// `тип имя = выражение;`
struct ОбъявлениеПеременной {
  СинтаксическийТип тип;
  std::string_view имя;
  Указатель<УзелВыражения> начальное_значение;
};
// `неизменно тип имя = выражение;`
struct НеизменяемоеОбъявление {
  СинтаксическийТип тип;
  std::string_view имя;
  Указатель<УзелВыражения> начальное_значение;
};
struct Присваивание {
  ЦельПрисваивания цель;
  Указатель<УзелВыражения> правая_часть;
};
// An expression used as a statement.
struct ИнструкцияВыражение {
  УзелВыражения выражение;
};
struct Ветвление {
  Указатель<УзелВыражения> условие;
  СписокУзлов<Инструкция> тело;
  // Absent without `иначе`, which differs from present and empty; `иначе если` is a list
  // holding one nested `Ветвление`.
  std::optional<СписокУзлов<Инструкция>> тело_иначе;
};
struct ЦиклДляКаждого {
  std::string_view переменная;
  Указатель<УзелВыражения> коллекция;
  СписокУзлов<Инструкция> тело;
};
struct ЦиклПока {
  УзелВыражения условие;
  СписокУзлов<Инструкция> тело;
};
// Absent value for a bare `вернуть;`.
struct Возврат {
  std::optional<УзелВыражения> значение;
};
struct ПараллельныйБлок {
  bool детерминированный = false;  // `детерминировано` followed `параллельно`
  СписокУзлов<Инструкция> тело;
};
struct ПрерываниеЦикла {};
struct ПродолжениеЦикла {};

ТУВРА_ПОЛЯ(ОбъявлениеПеременной, тип, имя, начальное_значение);
ТУВРА_ПОЛЯ(НеизменяемоеОбъявление, тип, имя, начальное_значение);
ТУВРА_ПОЛЯ(Присваивание, цель, правая_часть);
ТУВРА_ЗНАЧЕНИЕ(ИнструкцияВыражение, выражение);
ТУВРА_ПОЛЯ(Ветвление, условие, тело, тело_иначе);
ТУВРА_ПОЛЯ(ЦиклДляКаждого, переменная, коллекция, тело);
ТУВРА_ПОЛЯ(ЦиклПока, условие, тело);
ТУВРА_ЗНАЧЕНИЕ(Возврат, значение);
ТУВРА_ПОЛЯ(ПараллельныйБлок, детерминированный, тело);
ТУВРА_БЕЗ_ПОЛЕЙ(ПрерываниеЦикла);
ТУВРА_БЕЗ_ПОЛЕЙ(ПродолжениеЦикла);

}  // namespace узлы_инструкции

class Инструкция {
 public:
  using ОбъявлениеПеременной = узлы_инструкции::ОбъявлениеПеременной;
  using НеизменяемоеОбъявление = узлы_инструкции::НеизменяемоеОбъявление;
  using Присваивание = узлы_инструкции::Присваивание;
  using ИнструкцияВыражение = узлы_инструкции::ИнструкцияВыражение;
  using Ветвление = узлы_инструкции::Ветвление;
  using ЦиклДляКаждого = узлы_инструкции::ЦиклДляКаждого;
  using ЦиклПока = узлы_инструкции::ЦиклПока;
  using Возврат = узлы_инструкции::Возврат;
  using ПараллельныйБлок = узлы_инструкции::ПараллельныйБлок;
  using ПрерываниеЦикла = узлы_инструкции::ПрерываниеЦикла;
  using ПродолжениеЦикла = узлы_инструкции::ПродолжениеЦикла;

  using Вариант =
      std::variant<ОбъявлениеПеременной, НеизменяемоеОбъявление, Присваивание, ИнструкцияВыражение, Ветвление,
                   ЦиклДляКаждого, ЦиклПока, Возврат, ПараллельныйБлок, ПрерываниеЦикла, ПродолжениеЦикла>;

  Вариант вид_инструкции;
  std::size_t строка = 0;  // line of the statement's first token

  Инструкция() = default;
  template <class А>
  requires альтернатива_варианта<А, Вариант> Инструкция(А&& альтернатива, std::size_t строка_инструкции)
      : вид_инструкции(std::forward<А>(альтернатива)), строка(строка_инструкции) {}

  // Moves copy the reference to the children (safe when the source lives inside this
  // statement); a deep copy is always копия_инструкции.
  Инструкция(Инструкция&&) noexcept = default;
  Инструкция& operator=(Инструкция&&) noexcept = default;
  Инструкция(const Инструкция&) = delete;
  Инструкция& operator=(const Инструкция&) = delete;

  // Structural, `строка` included.
  bool operator==(const Инструкция& другая) const;
};

// Bodies are mostly arrays of these, rebuilt by the language server on every keystroke, so
// the largest alternatives box their expression to keep each statement this small; a bare
// expression, the commonest statement, keeps its own inline and needs no box.
static_assert(sizeof(Инструкция) <= 72);

ТУВРА_ОБЁРТКА(Инструкция, вид_инструкции, строка);

// Deep copies into `куда`, `строка` included.
Инструкция копия_инструкции(const Инструкция& инструкция, Арена& куда);
СписокУзлов<Инструкция> копия_списка_инструкций(СписокУзлов<Инструкция> инструкции, Арена& куда);

}  // namespace тувра
