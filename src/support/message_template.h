// Messages made of a fixed template and placed values: each "{}" of the template takes the
// next value in turn. Every stage lists its messages in one table of this form, a row per kind
// in the kinds' order, and finds it by `таблица_сообщений(вид)` declared beside its kinds.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>

namespace тувра {

// A place with no value left to take stays empty; values beyond the places are dropped.
inline std::string заполнить_шаблон(std::string_view шаблон, std::initializer_list<std::string_view> значения) {
  std::size_t длина = шаблон.size();
  for (std::string_view значение : значения) длина += значение.size();
  std::string текст;
  текст.reserve(длина);
  auto значение = значения.begin();
  std::size_t начало = 0;
  for (std::size_t место = шаблон.find("{}"); место != std::string_view::npos; место = шаблон.find("{}", начало)) {
    текст.append(шаблон.substr(начало, место - начало));
    if (значение != значения.end()) текст.append(*значение++);
    начало = место + 2;
  }
  текст.append(шаблон.substr(начало));
  return текст;
}

// How many values the template places.
constexpr std::size_t мест_в_шаблоне(std::string_view шаблон) {
  std::size_t мест = 0;
  for (std::size_t место = шаблон.find("{}"); место != std::string_view::npos; место = шаблон.find("{}", место + 2)) {
    ++мест;
  }
  return мест;
}

// One row of a stage's table: the kind, its template, and its name as written, for reports.
template <class Вид>
struct СтатьяСообщения {
  Вид вид;
  std::string_view шаблон;
  std::string_view имя;
};

// A message with its kind, before a stage places it.
template <class Вид>
struct Сообщение {
  Вид вид;
  std::string текст;
};

// Whether every row of a table stands at the place of its kind, as статья expects.
template <class Таблица>
constexpr bool по_порядку_видов(const Таблица& таблица) {
  for (std::size_t место = 0; место < таблица.size(); ++место) {
    if (static_cast<std::size_t>(таблица[место].вид) != место) return false;
  }
  return true;
}

template <class Вид>
constexpr const СтатьяСообщения<Вид>& статья(Вид вид) {
  return таблица_сообщений(вид)[static_cast<std::size_t>(вид)];
}

// The template of вид filled with exactly as many values as it has places.
template <auto вид, class... Значения>
Сообщение<decltype(вид)> сообщение(const Значения&... значения) {
  constexpr std::string_view шаблон = статья(вид).шаблон;
  static_assert(мест_в_шаблоне(шаблон) == sizeof...(Значения), "one value for every place of the template");
  return {вид, заполнить_шаблон(шаблон, {std::string_view(значения)...})};
}

}  // namespace тувра
