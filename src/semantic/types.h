// The semantic type of a value, `Тип`, with its value semantics, renderings and classes.
//
// A `Тип` owns its parts outright and is move-only; a deep copy is always the explicit
// копия_типа. Array suffixes are not bounded by any nesting limit (`целое[1][1]…` may run to
// any depth), so destroying, copying, comparing, hashing and rendering walk iteratively.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

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

class Тип {
 public:
  // `Неизвестен`.
  Тип() = default;
  // A variant without payload (`Целое` … `Верно`, `Неизвестен`); no allocation.
  explicit Тип(ВидТипа вид);

  static Тип структура(std::string имя);
  static Тип контракт(std::string имя);
  static Тип массив(Тип элемент, std::uint64_t размер);
  static Тип результат(Тип значение);
  static Тип список(Тип элемент);
  static Тип словарь(Тип ключ, Тип значение);
  static Тип канал(Тип элемент);
  static Тип опциональный(Тип внутренний);

  // The source is left `Неизвестен`.
  Тип(Тип&& другой) noexcept;
  // Safe when the source lives inside this type.
  Тип& operator=(Тип&& другой) noexcept;
  Тип(const Тип&) = delete;
  Тип& operator=(const Тип&) = delete;
  ~Тип();

  ВидТипа вид() const { return вид_; }
  bool это(ВидТипа вид) const { return вид_ == вид; }
  // `Структура` and `Контракт`: the name; empty for every other variant.
  const std::string& имя() const { return имя_; }
  // `Массив`: the element count; 0 for every other variant.
  std::uint64_t размер() const { return размер_; }
  // The one inner type of `Массив`, `Результат`, `Список`, `Канал`, `Опциональный`, and the key
  // of `Словарь`. Only for those variants.
  const Тип& внутренний() const { return *первый_; }
  const Тип& элемент() const { return *первый_; }
  const Тип& ключ() const { return *первый_; }
  // `Словарь`: the value type. Only for that variant.
  const Тип& значение() const { return *второй_; }

  // Moves the first or second part out, leaving this type without it: `Результат`(T) → T with no copy.
  Тип взять_внутренний() &&;
  Тип взять_значение() &&;

  // The parts, for the iterative walks: first and second child, absent when the variant has none.
  const Тип* первый_ребёнок() const { return первый_.get(); }
  const Тип* второй_ребёнок() const { return второй_.get(); }

 private:
  friend Тип копия_типа(const Тип& тип);

  ВидТипа вид_ = ВидТипа::Неизвестен;
  std::uint64_t размер_ = 0;
  std::string имя_;
  std::unique_ptr<Тип> первый_;
  std::unique_ptr<Тип> второй_;
};

// Same variant and equal payloads all the way down; no conversions (`Целое` ≠ `Целое8`).
bool типы_равны(const Тип& а, const Тип& б);
bool типы_равны(std::span<const Тип> а, std::span<const Тип> б);
// Consistent with типы_равны.
std::size_t хеш_типа(const Тип& тип);
std::size_t хеш_типов(std::span<const Тип> типы);

Тип копия_типа(const Тип& тип);
std::optional<Тип> копия_типа(const std::optional<Тип>& тип);
std::vector<Тип> копия_типов(std::span<const Тип> типы);

// A field of a struct as the analysis sees it.
struct ПолеТипа {
  std::string имя;
  Тип тип;
};
std::vector<ПолеТипа> копия_полей(std::span<const ПолеТипа> поля);

// `типы_параметров` in declaration order; `тип_возврата` absent when nothing is returned.
struct СигнатураФункции {
  std::vector<Тип> типы_параметров;
  std::optional<Тип> тип_возврата;
};
СигнатураФункции копия_сигнатуры(const СигнатураФункции& сигнатура);

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
