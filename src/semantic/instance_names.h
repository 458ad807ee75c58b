// Names of generic instances: "{base}__{keyword}" and "{base}__{keyword}_{keyword}…".
#pragma once

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

}  // namespace тувра
