// The whole front end, разобрать_текст (lexing, parsing, the index rewrite) and freeing the
// tree, over generated programs of 1,000, 10,000 and 100,000 lines: structs with methods,
// generic functions, loops, branches, nested expressions and interpolated texts. Memory
// comes from the default allocator, as in the language server.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "constructs.h"
#include "lexer/lexer.h"
#include "parser/front_end.h"
#include "parser/parser.h"
#include "parser/program.h"

namespace {

// One unit of about thirty lines; `н` keeps the names of the units apart.
void дописать_единицу(std::string& текст, const std::string& н) {
  // Program text laid out as it reads.
  // clang-format off
  текст += "структура Точка" + н + " {\n"
           "  публично дробное x;\n"
           "  публично дробное y;\n"
           "  приватно Список из целых метки;\n"
           "  публично функция длина(): дробное {\n"
           "    вернуть корень(x * x + y * y);\n"
           "  }\n"
           "}\n"
           "\n"
           "функция обработать" + н + "<T: Сравнимый>(Список из Точка" + н + " точки, T предел): результат из текста\n"
           "  целое сумма = 0;\n"
           "  целое() значения = массив(1, 2, 3, 4);\n"
           "  Словарь из текста и целых счёт = Словарь из текст и целое();\n"
           "  для каждого п в точки\n"
           "    если (п.x > 0.5 и (п.y < предел или не п.метки.пусто()))\n"
           "      сумма = сумма + целое(п.x * 2.0) % 7 - значения(1);\n"
           "    иначе если (сумма >= 100)\n"
           "      прервать;\n"
           "    иначе\n"
           "      значения[2] = (сумма + 1) * 3 - (значения(0) << 2);\n"
           "    конец\n"
           "  конец\n"
           "  пока (сумма > 0) { сумма = сумма - наложить_маску(сумма, 15); }\n"
           "  счёт.вставить(\"сумма\", сумма);\n"
           "  печать(\"итог: ${сумма + значения(3)}, предел %предел% и $сумма\");\n"
           "  вернуть успех(\"готово\");\n"
           "конец\n"
           "\n";
  // clang-format on
}

std::string программа_строк(std::size_t строк) {
  std::string текст;
  std::string единица;
  дописать_единицу(единица, "0");
  const auto строк_в_единице = static_cast<std::size_t>(std::count(единица.begin(), единица.end(), '\n'));
  for (std::size_t номер = 0; номер * строк_в_единице < строк; ++номер) дописать_единицу(текст, std::to_string(номер));
  return текст;
}

void BM_ЛексерИРазбор(benchmark::State& состояние) {
  const std::string текст = программа_строк(static_cast<std::size_t>(состояние.range(0)));
  for (auto _ : состояние) {
    auto программа = тувра::разобрать_текст(текст);
    if (!программа) std::abort();
    benchmark::DoNotOptimize(программа->программа.объявления.begin());
  }
  состояние.SetBytesProcessed(static_cast<std::int64_t>(состояние.iterations() * текст.size()));
  состояние.counters["строк"] = static_cast<double>(std::count(текст.begin(), текст.end(), '\n'));
  // The tree's memory for each byte of text.
  const auto программа = тувра::разобрать_текст(текст);
  состояние.counters["дерево_на_байт"] =
      static_cast<double>(программа->арена.занято()) / static_cast<double>(текст.size());
}

// The parser's share of the above: parsing, the index rewrite and freeing the tree, from
// tokens lexed beforehand.
void BM_РазборТокенов(benchmark::State& состояние) {
  const std::string текст = программа_строк(static_cast<std::size_t>(состояние.range(0)));
  for (auto _ : состояние) {
    // The token list is move-only and views the text: lex it afresh outside the timing.
    состояние.PauseTiming();
    тувра::Лексер лексер = тувра::новый_лексер(текст);
    auto токены = тувра::разбить_на_токены(лексер);
    if (!токены) std::abort();
    состояние.ResumeTiming();
    тувра::Арена арена;
    тувра::Парсер парсер(std::move(*токены), арена);
    auto программа = тувра::разобрать_программу(парсер);
    if (!программа) std::abort();
    benchmark::DoNotOptimize(программа->объявления.begin());
  }
  состояние.SetBytesProcessed(static_cast<std::int64_t>(состояние.iterations() * текст.size()));
}

// The lexer's share of the above, to tell the two stages apart.
void BM_ТолькоЛексер(benchmark::State& состояние) {
  const std::string текст = программа_строк(static_cast<std::size_t>(состояние.range(0)));
  for (auto _ : состояние) {
    тувра::Лексер лексер = тувра::новый_лексер(текст);
    auto токены = тувра::разбить_на_токены(лексер);
    if (!токены) std::abort();
    benchmark::DoNotOptimize(&токены->back());
  }
  состояние.SetBytesProcessed(static_cast<std::int64_t>(состояние.iterations() * текст.size()));
}

// One document around one construct (constructs.h): lexing, parsing and the index rewrite, or
// the error the parse ends in; the tree's memory per byte of text.
void BM_РазборКонструкции(benchmark::State& состояние, тувра::конструкции::Построить построить) {
  const std::string текст = построить();
  for (auto _ : состояние) {
    auto программа = тувра::разобрать_текст(текст);
    benchmark::DoNotOptimize(программа.has_value());
  }
  состояние.SetBytesProcessed(static_cast<std::int64_t>(состояние.iterations() * текст.size()));
  const auto программа = тувра::разобрать_текст(текст);
  состояние.counters["разобрано"] = программа.has_value() ? 1 : 0;
  if (программа) {
    состояние.counters["дерево_на_байт"] =
        static_cast<double>(программа->арена.занято()) / static_cast<double>(текст.size());
  }
}

}  // namespace

ТУВРА_БЕНЧМАРКИ_КОНСТРУКЦИЙ(BM_РазборКонструкции);
BENCHMARK(BM_ТолькоЛексер)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ЛексерИРазбор)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_РазборТокенов)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
