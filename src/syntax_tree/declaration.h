// The program and its top-level items: modules, structs, functions, contracts, external functions.
// Ownership and copies as for every node (see syntax_tree.h); deep copies are the копия_… functions.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>
#include <utility>
#include <variant>

#include "syntax_tree/arena.h"
#include "syntax_tree/field_list.h"
#include "syntax_tree/node_list.h"

#include "syntax_tree/statement.h"
#include "syntax_tree/syntax_type.h"

namespace тувра {

// `НеУказана`: no modifier written; every top-level function has it.
enum class Видимость {
  Публичная,
  Приватная,
  НеУказана,
};

// Line and column of an item's keyword token.
using ПозицияОбъявления = std::pair<std::size_t, std::size_t>;

struct Параметр {
  std::string_view имя;
  СинтаксическийТип тип;
  bool по_ссылке = false;  // declared with `ссылка`

  bool operator==(const Параметр&) const = default;
};

struct ПараметрТипа {
  std::string_view имя;
  СписокУзлов<std::string_view> ограничения;  // contracts that constrain it; empty when unconstrained

  bool operator==(const ПараметрТипа&) const = default;
};

struct ПолеСтруктуры {
  std::string_view имя;
  СинтаксическийТип тип;
  Видимость видимость = Видимость::НеУказана;
  bool слабая_ссылка = false;  // declared with `слабая`

  bool operator==(const ПолеСтруктуры&) const = default;
};

// A top-level function or a method of a struct.
struct ОбъявлениеФункции {
  std::optional<ПозицияОбъявления> позиция_объявления;  // of `функция`; the parser always sets it
  std::string_view имя;
  СписокУзлов<ПараметрТипа> параметры_типа;
  СписокУзлов<Параметр> параметры;
  СписокУзлов<Инструкция> тело;
  std::optional<СинтаксическийТип> тип_возврата;
  Видимость видимость = Видимость::НеУказана;

  bool operator==(const ОбъявлениеФункции&) const = default;
};

struct ОбъявлениеСтруктуры {
  std::optional<ПозицияОбъявления> позиция_объявления;  // of `структура`; the parser always sets it
  std::string_view имя;
  СписокУзлов<ПараметрТипа> параметры_типа;
  СписокУзлов<std::string_view> контракты;  // named after `:` in the head
  СписокУзлов<ПолеСтруктуры> поля;
  СписокУзлов<ОбъявлениеФункции> методы;

  bool operator==(const ОбъявлениеСтруктуры&) const = default;
};

// A method of a contract: a signature without a body.
struct СигнатураМетода {
  std::string_view имя;
  СписокУзлов<Параметр> параметры;
  std::optional<СинтаксическийТип> тип_возврата;

  bool operator==(const СигнатураМетода&) const = default;
};

struct ОбъявлениеКонтракта {
  std::string_view имя;
  СписокУзлов<СигнатураМетода> методы;

  bool operator==(const ОбъявлениеКонтракта&) const = default;
};

// A function implemented outside the language.
struct ВнешняяФункция {
  std::string_view имя;
  СписокУзлов<Параметр> параметры;
  std::optional<СинтаксическийТип> тип_возврата;
  std::optional<std::string_view> символ;          // the library symbol after `как`
  std::optional<std::string_view> символ_windows;  // the second name, after a comma

  bool operator==(const ВнешняяФункция&) const = default;
};

// `подключить а.б.в;` holds "а.б.в"; `подключить "путь";` holds the path string's contents.
struct ПодключениеМодуля {
  std::string_view модуль;

  bool operator==(const ПодключениеМодуля&) const = default;
};

struct Объявление {
  using Вариант =
      std::variant<ПодключениеМодуля, ОбъявлениеСтруктуры, ОбъявлениеФункции, ОбъявлениеКонтракта, ВнешняяФункция>;

  Вариант вид;

  bool operator==(const Объявление&) const = default;
};

struct Программа {
  СписокУзлов<Объявление> объявления;  // in source order

  bool operator==(const Программа&) const = default;
};

ТУВРА_ПОЛЯ(Параметр, имя, тип, по_ссылке);
ТУВРА_ПОЛЯ(ПараметрТипа, имя, ограничения);
ТУВРА_ПОЛЯ(ПолеСтруктуры, имя, тип, видимость, слабая_ссылка);
// The body last, so that a rendering reads the head first.
ТУВРА_ПОЛЯ(ОбъявлениеФункции, позиция_объявления, имя, параметры_типа, параметры, тип_возврата, видимость, тело);
ТУВРА_ПОЛЯ(ОбъявлениеСтруктуры, позиция_объявления, имя, параметры_типа, контракты, поля, методы);
ТУВРА_ПОЛЯ(СигнатураМетода, имя, параметры, тип_возврата);
ТУВРА_ПОЛЯ(ОбъявлениеКонтракта, имя, методы);
ТУВРА_ПОЛЯ(ВнешняяФункция, имя, параметры, тип_возврата, символ, символ_windows);
ТУВРА_ЗНАЧЕНИЕ(ПодключениеМодуля, модуль);
ТУВРА_ОБЁРТКА(Объявление, вид);
ТУВРА_ЗНАЧЕНИЕ(Программа, объявления);

Параметр копия_параметра(const Параметр& параметр, Арена& куда);
ПараметрТипа копия_параметра_типа(const ПараметрТипа& параметр, Арена& куда);
ПолеСтруктуры копия_поля(const ПолеСтруктуры& поле, Арена& куда);
ОбъявлениеФункции копия_объявления_функции(const ОбъявлениеФункции& функция, Арена& куда);
ОбъявлениеСтруктуры копия_объявления_структуры(const ОбъявлениеСтруктуры& структура, Арена& куда);
СигнатураМетода копия_сигнатуры(const СигнатураМетода& сигнатура, Арена& куда);
ОбъявлениеКонтракта копия_объявления_контракта(const ОбъявлениеКонтракта& контракт, Арена& куда);
ВнешняяФункция копия_внешней_функции(const ВнешняяФункция& функция, Арена& куда);
Объявление копия_объявления(const Объявление& объявление, Арена& куда);
Программа копия_программы(const Программа& программа, Арена& куда);

СписокУзлов<Параметр> копия_списка_параметров(СписокУзлов<Параметр> параметры, Арена& куда);
СписокУзлов<ПолеСтруктуры> копия_списка_полей(СписокУзлов<ПолеСтруктуры> поля, Арена& куда);
СписокУзлов<ОбъявлениеФункции> копия_списка_методов(СписокУзлов<ОбъявлениеФункции> методы, Арена& куда);
СписокУзлов<ПараметрТипа> копия_списка_параметров_типа(СписокУзлов<ПараметрТипа> параметры, Арена& куда);
СписокУзлов<СигнатураМетода> копия_списка_сигнатур(СписокУзлов<СигнатураМетода> сигнатуры, Арена& куда);

}  // namespace тувра
