// The built server over pipes: a didChange until its publishDiagnostics, and hover, completion
// and definition requests, on documents of 1,000 to 100,000 lines; beside them the protocol
// alone (framing and JSON of the same messages, in process, without the check); and the
// server's peak memory with the largest document open. TUVRA_LSP_SERVER and
// TUVRA_LSP_EMULATOR time another server instead, such as the Windows one under Wine.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <fstream>
#include <map>
#include <memory>
#include <string>

#include "constructs.h"
#include "memory_stream.h"
#include "protocol.h"
#include "server_process.h"
#include "transport/json_reader.h"
#include "transport/message.h"

namespace {

using json = nlohmann::json;
using namespace тувра::lsp;
using namespace тувра::lsp::проверка;

const std::string uri = "file:///tmp/%D0%B1%D0%B5%D0%BD%D1%87.код";

// Valid code of about `строк` lines: structs with methods, functions with loops and branches.
std::string документ(int строк) {
  std::string текст;
  int n = 0;
  for (int i = 0; n < строк; ++i) {
    const std::string номер = std::to_string(i);
    // Program text laid out as it reads.
    // clang-format off
    текст += "// Учёт точек, часть " + номер + "\n"
             "структура Точка" + номер + "\n"
             "  публично целое х;\n"
             "  публично целое у;\n"
             "  публично функция длина(): целое\n"
             "    вернуть это.х * это.х + это.у * это.у;\n"
             "  конец\n"
             "конец\n"
             "\n"
             "функция сумма" + номер + "(целое а, целое б): целое\n"
             "  целое итог = а + б;\n"
             "  пока (итог > 100)\n"
             "    итог = итог - 1;\n"
             "  конец\n"
             "  если (итог < 0)\n"
             "    вернуть 0;\n"
             "  иначе\n"
             "    вернуть итог;\n"
             "  конец\n"
             "конец\n";
    // clang-format on
    n += 20;
  }
  return текст;
}

json изменение(const std::string& текст, int версия) {
  return {{"jsonrpc", "2.0"},
          {"method", "textDocument/didChange"},
          {"params", {{"textDocument", {{"uri", uri}, {"version", версия}}}, {"contentChanges", {{{"text", текст}}}}}}};
}

json запрос_позиции(int id, const char* метод, unsigned строка, unsigned знак) {
  return {{"jsonrpc", "2.0"},
          {"id", id},
          {"method", метод},
          {"params", {{"textDocument", {{"uri", uri}}}, {"position", {{"line", строка}, {"character", знак}}}}}};
}

// One server per document size, started on first use with the document open.
struct Сервер {
  std::unique_ptr<ПроцессСервера> процесс;
  std::string текст;
  int следующий_id = 10;
};

Сервер& сервер(int строк) {
  static std::map<int, Сервер> серверы;
  auto& с = серверы[строк];
  if (!с.процесс) {
    с.процесс = std::make_unique<ПроцессСервера>();
    с.текст = документ(строк);
    с.процесс->отправить(
        {{"jsonrpc", "2.0"}, {"id", 1}, {"method", "initialize"}, {"params", {{"capabilities", json::object()}}}});
    с.процесс->отправить({{"jsonrpc", "2.0"}, {"method", "initialized"}, {"params", json::object()}});
    с.процесс->следующее();
    с.процесс->отправить(
        {{"jsonrpc", "2.0"},
         {"method", "textDocument/didOpen"},
         {"params", {{"textDocument", {{"uri", uri}, {"languageId", "tuvra"}, {"version", 1}, {"text", с.текст}}}}}});
    auto опубликовано = с.процесс->следующее(std::chrono::seconds(120));
    if (!опубликовано || !(*опубликовано)["params"]["diagnostics"].empty()) {
      std::fprintf(stderr, "the generated document does not check clean: %s\n",
                   опубликовано ? опубликовано->dump().c_str() : "no reply");
      std::abort();
    }
  }
  return с;
}

void RoundTripDidChange(benchmark::State& state) {
  auto& с = сервер(static_cast<int>(state.range(0)));
  const std::string кадры[2] = {кадр_json(изменение(с.текст + "// 1\n", 2)), кадр_json(изменение(с.текст, 3))};
  int i = 0;
  for (auto _ : state) {
    с.процесс->записать(кадры[i++ & 1]);
    auto ответ = с.процесс->следующее(std::chrono::seconds(120));
    if (!ответ) state.SkipWithError("no publishDiagnostics");
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * кадры[0].size()));
}

void RequestAt(benchmark::State& state, const char* метод, unsigned строка, unsigned знак) {
  auto& с = сервер(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    с.процесс->отправить(запрос_позиции(с.следующий_id++, метод, строка, знак));
    auto ответ = с.процесс->следующее(std::chrono::seconds(120));
    if (!ответ || ответ->contains("error")) state.SkipWithError("no answer");
  }
}

// Near the end of the document, on the name of a function declared at its start.
void HoverRequest(benchmark::State& state) { RequestAt(state, "textDocument/hover", 9, 10); }
void CompletionRequest(benchmark::State& state) { RequestAt(state, "textDocument/completion", 10, 2); }
void DefinitionRequest(benchmark::State& state) { RequestAt(state, "textDocument/definition", 9, 10); }

// Framing, simdjson, conversion to the params type and the reply's JSON text, in process.
void ProtocolOnly(benchmark::State& state) {
  const std::string текст = документ(static_cast<int>(state.range(0)));
  const std::string ввод = кадр_json(изменение(текст, 2));
  auto адрес = тувра::url::parse(uri);
  ЧтецJson чтец_json;
  for (auto _ : state) {
    ИсточникВПамяти источник(ввод);
    ЧтецКадров кадры(источник, запас_для_json());
    auto сообщение = прочитать_сообщение(кадры, чтец_json);
    if (!сообщение || !*сообщение) state.SkipWithError("not read");
    auto& уведомление = std::get<Notification>(**сообщение);
    auto параметры = из_json<DidChangeTextDocumentParams>(std::move(уведомление.params));
    if (!параметры) state.SkipWithError("not converted");
    benchmark::DoNotOptimize(параметры->contentChanges.back().text.data());
    const PublishDiagnosticsParams ответ{*адрес, {}, std::nullopt};
    auto вывод = кадр(json_в_текст(сообщение_в_json(Notification{"textDocument/publishDiagnostics", json(ответ)})));
    benchmark::DoNotOptimize(вывод.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * ввод.size()));
}

long пик_памяти_кб(int pid) {
  std::ifstream статус("/proc/" + std::to_string(pid) + "/status");
  std::string строка;
  while (std::getline(статус, строка)) {
    if (строка.rfind("VmHWM:", 0) == 0) return std::stol(строка.substr(6));
  }
  return -1;
}

// A fresh server with the document opened once, as an editor does.
void PeakMemory(benchmark::State& state) {
  const std::string текст = документ(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    ПроцессСервера процесс;
    процесс.отправить(
        {{"jsonrpc", "2.0"}, {"id", 1}, {"method", "initialize"}, {"params", {{"capabilities", json::object()}}}});
    процесс.отправить({{"jsonrpc", "2.0"}, {"method", "initialized"}, {"params", json::object()}});
    процесс.отправить(
        {{"jsonrpc", "2.0"},
         {"method", "textDocument/didOpen"},
         {"params", {{"textDocument", {{"uri", uri}, {"languageId", "tuvra"}, {"version", 1}, {"text", текст}}}}}});
    процесс.следующее(std::chrono::seconds(120));
    процесс.следующее(std::chrono::seconds(120));
    const long кб = пик_памяти_кб(процесс.pid());
    state.counters["VmHWM_MB"] = static_cast<double>(кб) / 1024.0;
    state.counters["times_document"] = static_cast<double>(кб) * 1024.0 / static_cast<double>(текст.size());
    state.counters["document_MB"] = static_cast<double>(текст.size()) / 1e6;
  }
}

// One construct (constructs.h) in a server of its own: a didChange until its
// publishDiagnostics, whatever they say, and the server's peak memory with it open.
void DidChangeConstruct(benchmark::State& state, тувра::конструкции::Построить построить) {
  const std::string текст = построить();
  ПроцессСервера процесс;
  процесс.отправить(
      {{"jsonrpc", "2.0"}, {"id", 1}, {"method", "initialize"}, {"params", {{"capabilities", json::object()}}}});
  процесс.отправить({{"jsonrpc", "2.0"}, {"method", "initialized"}, {"params", json::object()}});
  процесс.следующее();
  const std::string кадры[2] = {кадр_json(изменение(текст + "// 1\n", 2)), кадр_json(изменение(текст, 3))};
  int i = 0;
  for (auto _ : state) {
    процесс.записать(кадры[i++ & 1]);
    if (!процесс.следующее(std::chrono::seconds(120))) state.SkipWithError("no publishDiagnostics");
  }
  const long кб = пик_памяти_кб(процесс.pid());
  state.counters["VmHWM_MB"] = static_cast<double>(кб) / 1024.0;
  state.counters["times_document"] = static_cast<double>(кб) * 1024.0 / static_cast<double>(текст.size());
}

}  // namespace

ТУВРА_БЕНЧМАРКИ_КОНСТРУКЦИЙ(DidChangeConstruct);
BENCHMARK(RoundTripDidChange)->Arg(1'000)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);
BENCHMARK(HoverRequest)->Arg(1'000)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);
BENCHMARK(CompletionRequest)->Arg(1'000)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);
BENCHMARK(DefinitionRequest)->Arg(1'000)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);
BENCHMARK(ProtocolOnly)->Arg(1'000)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);
BENCHMARK(PeakMemory)->Arg(100'000)->Iterations(1)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
