// Short ways to build syntax-tree values in tests.
#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "syntax_tree/syntax_tree.h"

namespace тувра::проба {

template <class Т>
std::unique_ptr<Т> ящик(Т значение) {
  return std::make_unique<Т>(std::move(значение));
}

template <class Т, class... Э>
std::vector<Т> список(Э&&... элементы) {
  std::vector<Т> итог;
  // In place: moving a temporary node in trips a false -Wmaybe-uninitialized in GCC 12 at -O3.
  (итог.emplace_back(std::forward<Э>(элементы)), ...);
  return итог;
}

inline УзелВыражения имя(std::string имя) { return УзелВыражения::Идентификатор{std::move(имя)}; }
inline УзелВыражения целое(std::int64_t значение) { return УзелВыражения::ЦелоеЛит{значение}; }
inline УзелВыражения бинарное(УзелВыражения левое, БинарныйОператор оператор, УзелВыражения правое) {
  return УзелВыражения::Бинарное{ящик(std::move(левое)), оператор, ящик(std::move(правое))};
}
inline УзелВыражения унарное(УнарныйОператор оператор, УзелВыражения операнд) {
  return УзелВыражения::Унарное{оператор, ящик(std::move(операнд))};
}
inline УзелВыражения вызов(std::string имя, std::vector<УзелВыражения> аргументы) {
  return УзелВыражения::ВызовФункции{std::move(имя), {}, std::move(аргументы)};
}

inline СинтаксическийТип свой_тип(std::string имя) { return СинтаксическийТип::Пользовательский{std::move(имя)}; }
inline СинтаксическийТип массив(СинтаксическийТип элемент, std::optional<std::int64_t> размер) {
  return СинтаксическийТип::Массив{ящик(std::move(элемент)), размер};
}
inline СинтаксическийТип опциональный(СинтаксическийТип внутренний) {
  return СинтаксическийТип::Опциональный{ящик(std::move(внутренний))};
}
inline СинтаксическийТип обобщённый(std::string имя, std::vector<СинтаксическийТип> параметры) {
  return СинтаксическийТип::Обобщённый{std::move(имя), std::move(параметры)};
}

inline Инструкция выражение_в_строке(УзелВыражения выражение, std::size_t строка) {
  return Инструкция(Инструкция::ИнструкцияВыражение{std::move(выражение)}, строка);
}

}  // namespace тувра::проба
