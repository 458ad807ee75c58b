// The semantic type of a value, `Тип`, with its value semantics, renderings and classes.
//
// Types are immutable and uniqued in the table of one analysis, so a `Тип` is a handle: it
// behaves as a value that owns its parts, but a copy copies one pointer and equality is
// identity. Array suffixes may run to any depth (`целое[1][1]…`), so every walk over the parts
// (rendering, the structural comparison of types of two tables) is iterative.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_set>
#include <utility>
#include <vector>

#include "support/keyed_hash.h"

namespace тувра {

// The 23 variants in their fixed order; the number is the one hashing feeds and the classes use.
enum class ВидТипа : std::uint8_t {
  Целое,
  Целое8,
  Целое16,
  Целое32,
  Целое64,
  Беззнак8,
  Беззнак16,
  Беззнак32,
  Беззнак64,
  Дробное,
  Дробное32,
  Дробное64,
  Текст,
  Верно,
  Структура,     // имя: the struct's name, also of a generic struct instance
  Массив,        // элемент, размер
  Результат,     // внутренний
  Список,        // внутренний (the element)
  Словарь,       // ключ, значение
  Канал,         // внутренний (the element)
  Контракт,      // имя: the contract's name
  Опциональный,  // внутренний
  Неизвестен,
};

inline constexpr std::size_t число_видов_типа = 23;

// One immutable node of a type. Parts are canonical nodes of the same table, so two nodes of
// one table are the same type exactly when they are the same node.
struct УзелТипа {
  ВидТипа вид = ВидТипа::Неизвестен;
  std::uint64_t размер = 0;
  std::string_view имя;
  const УзелТипа* первый = nullptr;
  const УзелТипа* второй = nullptr;
  // The key the table hashes with: also tells the table's nodes from those of others. Null for
  // the constant nodes.
  const КлючХеша* ключ = nullptr;
  std::size_t хеш = 0;
  // Nodes and name bytes of the type written out as a tree (a shared part counts at every
  // use), capped at the largest size_t.
  std::size_t частей = 1;
  std::size_t байт_имён = 0;
};

namespace детали_типа {

constexpr std::array<УзелТипа, число_видов_типа> постоянные_узлы() {
  std::array<УзелТипа, число_видов_типа> узлы{};
  for (std::size_t номер = 0; номер < число_видов_типа; ++номер) {
    узлы[номер].вид = static_cast<ВидТипа>(номер);
    // Fixed, and only 23 of them: a table node's hash, keyed, meets one by chance alone.
    узлы[номер].хеш = static_cast<std::size_t>(0x9e3779b97f4a7c15ULL * (номер + 1));
  }
  return узлы;
}

// The payload-free variants, shared by every table: immutable, so nothing can tell them apart
// from nodes of a table.
inline constexpr std::array<УзелТипа, число_видов_типа> постоянные = постоянные_узлы();

}  // namespace детали_типа

// A handle to a node of a ТаблицаТипов or to a constant node: copy, equality and hash are O(1).
// A type lives as long as the table that made it.
class Тип {
 public:
  // `Неизвестен`.
  constexpr Тип() noexcept : значение_(номер_неизвестен) {}
  // A variant without payload (`Целое` … `Верно`, `Неизвестен`); needs no table.
  explicit Тип(ВидТипа вид);

  Тип(const Тип&) = default;
  Тип& operator=(const Тип&) = default;
  // The source is left `Неизвестен`. Out of line: inlined, GCC 12 takes the constant left
  // behind for a pointer that a result's error alternative might free.
  Тип(Тип&& другой) noexcept;
  Тип& operator=(Тип&& другой) noexcept;

  ВидТипа вид() const { return узел().вид; }
  bool это(ВидТипа вид) const { return узел().вид == вид; }
  // `Структура` and `Контракт`: the name; empty for every other variant.
  std::string_view имя() const { return узел().имя; }
  // `Массив`: the element count; 0 for every other variant.
  std::uint64_t размер() const { return узел().размер; }
  // The one inner type of `Массив`, `Результат`, `Список`, `Канал`, `Опциональный`, and the key
  // of `Словарь`. Only for those variants.
  Тип внутренний() const { return Тип(узел().первый); }
  Тип элемент() const { return Тип(узел().первый); }
  Тип ключ() const { return Тип(узел().первый); }
  // `Словарь`: the value type. Only for that variant.
  Тип значение() const { return Тип(узел().второй); }

  std::size_t хеш() const { return узел().хеш; }
  const УзелТипа& узел() const {
    return значение_ < число_видов_типа ? детали_типа::постоянные[значение_]
                                        : *reinterpret_cast<const УзелТипа*>(значение_);
  }
  // The same node: for types of one table, the same type.
  bool тот_же(const Тип& другой) const { return значение_ == другой.значение_; }

 private:
  friend class ТаблицаТипов;
  static constexpr std::uintptr_t номер_неизвестен = static_cast<std::uintptr_t>(ВидТипа::Неизвестен);
  explicit Тип(const УзелТипа* узел);

  // The variant number of a constant node, else the address of a table's node.
  std::uintptr_t значение_;
};

// The nodes of one analysis: one node per distinct type. Parts given to it must come from the
// same table or be constants. Nodes are found by a keyed hash, so no document can choose types
// that share a bucket.
class ТаблицаТипов {
 public:
  // With a key of its own.
  ТаблицаТипов();
  explicit ТаблицаТипов(const КлючХеша& ключ);
  ТаблицаТипов(const ТаблицаТипов&) = delete;
  ТаблицаТипов& operator=(const ТаблицаТипов&) = delete;
  // Moving keeps every node where it is, so the handles stay valid.
  ТаблицаТипов(ТаблицаТипов&&) noexcept = default;
  ТаблицаТипов& operator=(ТаблицаТипов&&) noexcept = default;

  Тип структура(std::string_view имя);
  Тип контракт(std::string_view имя);
  Тип массив(Тип элемент, std::uint64_t размер);
  Тип результат(Тип значение);
  Тип список(Тип элемент);
  Тип словарь(Тип ключ, Тип значение);
  Тип канал(Тип элемент);
  Тип опциональный(Тип внутренний);

  // Distinct types with a payload made so far.
  std::size_t size() const { return узлы_.size(); }
  // Tables of one key give equal types equal hashes.
  const КлючХеша& ключ() const { return *ключ_; }

 private:
  struct ХешУзла {
    std::size_t operator()(const УзелТипа* узел) const { return узел->хеш; }
  };
  struct РавенствоУзлов {
    bool operator()(const УзелТипа* а, const УзелТипа* б) const {
      return а->вид == б->вид && а->размер == б->размер && а->первый == б->первый && а->второй == б->второй &&
             а->имя == б->имя;
    }
  };

  Тип найти_или_добавить(УзелТипа образец);

  // On the heap, so that nodes keep pointing at it when the table moves.
  std::unique_ptr<const КлючХеша> ключ_;
  std::deque<УзелТипа> узлы_;
  std::deque<std::string> имена_;
  std::unordered_set<const УзелТипа*, ХешУзла, РавенствоУзлов> индекс_;
};

// Same variant and equal payloads all the way down; no conversions (`Целое` ≠ `Целое8`). For
// types of two tables; allocates nothing (but for trees of more than 2^64 parts).
bool структурно_равны(const Тип& а, const Тип& б);
inline bool типы_равны(const Тип& а, const Тип& б) {
  if (а.тот_же(б)) return true;
  // Within one table a type has one node; two constants differ in their variant.
  if (а.узел().ключ == б.узел().ключ) return false;
  return структурно_равны(а, б);
}
bool типы_равны(std::span<const Тип> а, std::span<const Тип> б);
// Consistent with типы_равны for types of one table, or of tables of one key.
inline std::size_t хеш_типа(const Тип& тип) { return тип.хеш(); }

// A field of a struct as the analysis sees it.
struct ПолеТипа {
  std::string имя;
  Тип тип;
};

// `типы_параметров` in declaration order; `тип_возврата` absent when nothing is returned.
struct СигнатураФункции {
  std::vector<Тип> типы_параметров;
  std::optional<Тип> тип_возврата;
};

// The rendering user messages embed: `Целое`, `Структура("Точка")`,
// `Массив { элемент: Целое, размер: 3 }`, `Словарь(Текст, Целое)`.
void отладочный_текст_типа(const Тип& тип, std::string& куда);
// The same, stopping once куда holds more than предел bytes, cut to предел + 1: a type of many
// parts or long names costs no more than that.
void отладочный_текст_типа(const Тип& тип, std::string& куда, std::size_t предел);
std::string отладочный_текст_типа(const Тип& тип);
// `None` or `Some(…)`.
std::string отладочный_текст_типа(const std::optional<Тип>& тип);
// `[Целое, Текст]`, `[]`.
std::string отладочный_текст_типов(std::span<const Тип> типы);

// Variants 0-8, 9-11 and 0-11.
bool целочисленный(const Тип& тип);
bool дробный(const Тип& тип);
bool числовой(const Тип& тип);

// Hash and equality for hash maps keyed by types.
struct ХешТипа {
  std::size_t operator()(const Тип& тип) const { return хеш_типа(тип); }
};
struct РавенствоТипов {
  bool operator()(const Тип& а, const Тип& б) const { return типы_равны(а, б); }
};

}  // namespace тувра
