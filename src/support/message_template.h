// Messages made of a fixed template and placed values: each "{}" of the template takes the
// next value in turn. Every stage lists its templates in one table and fills them here.
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

}  // namespace тувра
