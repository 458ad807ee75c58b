// Names of generic instances: "{base}__{keyword}" and "{base}__{keyword}_{keyword}…".
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

#include "semantic/types.h"

namespace тувра {

// обмен with `Целое` → обмен__целое; with `Структура("Точка")` → обмен__Точка.
std::string имя_экземпляра(std::string_view база, const Тип& аргумент);
// Пара with (`Целое`, `Текст`) → Пара__целое_текст.
std::string имя_экземпляра_нескольких(std::string_view база, std::span<const Тип> аргументы);
// The key of a method instance: "{struct}::{instance method name}".
std::string ключ_экземпляра_метода(std::string_view структура, std::string_view имя_метода_экземпляра);

// An instance name built no further than just past a bound: escaped quotes can double a name
// with every level of nesting, so it is never built whole before its length is known.
struct ИмяЭкземпляра {
  // The whole name when в_пределе; else its first bound + 1 bytes.
  std::string имя;
  bool в_пределе = true;
};
ИмяЭкземпляра имя_экземпляра_в_пределе(std::string_view база, std::span<const Тип> аргументы, std::size_t предел);

}  // namespace тувра
