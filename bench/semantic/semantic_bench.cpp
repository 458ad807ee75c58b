// The semantic analysis alone (проверить_программу, a fresh analyser each time) over generated
// valid programs of 1,000, 10,000 and 100,000 lines: contracts, structs with private fields
// and methods, generic structs and functions, lists, dictionaries, arrays, loops and branches;
// and over documents of about 1 MB built around one construct each, whose cost must stay
// linear in the document. Lexing and parsing happen once, outside the timing.
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

// --- documents of one construct ---

constexpr std::size_t мегабайт = 1000000;

// `целое[1]` nested глубина levels.
std::string глубокий_массив(std::size_t глубина) {
  std::string тип = "целое";
  for (std::size_t i = 0; i < глубина; ++i) тип += "[1]";
  return тип;
}

// `Словарь<…, …>` nested уровней levels over `целое`: 2^(уровней + 1) − 1 parts.
std::string широкий_словарь(std::size_t уровней) {
  if (уровней == 0) return "целое";
  const std::string часть = широкий_словарь(уровней - 1);
  return "Словарь<" + часть + ", " + часть + ">";
}

// A parameter of the type read again and again until the document holds about a megabyte.
std::string чтения_переменной(const std::string& тип) {
  std::string текст = "функция г(" + тип + " а): " + тип + "\n";
  while (текст.size() < мегабайт) текст += "  а;\n  г(а);\n  а == а;\n";
  текст += "  вернуть а;\nконец\n";
  return текст;
}

// A struct naming the one contract of one method again and again.
std::string повторённый_контракт(const std::string& тип) {
  std::string текст = "контракт К\n  функция м(" + тип + " а);\nконец\nструктура С : К";
  const std::size_t метод = тип.size() + 40;
  while (текст.size() + метод < мегабайт) текст += ", К";
  текст += "\n  функция м(" + тип + " а)\n  конец\nконец\n";
  return текст;
}

// A contract of n/100 small methods, named n/8 times by a struct that has them all.
std::string повторённый_большой_контракт(std::size_t n) {
  std::string контракт = "контракт К\n";
  std::string методы;
  for (std::size_t i = 0; i < n / 100; ++i) {
    const std::string имя = "м" + std::to_string(i);
    контракт += "  функция " + имя + "(целое а);\n";
    методы += "  функция " + имя + "(целое а)\n  конец\n";
  }
  std::string текст = контракт + "конец\nструктура С : К";
  for (std::size_t i = 1; i < n / 8; ++i) текст += ", К";
  return текст + "\n" + методы + "конец\n";
}

// A struct naming many contracts, passed again and again where the last of them is expected.
std::string много_контрактов(std::size_t контрактов, std::size_t вызовов) {
  std::string текст;
  for (std::size_t i = 0; i < контрактов; ++i) текст += "контракт К" + std::to_string(i) + "\nконец\n";
  текст += "структура С : К0";
  for (std::size_t i = 1; i < контрактов; ++i) текст += ", К" + std::to_string(i);
  текст += "\nконец\nфункция ф(К" + std::to_string(контрактов - 1) + " к)\nконец\nфункция главная()\n  С с = С();\n";
  for (std::size_t i = 0; i < вызовов; ++i) текст += "  ф(с);\n";
  return текст + "конец\n";
}

void проанализировать_документ(benchmark::State& состояние, const std::string& текст) {
  const тувра::РазобраннаяПрограмма разобрано = разобрать(текст);
  проанализировать(разобрано.программа);
  for (auto _ : состояние) проанализировать(разобрано.программа);
  состояние.counters["байт"] = static_cast<double>(текст.size());
}

// 1000 levels: the deepest array type a written type may have.
void BM_ЧтенияГлубокогоТипа(benchmark::State& состояние) {
  проанализировать_документ(состояние, чтения_переменной(глубокий_массив(1000)));
}

// 12 levels, 8,191 parts: wide, far from any nesting limit.
void BM_ЧтенияШирокогоТипа(benchmark::State& состояние) {
  проанализировать_документ(состояние, чтения_переменной(широкий_словарь(12)));
}

void BM_ПовторённыйКонтрактСБольшимТипом(benchmark::State& состояние) {
  проанализировать_документ(состояние, повторённый_контракт(широкий_словарь(12)));
}

void BM_ПовторённыйКонтрактСМалымиТипами(benchmark::State& состояние) {
  проанализировать_документ(состояние, повторённый_большой_контракт(мегабайт));
}

void BM_ВызовыСПоследнимИзМногихКонтрактов(benchmark::State& состояние) {
  проанализировать_документ(состояние, много_контрактов(64000, 25600));
}

}  // namespace

// The analysis runs on a thread of its own, so the figure is wall time.
BENCHMARK(BM_Анализ)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ЧтенияГлубокогоТипа)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ЧтенияШирокогоТипа)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ПовторённыйКонтрактСБольшимТипом)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ПовторённыйКонтрактСМалымиТипами)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ВызовыСПоследнимИзМногихКонтрактов)->Unit(benchmark::kMillisecond)->UseRealTime();
