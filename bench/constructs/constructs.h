// Documents built around one construct that once cost far more than its size: the parser,
// lexer and server benchmarks time them so that their cost stays in view.
#pragma once

#include <cstddef>
#include <string>

namespace тувра::конструкции {

inline constexpr std::size_t мегабайт = 1'000'000;

// `вывести(а < а, а, а, …)`: 980 comparisons among 25,000 arguments, each `а <` the start of a
// tentative reading of type arguments over the arguments after it; about 1 MB.
inline std::string сравнения_среди_аргументов() {
  const std::string имя = "значение_аргумента";
  constexpr std::size_t аргументов = 25'000;
  constexpr std::size_t сравнений = 980;
  constexpr std::size_t шаг = аргументов / сравнений;
  std::string текст = "функция ф()\n  целое " + имя + " = 1;\n  вывести(";
  for (std::size_t и = 0; и < аргументов; ++и) {
    if (и > 0) текст += ", ";
    текст += имя;
    if (и % шаг == 0 && и / шаг < сравнений) текст += " < " + имя;
  }
  текст += ");\nконец\n";
  return текст;
}

// 1 MB of two-byte statements `а;` in one body.
inline std::string инструкции_имени() {
  std::string текст = "функция ф()\n  целое а = 1;\n";
  while (текст.size() < мегабайт) текст += "  а;\n";
  текст += "конец\n";
  return текст;
}

// One `если` with `веток` links of `иначе если`.
inline std::string цепочка_иначе_если(std::size_t веток) {
  std::string текст = "функция ф(целое а)\n  если (а == 0)\n    вывести(0);\n";
  for (std::size_t и = 1; и <= веток; ++и) {
    const std::string номер = std::to_string(и);
    текст += "  иначе если (а == " + номер + ")\n    вывести(" + номер + ");\n";
  }
  текст += "  конец\nконец\n";
  return текст;
}

// A written type nested past the nesting limit by its array suffixes alone, about 1 MB: the
// parse ends at the limit.
inline std::string массив_за_пределом() {
  std::string текст = "функция ф()\n  целое";
  while (текст.size() < мегабайт) текст += "[1]";
  текст += " а = 5;\nконец\n";
  return текст;
}

inline std::string цепочка_1100() { return цепочка_иначе_если(1'100); }
inline std::string цепочка_100000() { return цепочка_иначе_если(100'000); }

using Построить = std::string (*)();

}  // namespace тувра::конструкции

// Registers `функция(state, построить)` once for each construct, under the construct's name.
#define ТУВРА_БЕНЧМАРКИ_КОНСТРУКЦИЙ(функция)                                                                         \
  BENCHMARK_CAPTURE(функция, сравнения_среди_аргументов, тувра::конструкции::сравнения_среди_аргументов)             \
      ->Unit(benchmark::kMillisecond);                                                                               \
  BENCHMARK_CAPTURE(функция, инструкции_имени, тувра::конструкции::инструкции_имени)->Unit(benchmark::kMillisecond); \
  BENCHMARK_CAPTURE(функция, цепочка_иначе_если_1100, тувра::конструкции::цепочка_1100)                              \
      ->Unit(benchmark::kMillisecond);                                                                               \
  BENCHMARK_CAPTURE(функция, цепочка_иначе_если_100000, тувра::конструкции::цепочка_100000)                          \
      ->Unit(benchmark::kMillisecond);                                                                               \
  BENCHMARK_CAPTURE(функция, массив_за_пределом, тувра::конструкции::массив_за_пределом)->Unit(benchmark::kMillisecond)
