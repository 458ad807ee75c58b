// Suggestions, the walks of deep types and the type table's hashing: all must stay linear in
// the size of their input.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "hash_flood.h"
#include "parser/front_end.h"
#include "semantic/suggestions.h"
#include "semantic/text_check.h"
#include "semantic/types.h"

namespace тувра {
namespace {

// An undeclared name among a realistic scope: a hundred variables, most far from it.
void BM_ПодсказкаСредиСотниИмён(benchmark::State& state) {
  std::vector<std::string> имена;
  for (int i = 0; i < 100; ++i) имена.push_back("переменная_" + std::to_string(i * 7919));
  std::vector<std::string_view> кандидаты(имена.begin(), имена.end());
  for (auto _ : state) benchmark::DoNotOptimize(подсказка_имени("переменая_7919", кандидаты));
}
BENCHMARK(BM_ПодсказкаСредиСотниИмён);

// A name of N characters against candidates of the same length: the band keeps it O(N).
void BM_ПодсказкаНаОгромномИмени(benchmark::State& state) {
  const auto длина = static_cast<std::size_t>(state.range(0));
  std::string имя(длина, 'a');
  std::string почти = имя;
  почти[длина / 2] = 'b';
  std::string далёкое(длина, 'c');
  std::vector<std::string_view> кандидаты = {далёкое, почти};
  for (auto _ : state) benchmark::DoNotOptimize(подсказка_имени(имя, кандидаты));
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_ПодсказкаНаОгромномИмени)->RangeMultiplier(10)->Range(1000, 1000000)->Complexity(benchmark::oN);

Тип глубокий_массив(ТаблицаТипов& таблица, std::size_t глубина) {
  Тип тип(ВидТипа::Целое);
  for (std::size_t i = 0; i < глубина; ++i) тип = таблица.массив(тип, 1);
  return тип;
}

// Copy, compare, hash and render an array type N levels deep.
void BM_ГлубокийТип(benchmark::State& state) {
  const auto глубина = static_cast<std::size_t>(state.range(0));
  ТаблицаТипов таблица;
  Тип тип = глубокий_массив(таблица, глубина);
  for (auto _ : state) {
    Тип копия = тип;
    benchmark::DoNotOptimize(типы_равны(тип, копия));
    benchmark::DoNotOptimize(хеш_типа(копия));
    benchmark::DoNotOptimize(отладочный_текст_типа(копия).size());
  }
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_ГлубокийТип)->RangeMultiplier(10)->Range(100, 100000)->Complexity(benchmark::oN);

// Primitive types are the common case: copying and rendering one allocates nothing.
void BM_ПримитивныйТип(benchmark::State& state) {
  Тип тип(ВидТипа::Целое64);
  std::string текст;
  for (auto _ : state) {
    Тип копия = тип;
    текст.clear();
    отладочный_текст_типа(копия, текст);
    benchmark::DoNotOptimize(текст.data());
  }
}
BENCHMARK(BM_ПримитивныйТип);

// The analysis of a document (parsed once, outside the timing), which must pass.
void проанализировать(benchmark::State& state, const std::string& текст) {
  auto разобрано = разобрать_текст(текст);
  if (!разобрано) std::abort();
  for (auto _ : state) {
    auto итог = проверить_программу(разобрано->программа);
    if (!итог) {
      std::fprintf(stderr, "неожиданная ошибка: %s\n", итог.error().сообщение_ошибки.c_str());
      std::abort();
    }
  }
  state.counters["КБ"] = static_cast<double>(текст.size()) / 1000.0;
}

// Array types whose sizes gave them one hash under the old mixing, against random sizes: the
// pairs must cost alike. The argument is the document's size in kilobytes.
void BM_МассивыОдногоСтарогоХеша(benchmark::State& state) {
  проанализировать(state, наводнение::объявления(static_cast<std::size_t>(state.range(0)) * 1000, true));
}
void BM_МассивыСлучайныхРазмеров(benchmark::State& state) {
  проанализировать(state, наводнение::объявления(static_cast<std::size_t>(state.range(0)) * 1000, false));
}
BENCHMARK(BM_МассивыОдногоСтарогоХеша)->Arg(100)->Arg(1000)->Arg(1300)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_МассивыСлучайныхРазмеров)->Arg(100)->Arg(1000)->Arg(1300)->Unit(benchmark::kMillisecond)->UseRealTime();

// 9,500 instances of a generic function, and of a generic struct, over such types.
void BM_ЭкземплярыФункцииОдногоСтарогоХеша(benchmark::State& state) {
  проанализировать(state, наводнение::экземпляры_функции(9500, true));
}
void BM_ЭкземплярыФункцииСлучайныхРазмеров(benchmark::State& state) {
  проанализировать(state, наводнение::экземпляры_функции(9500, false));
}
void BM_ЭкземплярыСтруктурыОдногоСтарогоХеша(benchmark::State& state) {
  проанализировать(state, наводнение::экземпляры_структуры(9500, true));
}
void BM_ЭкземплярыСтруктурыСлучайныхРазмеров(benchmark::State& state) {
  проанализировать(state, наводнение::экземпляры_структуры(9500, false));
}
BENCHMARK(BM_ЭкземплярыФункцииОдногоСтарогоХеша)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ЭкземплярыФункцииСлучайныхРазмеров)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ЭкземплярыСтруктурыОдногоСтарогоХеша)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ЭкземплярыСтруктурыСлучайныхРазмеров)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace тувра
