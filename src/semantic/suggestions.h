// The did-you-mean suffix of the undeclared-variable and undeclared-function messages.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace тувра {

struct Анализатор;

// " (может, вы имели в виду '…'?)" with the nearest candidate, or empty when none is near enough.
std::string подсказка_имени(std::string_view имя, std::span<const std::string_view> кандидаты);

// The first candidate at the smallest distance within the limit (1 for names under 3 characters,
// else min(n / 3, 3)); a candidate equal to the name is skipped; none for an empty name.
std::optional<std::string_view> ближайшее_имя(std::string_view имя, std::span<const std::string_view> кандидаты);

// Levenshtein distance over Unicode scalar values.
std::size_t расстояние_правки(std::string_view а, std::string_view б);
// The same distance when it is at most предел, else absent; costs O(предел · length).
std::optional<std::size_t> расстояние_правки_не_больше(std::string_view а, std::string_view б, std::size_t предел);

// The built-in functions a misspelt call may be corrected to, in their fixed order
// (every built-in except прочитать_указатель).
extern const std::array<std::string_view, 31> встроенные_имена_для_подсказки;

// Candidates for an undeclared variable: every variable of every scope, outermost first.
std::vector<std::string_view> кандидаты_переменных(const Анализатор& анализатор);
// Candidates for an undeclared function: реестр_функций in its order, then the built-ins.
std::vector<std::string_view> кандидаты_функций(const Анализатор& анализатор);

}  // namespace тувра
