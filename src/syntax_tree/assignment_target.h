// The left side of an assignment: `а`, `а.б`, `а[и]`, and chains of them.
// Ownership, copies and depth as for every node (see syntax_type.h).
#pragma once

#include <memory>
#include <string>
#include <utility>
#include <variant>

#include "syntax_tree/expression.h"
#include "syntax_tree/node_variant.h"

namespace тувра {

// `а.б[и].в` is `Поле` of `ЭлементМассива` of `Поле` of `Переменная` `а`.
class ЦельПрисваивания;

// The alternatives stand outside the node class so that they are complete types while the
// class itself is not; use them by the class's names (`ЦельПрисваивания::Поле`).
namespace узлы_цели {

struct Переменная {
  std::string имя;
};
struct Поле {
  std::unique_ptr<ЦельПрисваивания> объект;
  std::string поле;
};
struct ЭлементМассива {
  std::unique_ptr<ЦельПрисваивания> массив;
  std::unique_ptr<УзелВыражения> индекс;
};

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
    requires альтернатива_варианта<А, Вариант>
  ЦельПрисваивания(А&& альтернатива) : вид(std::forward<А>(альтернатива)) {}

  ЦельПрисваивания(ЦельПрисваивания&&) noexcept = default;
  // Safe when the source lives inside this node.
  ЦельПрисваивания& operator=(ЦельПрисваивания&& другой) noexcept;
  ЦельПрисваивания(const ЦельПрисваивания&) = delete;
  ЦельПрисваивания& operator=(const ЦельПрисваивания&) = delete;
  ~ЦельПрисваивания();

  bool operator==(const ЦельПрисваивания& другой) const;
};

ЦельПрисваивания копия_цели_присваивания(const ЦельПрисваивания& цель);

}  // namespace тувра
