// The program and its top-level items: modules, structs, functions, contracts, external functions.
// Plain move-only values (see syntax_type.h); deep copies are the копия_… functions.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

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
  std::string имя;
  СинтаксическийТип тип;
  bool по_ссылке = false;  // declared with `ссылка`

  bool operator==(const Параметр&) const = default;
};

struct ПараметрТипа {
  std::string имя;
  std::vector<std::string> ограничения;  // contracts that constrain it; empty when unconstrained

  bool operator==(const ПараметрТипа&) const = default;
};

struct ПолеСтруктуры {
  std::string имя;
  СинтаксическийТип тип;
  Видимость видимость = Видимость::НеУказана;
  bool слабая_ссылка = false;  // declared with `слабая`

  bool operator==(const ПолеСтруктуры&) const = default;
};

// A top-level function or a method of a struct.
struct ОбъявлениеФункции {
  std::optional<ПозицияОбъявления> позиция_объявления;  // of `функция`; the parser always sets it
  std::string имя;
  std::vector<ПараметрТипа> параметры_типа;
  std::vector<Параметр> параметры;
  std::vector<Инструкция> тело;
  std::optional<СинтаксическийТип> тип_возврата;
  Видимость видимость = Видимость::НеУказана;

  bool operator==(const ОбъявлениеФункции&) const = default;
};

struct ОбъявлениеСтруктуры {
  std::optional<ПозицияОбъявления> позиция_объявления;  // of `структура`; the parser always sets it
  std::string имя;
  std::vector<ПараметрТипа> параметры_типа;
  std::vector<std::string> контракты;  // named after `:` in the head
  std::vector<ПолеСтруктуры> поля;
  std::vector<ОбъявлениеФункции> методы;

  bool operator==(const ОбъявлениеСтруктуры&) const = default;
};

// A method of a contract: a signature without a body.
struct СигнатураМетода {
  std::string имя;
  std::vector<Параметр> параметры;
  std::optional<СинтаксическийТип> тип_возврата;

  bool operator==(const СигнатураМетода&) const = default;
};

struct ОбъявлениеКонтракта {
  std::string имя;
  std::vector<СигнатураМетода> методы;

  bool operator==(const ОбъявлениеКонтракта&) const = default;
};

// A function implemented outside the language.
struct ВнешняяФункция {
  std::string имя;
  std::vector<Параметр> параметры;
  std::optional<СинтаксическийТип> тип_возврата;
  std::optional<std::string> символ;          // the library symbol after `как`
  std::optional<std::string> символ_windows;  // the second name, after a comma

  bool operator==(const ВнешняяФункция&) const = default;
};

// `подключить а.б.в;` holds "а.б.в"; `подключить "путь";` holds the path string's contents.
struct ПодключениеМодуля {
  std::string модуль;

  bool operator==(const ПодключениеМодуля&) const = default;
};

struct Объявление {
  using Вариант = std::variant<ПодключениеМодуля, ОбъявлениеСтруктуры, ОбъявлениеФункции, ОбъявлениеКонтракта,
                               ВнешняяФункция>;

  Вариант вид;

  bool operator==(const Объявление&) const = default;
};

struct Программа {
  std::vector<Объявление> объявления;  // in source order

  bool operator==(const Программа&) const = default;
};

Параметр копия_параметра(const Параметр& параметр);
ПараметрТипа копия_параметра_типа(const ПараметрТипа& параметр);
ПолеСтруктуры копия_поля(const ПолеСтруктуры& поле);
ОбъявлениеФункции копия_объявления_функции(const ОбъявлениеФункции& функция);
ОбъявлениеСтруктуры копия_объявления_структуры(const ОбъявлениеСтруктуры& структура);
СигнатураМетода копия_сигнатуры(const СигнатураМетода& сигнатура);
ОбъявлениеКонтракта копия_объявления_контракта(const ОбъявлениеКонтракта& контракт);
ВнешняяФункция копия_внешней_функции(const ВнешняяФункция& функция);
Объявление копия_объявления(const Объявление& объявление);
Программа копия_программы(const Программа& программа);

std::vector<Параметр> копия_списка_параметров(const std::vector<Параметр>& параметры);
std::vector<ПолеСтруктуры> копия_списка_полей(const std::vector<ПолеСтруктуры>& поля);
std::vector<ОбъявлениеФункции> копия_списка_методов(const std::vector<ОбъявлениеФункции>& методы);
std::vector<ПараметрТипа> копия_списка_параметров_типа(const std::vector<ПараметрТипа>& параметры);
std::vector<СигнатураМетода> копия_списка_сигнатур(const std::vector<СигнатураМетода>& сигнатуры);

}  // namespace тувра
