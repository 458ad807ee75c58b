// The server parses the document URI of every notification it handles.
#include <benchmark/benchmark.h>

#include <string>

#include "url/url.h"

namespace {

void parse_each(benchmark::State& state, const std::string& uri) {
  for (auto _ : state) {
    auto url = тувра::url::parse(uri);
    benchmark::DoNotOptimize(url);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * uri.size()));
}

void BM_AsciiFilePath(benchmark::State& state) {
  parse_each(state, "file:///home/user/projects/tuvra/src/main/module.kod");
}

void BM_CyrillicFilePath(benchmark::State& state) {
  parse_each(state, "file:///home/user/проекты/тувра/исходники/главный.код");
}

void BM_WindowsDrivePath(benchmark::State& state) {
  parse_each(state, "file:///c%3A/Users/user/%D0%BF%D1%80%D0%BE%D0%B5%D0%BA%D1%82/a.%D0%BA%D0%BE%D0%B4");
}

void BM_InternationalHost(benchmark::State& state) { parse_each(state, "file://Сервер.пример/share/a.код"); }

void BM_LongPath(benchmark::State& state) {
  std::string uri = "file://";
  for (int i = 0; i < state.range(0); ++i) uri += "/каталог";
  parse_each(state, uri);
}

BENCHMARK(BM_AsciiFilePath);
BENCHMARK(BM_CyrillicFilePath);
BENCHMARK(BM_WindowsDrivePath);
BENCHMARK(BM_InternationalHost);
BENCHMARK(BM_LongPath)->Arg(100)->Arg(10000);

}  // namespace
