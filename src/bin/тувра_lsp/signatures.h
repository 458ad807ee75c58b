// Parameters, fields and result types as hover and completion show them.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "syntax_tree/declaration.h"

namespace тувра::lsp {

// "{тип} {имя}"; a by-reference mark is not shown.
std::string строка_параметра(const Параметр& параметр);
std::vector<std::string> строки_параметров(СписокУзлов<Параметр> параметры);

// "    {тип} {имя};"; visibility and the weak mark are not shown.
std::string строка_поля(const ПолеСтруктуры& поле);
std::vector<std::string> строки_полей(СписокУзлов<ПолеСтруктуры> поля);

// ": {тип}".
std::string суффикс_возврата(const СинтаксическийТип& тип);

// The one place where hover and completion differ: hover writes ": " after the parameters for
// every written result type, completion only when the type's text is not empty.
enum class ПустойРезультат { с_двоеточием, без_суффикса };

// "({параметры})", then the result suffix of a result type, if any, as `пустой` says.
std::string сигнатура(СписокУзлов<Параметр> параметры, const std::optional<СинтаксическийТип>& результат,
                      ПустойРезультат пустой);

std::string соединить(const std::vector<std::string>& части, std::string_view разделитель);

}  // namespace тувра::lsp
