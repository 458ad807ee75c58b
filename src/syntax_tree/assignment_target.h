// The left side of an assignment: `а`, `а.б`, `а[и]`, and chains of them.
// Ownership, copies and depth as for every node: see syntax_tree.h.
#pragma once

#include <string_view>
#include <utility>
#include <variant>

#include "syntax_tree/arena.h"
#include "syntax_tree/field_list.h"
#include "syntax_tree/node_list.h"

#include "syntax_tree/expression.h"
#include "syntax_tree/node_variant.h"

namespace тувра {

// `а.б[и].в` is `Поле` of `ЭлементМассива` of `Поле` of `Переменная` `а`.
class ЦельПрисваивания;

// The alternatives stand outside the node class so that they are complete types while the
// class itself is not; use them by the class's names (`ЦельПрисваивания::Поле`).
namespace узлы_цели {

struct Переменная {
  std::string_view имя;
};
struct Поле {
  Указатель<ЦельПрисваивания> объект;
  std::string_view поле;
};
struct ЭлементМассива {
  Указатель<ЦельПрисваивания> массив;
  Указатель<УзелВыражения> индекс;
};

ТУВРА_ЗНАЧЕНИЕ(Переменная, имя);
ТУВРА_ПОЛЯ(Поле, объект, поле);
ТУВРА_ПОЛЯ(ЭлементМассива, массив, индекс);

}  // namespace узлы_цели

class ЦельПрисваивания {
 public:
  using Переменная = узлы_цели::Переменная;
  using Поле = узлы_цели::Поле;
  using ЭлементМассива = узлы_цели::ЭлементМассива;

  using Вариант = std::variant<Переменная, Поле, ЭлементМассива>;

  Вариант вид;

  ЦельПрисваивания() = default;
  template <class А>
  requires альтернатива_варианта<А, Вариант> ЦельПрисваивания(А&& альтернатива) : вид(std::forward<А>(альтернатива)) {}

  // Moves copy the reference to the children; a deep copy is always копия_цели_присваивания.
  ЦельПрисваивания(ЦельПрисваивания&&) noexcept = default;
  ЦельПрисваивания& operator=(ЦельПрисваивания&&) noexcept = default;
  ЦельПрисваивания(const ЦельПрисваивания&) = delete;
  ЦельПрисваивания& operator=(const ЦельПрисваивания&) = delete;

  bool operator==(const ЦельПрисваивания& другой) const;
};

ТУВРА_ОБЁРТКА(ЦельПрисваивания, вид);

ЦельПрисваивания копия_цели_присваивания(const ЦельПрисваивания& цель, Арена& куда);

}  // namespace тувра
