// The analysis of programs heavy in generics: time, and the peak of the heap during one
// analysis (the whole program's heap is counted, so the figure is the analysis's own).
// Lexing and parsing happen once, outside the timing.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>

#include "generic_programs.h"
#include "heap_meter.h"
#include "parser/front_end.h"
#include "semantic/text_check.h"

namespace {

тувра::РазобраннаяПрограмма разобрать(const std::string& текст) {
  auto разобрано = тувра::разобрать_текст(текст);
  if (!разобрано) std::abort();
  return std::move(разобрано).value();
}

// A program meant to pass must pass, one meant to stop at the budget must stop: otherwise the
// figure would measure something else.
void проанализировать(const тувра::Программа& программа, bool должна_пройти) {
  auto итог = тувра::проверить_программу(программа);
  if (итог.has_value() != должна_пройти) {
    std::fprintf(stderr, "неожиданный итог: %s\n", итог ? "успех" : итог.error().сообщение_ошибки.c_str());
    std::abort();
  }
}

void измерить(benchmark::State& состояние, const std::string& текст, bool должна_пройти) {
  const тувра::РазобраннаяПрограмма разобрано = разобрать(текст);
  std::size_t пик = 0;
  for (auto _ : состояние) {
    тувра::тест::начать_замер_кучи();
    проанализировать(разобрано.программа, должна_пройти);
    пик = std::max(пик, тувра::тест::пик_кучи());
  }
  состояние.counters["пик_МиБ"] = static_cast<double>(пик) / (1024.0 * 1024.0);
  состояние.counters["КиБ_текста"] = static_cast<double>(текст.size()) / 1024.0;
}

// About 73 KB of generic structs and chains of generic functions, analysed to its end.
void BM_ОбобщённаяПрограмма(benchmark::State& состояние) {
  измерить(состояние, тувра::тест::обобщённая_программа(73 * 1024), true);
}

// A generic struct of 2,000 methods constructed with 50 different type arguments.
void BM_ДвеТысячиМетодов(benchmark::State& состояние) {
  измерить(состояние, тувра::тест::структура_со_многими_методами(2000, 50), true);
}

// Functions asking for ветвей^(функций-1) instances: stopped by the budget.
void BM_ВеерИнстанциаций(benchmark::State& состояние) {
  измерить(состояние,
           тувра::тест::веер_инстанциаций(static_cast<std::size_t>(состояние.range(0)),
                                          static_cast<std::size_t>(состояние.range(1))),
           false);
}

// Sixteen generic functions of two calls each, 2.5 KB: 2^15 instances asked for, the budget of
// 10,000 reached after instances of two-statement bodies, as an editor sees at each keystroke.
void BM_ДокументДоБюджета(benchmark::State& состояние) {
  измерить(состояние, тувра::тест::веер_инстанциаций(16, 2), false);
  состояние.counters["на_экземпляр"] =
      benchmark::Counter(10000.0, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

}  // namespace

// The analysis runs on a thread of its own, so the figure is wall time.
BENCHMARK(BM_ОбобщённаяПрограмма)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ДвеТысячиМетодов)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ВеерИнстанциаций)->Args({20, 2})->Args({12, 4})->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ДокументДоБюджета)->Unit(benchmark::kMillisecond)->UseRealTime();
