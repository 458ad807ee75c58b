// Hover, completion and definition inside the process, on documents of 1,000 to 100,000 lines:
// what a request costs without the protocol. Hover and definition aim at the last declaration,
// so the whole document is lexed, parsed and searched; the word alone shows the line scan.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

#include "completion.h"
#include "constructs.h"
#include "definition.h"
#include "document_declarations.h"
#include "hover.h"
#include "word_under_cursor.h"

namespace {

// Fourteen lines a block: a struct with a method, a function with a loop.
std::string блок(std::size_t номер) {
  const std::string н = std::to_string(номер);
  return "структура Точка" + н + "\n  целое x;\n  дробное вес;\n  функция сдвинуть" + н + "(целое д): Точка" + н +
         "\n    вернуть это;\n  конец\nконец\nфункция обработать" + н +
         "(Список из целое числа, текст т): целое\n  целое итог = 0;\n  для каждого ч в числа\n"
         "    итог = итог + ч * 2;\n  конец\n  вернуть итог;\nконец\n";
}

struct Документ {
  std::string текст;
  std::uint32_t последняя_строка = 0;  // the line of the last function's keyword
};

Документ документ(std::size_t строк) {
  Документ д;
  std::size_t номер = 0;
  for (; (номер + 1) * 14 <= строк; ++номер) д.текст += блок(номер);
  д.последняя_строка = static_cast<std::uint32_t>(номер * 14 - 7);
  return д;
}

const тувра::url::Url& адрес() {
  static const тувра::url::Url uri = *тувра::url::parse("file:///bench.код");
  return uri;
}

void проверить(benchmark::State& state, const Документ& д) {
  if (!тувра::lsp::разобрать_документ(д.текст)) state.SkipWithError("the generated document does not parse");
  state.counters["bytes"] = static_cast<double>(д.текст.size());
}

void Hover(benchmark::State& state) {
  const Документ д = документ(static_cast<std::size_t>(state.range(0)));
  проверить(state, д);
  for (auto _ : state) {
    benchmark::DoNotOptimize(тувра::lsp::подсказка_при_наведении(д.текст, д.последняя_строка, 10));
  }
}

void Completion(benchmark::State& state) {
  const Документ д = документ(static_cast<std::size_t>(state.range(0)));
  проверить(state, д);
  for (auto _ : state) benchmark::DoNotOptimize(тувра::lsp::список_дополнений(д.текст));
}

void Definition(benchmark::State& state) {
  const Документ д = документ(static_cast<std::size_t>(state.range(0)));
  проверить(state, д);
  for (auto _ : state) {
    benchmark::DoNotOptimize(тувра::lsp::переход_к_определению(адрес(), д.текст, д.последняя_строка, 10));
  }
}

void WordUnderCursor(benchmark::State& state) {
  const Документ д = документ(static_cast<std::size_t>(state.range(0)));
  for (auto _ : state) {
    benchmark::DoNotOptimize(тувра::lsp::слово_под_курсором(д.текст, д.последняя_строка, 10));
  }
}

// Hover on the name of the function that holds the construct (constructs.h): the document is
// lexed and parsed whole, as for every request.
void HoverConstruct(benchmark::State& state, тувра::конструкции::Построить построить) {
  const std::string текст = построить();
  for (auto _ : state) benchmark::DoNotOptimize(тувра::lsp::подсказка_при_наведении(текст, 0, 8));
  state.counters["bytes"] = static_cast<double>(текст.size());
}

ТУВРА_БЕНЧМАРКИ_КОНСТРУКЦИЙ(HoverConstruct);
BENCHMARK(Hover)->Arg(1'000)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);
BENCHMARK(Completion)->Arg(1'000)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);
BENCHMARK(Definition)->Arg(1'000)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);
BENCHMARK(WordUnderCursor)->Arg(1'000)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMicrosecond);

}  // namespace
