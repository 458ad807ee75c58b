// The search over a large catalog (every name and description lower-cased per query) and
// the add command's duplicate test over a long manifest.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "catalog_lookup.h"
#include "line_format.h"
#include "manifest_append.h"

namespace {

using namespace тувра::пакеты;

std::string каталог_текстом(int записей) {
  std::string текст;
  for (int i = 0; i < записей; ++i) {
    const std::string н = std::to_string(i);
    текст += "Пакет_" + н + " = git https://example.com/пакеты/" + н + " версия=^1." + н +
             ".0 описание=\"Библиотека номер " + н + " для РАБОТЫ с текстом и числами\"\n";
  }
  return текст;
}

void BM_ПоискПоКаталогу(benchmark::State& state) {
  const auto каталог = разобрать_зависимости(каталог_текстом(static_cast<int>(state.range(0))));
  const std::string запрос = в_нижний_регистр("ЧИСЛАМИ");
  for (auto _ : state) {
    std::size_t найдено = 0;
    for (const Зависимость& запись : *каталог) найдено += подходит_под_запрос(запрос, запись);
    benchmark::DoNotOptimize(найдено);
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ПоискПоКаталогу)->Arg(1000)->Arg(10000);

void BM_ИмяВМанифесте(benchmark::State& state) {
  const std::string манифест = каталог_текстом(static_cast<int>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(имя_в_манифесте(манифест, "нет_такого"));
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(манифест.size()));
}
BENCHMARK(BM_ИмяВМанифесте)->Arg(1000);

}  // namespace
