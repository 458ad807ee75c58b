// Expressions of the syntax tree, their operators and the parts of interpolated texts.
// Ownership, copies and depth as for every node (see syntax_type.h).
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "syntax_tree/node_variant.h"
#include "syntax_tree/syntax_type.h"

namespace тувра {

enum class БинарныйОператор {
  Плюс,
  Минус,
  Умножить,
  Разделить,
  Остаток,
  Равно,
  НеРавно,
  Меньше,
  Больше,
  МеньшеРавно,
  БольшеРавно,
  И,
  Или,
  БитИ,
  БитИли,
  БитИскл,
  СдвигВлево,
  СдвигВправо,
};

enum class УнарныйОператор {
  Минус,
  Не,
  БитНе,
};

class УзелВыражения;
class ЧастьИнтерполяции;

// The alternatives stand outside the node class so that they are complete types while the
// class itself is not; use them by the class's names (`УзелВыражения::Бинарное`).
namespace узлы_выражения {

struct ЦелоеЛит {
  std::int64_t значение = 0;
};
struct ДробноеЛит {
  double значение = 0;
};
// A literal without interpolation.
struct ТекстЛит {
  std::string значение;
};
struct ИнтерполированныйТекст {
  std::vector<ЧастьИнтерполяции> части;
};
struct ВерноЛит {
  bool значение = false;
};
// The literal `неуказано`.
struct НеуказаноЛит {};
struct Идентификатор {
  std::string имя;
};
struct МассивЛит {
  std::vector<УзелВыражения> элементы;
};
struct ВызовФункции {
  std::string имя;
  std::vector<СинтаксическийТип> типовые_параметры;  // explicit type arguments; empty when none
  std::vector<УзелВыражения> аргументы;
};
struct ДоступКПолю {
  std::unique_ptr<УзелВыражения> объект;
  std::string поле;
};
struct ВызовМетода {
  std::unique_ptr<УзелВыражения> объект;
  std::string метод;
  std::vector<СинтаксическийТип> типовые_параметры;
  std::vector<УзелВыражения> аргументы;
};
struct ДоступПоИндексу {
  std::unique_ptr<УзелВыражения> массив;
  std::unique_ptr<УзелВыражения> индекс;
};
struct Бинарное {
  std::unique_ptr<УзелВыражения> левое;
  БинарныйОператор оператор = БинарныйОператор::Плюс;
  std::unique_ptr<УзелВыражения> правое;
};
struct Унарное {
  УнарныйОператор оператор = УнарныйОператор::Минус;
  std::unique_ptr<УзелВыражения> операнд;
};
// The operand of a postfix `?`.
struct Проброс {
  std::unique_ptr<УзелВыражения> значение;
};
// `успех(…)`.
struct Успех {
  std::unique_ptr<УзелВыражения> значение;
};
// `ошибка(…)`.
struct Ошибка {
  std::unique_ptr<УзелВыражения> значение;
};

}  // namespace узлы_выражения

class УзелВыражения {
 public:
  using ЦелоеЛит = узлы_выражения::ЦелоеЛит;
  using ДробноеЛит = узлы_выражения::ДробноеЛит;
  using ТекстЛит = узлы_выражения::ТекстЛит;
  using ИнтерполированныйТекст = узлы_выражения::ИнтерполированныйТекст;
  using ВерноЛит = узлы_выражения::ВерноЛит;
  using НеуказаноЛит = узлы_выражения::НеуказаноЛит;
  using Идентификатор = узлы_выражения::Идентификатор;
  using МассивЛит = узлы_выражения::МассивЛит;
  using ВызовФункции = узлы_выражения::ВызовФункции;
  using ДоступКПолю = узлы_выражения::ДоступКПолю;
  using ВызовМетода = узлы_выражения::ВызовМетода;
  using ДоступПоИндексу = узлы_выражения::ДоступПоИндексу;
  using Бинарное = узлы_выражения::Бинарное;
  using Унарное = узлы_выражения::Унарное;
  using Проброс = узлы_выражения::Проброс;
  using Успех = узлы_выражения::Успех;
  using Ошибка = узлы_выражения::Ошибка;

  using Вариант = std::variant<ЦелоеЛит, ДробноеЛит, ТекстЛит, ИнтерполированныйТекст, ВерноЛит, НеуказаноЛит,
                               Идентификатор, МассивЛит, ВызовФункции, ДоступКПолю, ВызовМетода, ДоступПоИндексу,
                               Бинарное, Унарное, Проброс, Успех, Ошибка>;

  Вариант вид;

  // `ЦелоеЛит(0)`; a placeholder that copies and parsers overwrite.
  УзелВыражения() = default;
  template <class А>
    requires альтернатива_варианта<А, Вариант>
  УзелВыражения(А&& альтернатива) : вид(std::forward<А>(альтернатива)) {}

  УзелВыражения(УзелВыражения&&) noexcept = default;
  // Safe when the source lives inside this node (`узел = std::move(*операнд)`).
  УзелВыражения& operator=(УзелВыражения&& другой) noexcept;
  УзелВыражения(const УзелВыражения&) = delete;
  УзелВыражения& operator=(const УзелВыражения&) = delete;
  ~УзелВыражения();

  // Structural; doubles compare as IEEE values.
  bool operator==(const УзелВыражения& другой) const;
};

// Used as `ЧастьИнтерполяции::Текст` and `ЧастьИнтерполяции::Выражение`.
namespace узлы_части {

// A literal stretch of the text.
struct Текст {
  std::string текст;
};
// An embedded expression.
struct Выражение {
  std::unique_ptr<УзелВыражения> выражение;
};

}  // namespace узлы_части

class ЧастьИнтерполяции {
 public:
  using Текст = узлы_части::Текст;
  using Выражение = узлы_части::Выражение;

  using Вариант = std::variant<Текст, Выражение>;

  Вариант вид;

  ЧастьИнтерполяции() = default;
  template <class А>
    requires альтернатива_варианта<А, Вариант>
  ЧастьИнтерполяции(А&& альтернатива) : вид(std::forward<А>(альтернатива)) {}

  ЧастьИнтерполяции(ЧастьИнтерполяции&&) noexcept = default;
  ЧастьИнтерполяции& operator=(ЧастьИнтерполяции&& другой) noexcept;
  ЧастьИнтерполяции(const ЧастьИнтерполяции&) = delete;
  ЧастьИнтерполяции& operator=(const ЧастьИнтерполяции&) = delete;
  ~ЧастьИнтерполяции();

  bool operator==(const ЧастьИнтерполяции& другой) const;
};

УзелВыражения копия_выражения(const УзелВыражения& выражение);
std::vector<УзелВыражения> копия_списка_выражений(const std::vector<УзелВыражения>& выражения);
ЧастьИнтерполяции копия_части_интерполяции(const ЧастьИнтерполяции& часть);
std::vector<ЧастьИнтерполяции> копия_частей_интерполяции(const std::vector<ЧастьИнтерполяции>& части);

// Debug renderings, one line each, as parse and analysis messages embed them:
// `Бинарное { левое: Идентификатор("а"), оператор: Плюс, правое: ЦелоеЛит(1) }`.
void отладочный_текст_выражения(const УзелВыражения& выражение, std::string& куда);
std::string отладочный_текст_выражения(const УзелВыражения& выражение);
void отладочный_текст_части_интерполяции(const ЧастьИнтерполяции& часть, std::string& куда);
std::string отладочный_текст_части_интерполяции(const ЧастьИнтерполяции& часть);
void отладочный_текст_бинарного_оператора(БинарныйОператор оператор, std::string& куда);
std::string отладочный_текст_бинарного_оператора(БинарныйОператор оператор);
void отладочный_текст_унарного_оператора(УнарныйОператор оператор, std::string& куда);
std::string отладочный_текст_унарного_оператора(УнарныйОператор оператор);

}  // namespace тувра
