// Generated valid programs heavy in generics, for the tests and the benchmarks of the
// instantiation's bounds.
#pragma once

#include <cstddef>
#include <string>

namespace тувра::тест {

// `функций` generic functions, each calling the next with `ветвей` (1 to 4) type arguments
// built from its own (Список<Т>, канал<Т>, результат<Т>, Т[2]): ветвей^(функций - 1) distinct
// instances asked for by a document of a few lines per function.
std::string веер_инстанциаций(std::size_t функций, std::size_t ветвей);

// A generic struct of `методов` small methods, constructed with `аргументов` different struct types.
std::string структура_со_многими_методами(std::size_t методов, std::size_t аргументов);

// Units of about 7 KB until the text holds at least `байт`: per unit a generic struct, a chain
// of six generic functions each asking for the next with two growing type arguments, and a
// function using the chain with six types: about 750 instances per unit.
std::string обобщённая_программа(std::size_t байт);

}  // namespace тувра::тест
