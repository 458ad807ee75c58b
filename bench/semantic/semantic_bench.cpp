// The semantic analysis alone (проверить_программу, a fresh analyser each time) over generated
// valid programs of 1,000, 10,000 and 100,000 lines: contracts, structs with private fields
// and methods, generic structs and functions, lists, dictionaries, arrays, loops and branches.
// Lexing and parsing happen once, outside the timing.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>

#include "parser/front_end.h"
#include "semantic/text_check.h"

namespace {

// One unit of about fifty lines; `н` keeps the names of the units apart.
void дописать_единицу(std::string& текст, const std::string& н) {
  // Program text laid out as it reads.
  // clang-format off
  текст += "контракт Фигура" + н + "\n"
           "  функция площадь(): целое;\n"
           "конец\n"
           "структура Квадрат" + н + " : Фигура" + н + "\n"
           "  публично целое сторона;\n"
           "  приватно Список из целое метки;\n"
           "  функция площадь(): целое\n"
           "    вернуть это.сторона * это.сторона;\n"
           "  конец\n"
           "  функция пометить(целое м)\n"
           "    это.метки.добавить(м);\n"
           "  конец\n"
           "конец\n"
           "структура Ящик" + н + "<Т>\n"
           "  Т значение;\n"
           "  функция взять(): Т\n"
           "    вернуть это.значение;\n"
           "  конец\n"
           "конец\n"
           "функция первое" + н + "<Т>(Т а, Т б): Т\n"
           "  вернуть а;\n"
           "конец\n"
           "функция обработать" + н + "(Квадрат" + н + " к): целое\n"
           "  целое сумма = 0;\n"
           "  целое[4] значения = [1, 2, 3, 4];\n"
           "  Словарь из текст и целое счёт = Словарь из текст и целое();\n"
           "  Список из целое список = Список из целое();\n"
           "  для каждого з в значения\n"
           "    если (з > 2 и сумма < 100)\n"
           "      сумма = сумма + з * 2;\n"
           "    иначе\n"
           "      продолжить;\n"
           "    конец\n"
           "  конец\n"
           "  пока (сумма > 10)\n"
           "    сумма = сумма - 3;\n"
           "    если (сумма == 50)\n"
           "      прервать;\n"
           "    конец\n"
           "  конец\n"
           "  список.добавить(сумма);\n"
           "  Ящик" + н + "<целое> я = Ящик" + н + "<целое>(сумма);\n"
           "  Фигура" + н + " ф = к;\n"
           "  сумма = сумма + первое" + н + "<целое>(я.взять(), ф.площадь());\n"
           "  счёт.положить(\"сумма\", сумма);\n"
           "  неизменно текст итог = \"сумма: ${сумма}\";\n"
           "  вывести(итог);\n"
           "  вернуть сумма;\n"
           "конец\n";
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

тувра::РазобраннаяПрограмма разобрать(const std::string& текст) {
  auto разобрано = тувра::разобрать_текст(текст);
  if (!разобрано) std::abort();
  return std::move(разобрано).value();
}

// One whole analysis; the figure would measure an early stop if the program had an error.
void проанализировать(const тувра::Программа& программа) {
  auto итог = тувра::проверить_программу(программа);
  if (!итог) {
    std::fprintf(stderr, "программа теста с ошибкой: %s\n", итог.error().сообщение_ошибки.c_str());
    std::abort();
  }
}

void BM_Анализ(benchmark::State& состояние) {
  const std::string текст = программа_строк(static_cast<std::size_t>(состояние.range(0)));
  const тувра::РазобраннаяПрограмма разобрано = разобрать(текст);
  const тувра::Программа& программа = разобрано.программа;
  проанализировать(программа);
  for (auto _ : состояние) проанализировать(программа);
  состояние.counters["строк"] = static_cast<double>(std::count(текст.begin(), текст.end(), '\n'));
}

}  // namespace

// The analysis runs on a thread of its own, so the figure is wall time.
BENCHMARK(BM_Анализ)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();
