// A type as written in the source, before any meaning is given to its names.
//
// Ownership and copies of every syntax-tree node: a node owns its texts, lists and boxed
// children outright and is move-only; a deep copy is always the explicit копия_… function,
// never a copy constructor. Destroying, copying, comparing and rendering are iterative,
// so a chain of any depth (`целое??…?`, `Список из Список из …`) cannot exhaust the stack.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "syntax_tree/node_variant.h"

namespace тувра {

class СинтаксическийТип;

// The alternatives stand outside the node class so that they are complete types while the
// class itself is not; use them by the class's names (`СинтаксическийТип::Массив`).
namespace узлы_типа {

struct Целое {};
struct Целое8 {};
struct Целое16 {};
struct Целое32 {};
struct Целое64 {};
struct Беззнак8 {};
struct Беззнак16 {};
struct Беззнак32 {};
struct Беззнак64 {};
struct Дробное {};
struct Дробное32 {};
struct Дробное64 {};
struct Текст {};
struct Верно {};
// Any other name: a struct, a contract or a type parameter.
struct Пользовательский {
  std::string имя;
};
// A name with type arguments: `Пара<целое, текст>`, `Словарь из K и V`.
struct Обобщённый {
  std::string имя;
  std::vector<СинтаксическийТип> параметры;
};
struct Массив {
  std::unique_ptr<СинтаксическийТип> элемент;
  std::optional<std::int64_t> размер;
};
struct Опциональный {
  std::unique_ptr<СинтаксическийТип> внутренний;
};
struct Результат {
  std::unique_ptr<СинтаксическийТип> внутренний;
};
struct Канал {
  std::unique_ptr<СинтаксическийТип> внутренний;
};

}  // namespace узлы_типа

class СинтаксическийТип {
 public:
  using Целое = узлы_типа::Целое;
  using Целое8 = узлы_типа::Целое8;
  using Целое16 = узлы_типа::Целое16;
  using Целое32 = узлы_типа::Целое32;
  using Целое64 = узлы_типа::Целое64;
  using Беззнак8 = узлы_типа::Беззнак8;
  using Беззнак16 = узлы_типа::Беззнак16;
  using Беззнак32 = узлы_типа::Беззнак32;
  using Беззнак64 = узлы_типа::Беззнак64;
  using Дробное = узлы_типа::Дробное;
  using Дробное32 = узлы_типа::Дробное32;
  using Дробное64 = узлы_типа::Дробное64;
  using Текст = узлы_типа::Текст;
  using Верно = узлы_типа::Верно;
  using Пользовательский = узлы_типа::Пользовательский;
  using Обобщённый = узлы_типа::Обобщённый;
  using Массив = узлы_типа::Массив;
  using Опциональный = узлы_типа::Опциональный;
  using Результат = узлы_типа::Результат;
  using Канал = узлы_типа::Канал;

  using Вариант = std::variant<Целое, Целое8, Целое16, Целое32, Целое64, Беззнак8, Беззнак16, Беззнак32,
                               Беззнак64, Дробное, Дробное32, Дробное64, Текст, Верно, Пользовательский,
                               Обобщённый, Массив, Опциональный, Результат, Канал>;

  Вариант вид;

  // `Целое`; a placeholder that copies and parsers overwrite.
  СинтаксическийТип() = default;
  template <class А>
    requires альтернатива_варианта<А, Вариант>
  СинтаксическийТип(А&& альтернатива) : вид(std::forward<А>(альтернатива)) {}

  СинтаксическийТип(СинтаксическийТип&&) noexcept = default;
  // Safe when the source lives inside this node (`тип = std::move(*внутренний)`).
  СинтаксическийТип& operator=(СинтаксическийТип&& другой) noexcept;
  СинтаксическийТип(const СинтаксическийТип&) = delete;
  СинтаксическийТип& operator=(const СинтаксическийТип&) = delete;
  ~СинтаксическийТип();

  // Structural: same variants, same fields, all the way down.
  bool operator==(const СинтаксическийТип& другой) const;
};

СинтаксическийТип копия_синтаксического_типа(const СинтаксическийТип& тип);
std::vector<СинтаксическийТип> копия_списка_синтаксических_типов(const std::vector<СинтаксическийТип>& типы);

// Debug rendering: `Целое`, `Пользовательский("Точка")`, `Массив { элемент: Целое, размер: Some(5) }`.
void отладочный_текст_синтаксического_типа(const СинтаксическийТип& тип, std::string& куда);
std::string отладочный_текст_синтаксического_типа(const СинтаксическийТип& тип);

// The type as source words: `целое`, `Словарь из текст и целое`, `целое(5)`, `целое8()?`.
std::string тип_в_текст(const СинтаксическийТип& тип);

}  // namespace тувра
