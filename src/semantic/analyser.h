// The whole state of one analysis run: the scope stack, the registries the program passes
// fill, the registries of generic templates and instances, and the context of the body being
// checked. Registries iterate in insertion order and look up by hash.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "semantic/ordered_table.h"
#include "semantic/types.h"
#include "support/keyed_hash.h"
#include "syntax_tree/syntax_tree.h"

namespace тувра {

// The list types of the tree, whatever their storage.
using СписокИнструкций = decltype(узлы_инструкции::ЦиклПока::тело);
using СписокВыражений = decltype(узлы_выражения::ВызовФункции::аргументы);
using СписокСинтаксическихТипов = decltype(узлы_выражения::ВызовФункции::типовые_параметры);
using СписокПараметров = decltype(ОбъявлениеФункции::параметры);
using СписокПараметровТипа = decltype(ОбъявлениеФункции::параметры_типа);
using СписокПолей = decltype(ОбъявлениеСтруктуры::поля);
using СписокСигнатур = decltype(ОбъявлениеКонтракта::методы);

// One variable of a scope.
struct ЗаписьПеременной {
  Тип тип_переменной;
  bool неизменна = false;  // declared with `неизменно`
};

// A registered method: parameter types without the receiver, the result, the visibility as parsed.
struct ЗаписьМетода {
  std::vector<Тип> типы_параметров;
  std::optional<Тип> тип_возврата;
  Видимость видимость = Видимость::НеУказана;
};

// A struct's fields in declaration order, with a lookup by name that finds the first of that name.
class ПоляСтруктуры {
 public:
  ПоляСтруктуры() = default;
  ПоляСтруктуры(std::vector<ПолеТипа> поля, const КлючХеша& ключ);

  std::span<const ПолеТипа> все() const { return поля_; }
  std::size_t size() const { return поля_.size(); }
  // The first field of that name, or null.
  const ПолеТипа* найти(std::string_view имя) const;

 private:
  std::vector<ПолеТипа> поля_;
  // Views into поля_, whose heap buffer moves whole.
  std::unordered_map<std::string_view, std::size_t, ХешИмени, std::equal_to<>> индекс_;
};

// The contracts a struct names, as declared, with a lookup by name: a struct may name
// thousands, and every use of it as one of them asks.
class КонтрактыСтруктуры {
 public:
  КонтрактыСтруктуры() = default;
  КонтрактыСтруктуры(std::vector<std::string> контракты, const КлючХеша& ключ);
  // The index views the names, which a copy would not carry; a move keeps them in place.
  КонтрактыСтруктуры(const КонтрактыСтруктуры&) = delete;
  КонтрактыСтруктуры& operator=(const КонтрактыСтруктуры&) = delete;
  КонтрактыСтруктуры(КонтрактыСтруктуры&&) noexcept = default;
  КонтрактыСтруктуры& operator=(КонтрактыСтруктуры&&) noexcept = default;

  std::span<const std::string> все() const { return контракты_; }
  bool содержит(std::string_view контракт) const { return индекс_.contains(контракт); }

 private:
  std::vector<std::string> контракты_;
  // Views into контракты_, whose heap buffer moves whole.
  std::unordered_set<std::string_view, ХешИмени, std::equal_to<>> индекс_;
};

// The stack of variable scopes: a map from name to its stack of bindings, and per scope the
// names it declared, so a lookup costs one hash probe however deep the nesting.
class СтекОбластей {
 public:
  // One empty scope.
  explicit СтекОбластей(const КлючХеша& ключ);

  void войти();
  // Drops the innermost scope and its bindings; the outermost scope is never left.
  void выйти();
  // Number of scopes, 1 for a fresh stack.
  std::size_t глубина() const { return объявлено_в_области_.size(); }

  // Inserts, or replaces an entry of the same name in the innermost scope.
  void объявить(std::string_view имя, Тип тип, bool неизменна);
  // The innermost binding of the name, or null.
  const ЗаписьПеременной* найти(std::string_view имя) const;
  bool есть_во_внутренней(std::string_view имя) const;
  // Every variable of every scope, outermost scope first, within a scope in declaration order.
  std::vector<std::string_view> все_имена() const;

 private:
  struct Привязка {
    std::size_t область;
    ЗаписьПеременной запись;
  };
  using Карта = std::unordered_map<std::string, std::vector<Привязка>, ХешИмени, std::equal_to<>>;

  Карта привязки_;
  std::vector<std::vector<Карта::value_type*>> объявлено_в_области_;
};

// module name → the names of the functions it declares.
using ФункцииМодулей = УпорядоченнаяТаблица<std::string, УпорядоченноеМножество<std::string>>;

// A function instance as later uses read it; its substituted body is gone once checked.
struct ЭкземплярФункции {
  std::string имя;
  std::vector<std::string> имена_параметров;
  СигнатураФункции сигнатура;
};

// A method instance of a non-generic struct, likewise without its body.
struct ЭкземплярМетода {
  std::string структура;
  std::string имя;
  СигнатураФункции сигнатура;
};

// Every hash table of a run hashes with its key, drawn at random for each run unless a test
// gives one: nothing the analysis reports may depend on it.
struct Анализатор {
  explicit Анализатор(const КлючХеша& ключ) : ключ_хеша(ключ) {}

  КлючХеша ключ_хеша;
  // Every type of the run is a node of this table.
  ТаблицаТипов типы{ключ_хеша};
  // Written types of the program's declarations, lowered once: context-free and contract-aware.
  std::unordered_map<const СинтаксическийТип*, Тип> типы_объявлений;
  std::unordered_map<const СинтаксическийТип*, Тип> разрешённые_типы_объявлений;

  СтекОбластей области_видимости{ключ_хеша};
  // Declared result of the body being checked; absent outside bodies and without a result.
  std::optional<Тип> текущий_тип_возврата;
  // The struct whose method body is being checked; absent elsewhere.
  std::optional<std::string> текущая_структура;
  // Enclosing `пока` / `для каждого` loops; 0 inside a `параллельно` block.
  std::size_t глубина_циклов = 0;

  // Non-generic functions of the main file and all external functions.
  УпорядоченнаяТаблица<std::string, СигнатураФункции> реестр_функций{ключ_хеша};
  // Non-generic structs and instances of generic structs.
  УпорядоченнаяТаблица<std::string, ПоляСтруктуры> таблица_структур{ключ_хеша};
  // The contracts a struct says it fulfils, as declared.
  УпорядоченнаяТаблица<std::string, КонтрактыСтруктуры> контракты_структур{ключ_хеша};
  // (struct, field) → declared `приватно`.
  УпорядоченнаяТаблица<ПараИмён, bool> приватность_полей{ключ_хеша};
  // (struct, field) declared `слабая`.
  УпорядоченноеМножество<ПараИмён> слабые_поля{ключ_хеша};
  // (struct, method) → non-generic methods, also those of generic struct instances.
  УпорядоченнаяТаблица<ПараИмён, ЗаписьМетода> реестр_методов{ключ_хеша};
  // Contract name → its declaration (signatures as written).
  УпорядоченнаяТаблица<std::string, const ОбъявлениеКонтракта*> реестр_контрактов{ключ_хеша};
  // (contract, method) → the contract's first signature of that name; a contract's methods are
  // entered on the first method call on it, which then lists it in контракты_в_индексе.
  УпорядоченнаяТаблица<ПараИмён, const СигнатураМетода*> сигнатуры_контрактов{ключ_хеша};
  УпорядоченноеМножество<std::string> контракты_в_индексе{ключ_хеша};
  // Templates: generic structs, generic main-file functions, generic methods of non-generic structs.
  УпорядоченнаяТаблица<std::string, const ОбъявлениеСтруктуры*> обобщённые_структуры{ключ_хеша};
  УпорядоченнаяТаблица<std::string, const ОбъявлениеФункции*> обобщённые_функции{ключ_хеша};
  УпорядоченнаяТаблица<ПараИмён, const ОбъявлениеФункции*> обобщённые_методы{ключ_хеша};
  // Given by the caller of анализировать_программу.
  ФункцииМодулей функции_модулей{ключ_хеша};
  // (module, function) → signature of a non-generic module function.
  УпорядоченнаяТаблица<ПараИмён, СигнатураФункции> реестр_модулей{ключ_хеша};
  // Function name → every module that declares it, in item order.
  УпорядоченнаяТаблица<std::string, std::vector<std::string>> модули_функции{ключ_хеша};
  // Function name → the one module declaring it, when not in реестр_функций.
  УпорядоченнаяТаблица<std::string, std::string> модуль_функции{ключ_хеша};

  // Instances are keyed by their template and lowered type arguments. The instance maps hold an
  // instance's name once its body passed; the declaration maps hold what uses read, from before
  // its body is checked, so that a use inside that body (recursion) finds its signature.
  // (function, type argument) → instance name; → the instance.
  УпорядоченнаяТаблица<КлючЭкземпляраФункции, std::string> экземпляры_функций{ключ_хеша};
  УпорядоченнаяТаблица<КлючЭкземпляраФункции, ЭкземплярФункции> объявления_экземпляров_функций{ключ_хеша};
  // (struct, method, type argument) → instance key "S::m__T"; → the instance.
  УпорядоченнаяТаблица<КлючЭкземпляраМетода, std::string> экземпляры_методов{ключ_хеша};
  УпорядоченнаяТаблица<КлючЭкземпляраМетода, ЭкземплярМетода> объявления_экземпляров_методов{ключ_хеша};
  // (struct, type arguments) → instance name, once all its method bodies passed.
  УпорядоченнаяТаблица<КлючЭкземпляраСтруктуры, std::string> экземпляры_структур{ключ_хеша};
  // The names instances took (a method instance's: its instance key). A function or method
  // asked for again is found by its key first, so a name found here is another instance's;
  // a struct instance keeps its key, to tell a name taken by another instance from the same
  // instance asked for again while its methods are checked.
  УпорядоченноеМножество<std::string> имена_экземпляров_функций{ключ_хеша};
  УпорядоченноеМножество<std::string> имена_экземпляров_методов{ключ_хеша};
  УпорядоченнаяТаблица<std::string, КлючЭкземпляраСтруктуры> ключи_экземпляров_структур{ключ_хеша};
  // Instantiations started and not yet finished, nested one in another, and the name of the
  // innermost one whose body is being checked (null outside instance bodies).
  std::size_t инстанциаций_в_работе = 0;
  const std::string* экземпляр_в_проверке = nullptr;
  // Each place of the instances being built where a type parameter was replaced, with the
  // replacement's lowered type: lowering a type there takes it instead of walking the
  // replacement again, so a type argument as deep as its instance's nesting costs one node.
  std::unordered_map<const СинтаксическийТип*, Тип> типы_замен;
  // What this run has spent on instances, against its budget: instances started and the
  // nodes of their substituted declarations.
  std::size_t экземпляров_начато = 0;
  std::size_t узлов_в_экземплярах = 0;
};

// One empty scope, empty registries, no context; a random key unless one is given.
Анализатор новый_анализатор();
Анализатор новый_анализатор(const КлючХеша& ключ);

void войти_в_область(Анализатор& анализатор);
void выйти_из_области(Анализатор& анализатор);
// Into the innermost scope; replaces an entry of the same name there. Never fails.
void объявить_переменную(Анализатор& анализатор, std::string_view имя, Тип тип, bool неизменна);
// Innermost first; null when no scope holds the name.
const ЗаписьПеременной* найти_переменную(const Анализатор& анализатор, std::string_view имя);

}  // namespace тувра
