// Short ways to build syntax-tree values in tests. Every tree lives in one arena that stays
// until the test program ends.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "syntax_tree/syntax_tree.h"

namespace тувра::проба {

inline Арена& арена() {
  static Арена арена;
  return арена;
}

// Where the tests put copies, apart from the trees they copy.
inline Арена& арена_копий() {
  static Арена арена;
  return арена;
}

template <class Т>
Указатель<Т> ящик(Т значение) {
  return арена().ящик(std::move(значение));
}

inline std::string_view текст(std::string_view т) { return арена().текст(т); }

// A finished list moved into the arena.
template <class Т>
СписокУзлов<Т> в_арену(std::vector<Т>&& элементы) {
  return арена().список(std::span<Т>(элементы));
}

template <class Т, class... Э>
СписокУзлов<Т> список(Э&&... элементы) {
  std::vector<Т> итог;
  // In place: moving a temporary node in trips a false -Wmaybe-uninitialized in GCC 12 at -O3.
  (итог.emplace_back(std::forward<Э>(элементы)), ...);
  return в_арену(std::move(итог));
}

inline УзелВыражения имя(std::string_view имя) { return УзелВыражения::Идентификатор{текст(имя)}; }
inline УзелВыражения целое(std::int64_t значение) { return УзелВыражения::ЦелоеЛит{значение}; }
inline УзелВыражения бинарное(УзелВыражения левое, БинарныйОператор оператор, УзелВыражения правое) {
  return УзелВыражения::Бинарное{ящик(std::move(левое)), оператор, ящик(std::move(правое))};
}
inline УзелВыражения унарное(УнарныйОператор оператор, УзелВыражения операнд) {
  return УзелВыражения::Унарное{оператор, ящик(std::move(операнд))};
}
inline УзелВыражения вызов(std::string_view имя, СписокУзлов<УзелВыражения> аргументы) {
  return УзелВыражения::ВызовФункции{текст(имя), {}, аргументы};
}

inline СинтаксическийТип свой_тип(std::string_view имя) { return СинтаксическийТип::Пользовательский{текст(имя)}; }
inline СинтаксическийТип массив(СинтаксическийТип элемент, std::optional<std::int64_t> размер) {
  return СинтаксическийТип::Массив{ящик(std::move(элемент)), размер};
}
inline СинтаксическийТип опциональный(СинтаксическийТип внутренний) {
  return СинтаксическийТип::Опциональный{ящик(std::move(внутренний))};
}
inline СинтаксическийТип обобщённый(std::string_view имя, СписокУзлов<СинтаксическийТип> параметры) {
  return СинтаксическийТип::Обобщённый{текст(имя), параметры};
}

inline Инструкция выражение_в_строке(УзелВыражения выражение, std::size_t строка) {
  return Инструкция(Инструкция::ИнструкцияВыражение{std::move(выражение)}, строка);
}

}  // namespace тувра::проба
