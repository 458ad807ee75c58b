// Statements of bodies.
// Ownership, copies and depth as for every node (see syntax_type.h): a long `иначе если`
// chain is a deep nest of `Ветвление` and is destroyed and copied without recursion.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

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
  std::string имя;
  УзелВыражения начальное_значение;
};
// `неизменно тип имя = выражение;`
struct НеизменяемоеОбъявление {
  СинтаксическийТип тип;
  std::string имя;
  УзелВыражения начальное_значение;
};
struct Присваивание {
  ЦельПрисваивания цель;
  УзелВыражения правая_часть;
};
// An expression used as a statement.
struct ИнструкцияВыражение {
  УзелВыражения выражение;
};
struct Ветвление {
  УзелВыражения условие;
  std::vector<Инструкция> тело;
  // Absent without `иначе`, which differs from present and empty; `иначе если` is a list
  // holding one nested `Ветвление`.
  std::optional<std::vector<Инструкция>> тело_иначе;
};
struct ЦиклДляКаждого {
  std::string переменная;
  УзелВыражения коллекция;
  std::vector<Инструкция> тело;
};
struct ЦиклПока {
  УзелВыражения условие;
  std::vector<Инструкция> тело;
};
// Absent value for a bare `вернуть;`.
struct Возврат {
  std::optional<УзелВыражения> значение;
};
struct ПараллельныйБлок {
  bool детерминированный = false;  // `детерминировано` followed `параллельно`
  std::vector<Инструкция> тело;
};
struct ПрерываниеЦикла {};
struct ПродолжениеЦикла {};

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

  using Вариант = std::variant<ОбъявлениеПеременной, НеизменяемоеОбъявление, Присваивание, ИнструкцияВыражение,
                               Ветвление, ЦиклДляКаждого, ЦиклПока, Возврат, ПараллельныйБлок, ПрерываниеЦикла,
                               ПродолжениеЦикла>;

  Вариант вид_инструкции;
  std::size_t строка = 0;  // line of the statement's first token

  Инструкция() = default;
  template <class А>
    requires альтернатива_варианта<А, Вариант>
  Инструкция(А&& альтернатива, std::size_t строка_инструкции)
      : вид_инструкции(std::forward<А>(альтернатива)), строка(строка_инструкции) {}

  Инструкция(Инструкция&&) noexcept = default;
  // Safe when the source lives inside this statement.
  Инструкция& operator=(Инструкция&& другая) noexcept;
  Инструкция(const Инструкция&) = delete;
  Инструкция& operator=(const Инструкция&) = delete;
  ~Инструкция();

  // Structural, `строка` included.
  bool operator==(const Инструкция& другая) const;
};

Инструкция копия_инструкции(const Инструкция& инструкция);
std::vector<Инструкция> копия_списка_инструкций(const std::vector<Инструкция>& инструкции);

}  // namespace тувра
