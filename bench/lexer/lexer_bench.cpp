// Lexing speed over a megabyte of generated, realistic source text.
#include <benchmark/benchmark.h>

#include <array>
#include <string>
#include <string_view>

#include "constructs.h"
#include "lexer/lexer.h"

namespace {

constexpr std::array<std::string_view, 8> имена = {
    "счётчик", "пользователь", "сумма_заказа", "индекс", "результат_поиска", "буфер", "узел", "имя",
};
constexpr std::array<std::string_view, 4> структуры = {"Точка", "Заказ", "Пользователь", "Узел"};

// One module's worth of code: an import, a struct with methods, a contract, a function
// with loops, branches, literals, interpolation and comments, and an external function.
std::string модуль(std::size_t номер) {
  const std::string н = std::to_string(номер);
  const std::string имя(имена[номер % имена.size()]);
  const std::string структура = std::string(структуры[номер % структуры.size()]) + н;
  std::string т;
  т += "// Модуль " + н + ": обработка данных и вывод отчёта\n";
  т += "подключить стандарт.коллекции;\n\n";
  т += "/* Структура хранит состояние,\n   которое меняется в цикле. */\n";
  т += "структура " + структура + " : Печатаемое {\n";
  т += "  публично целое " + имя + ";\n";
  т += "  приватно дробное64 вес;\n";
  т += "  публично текст подпись;\n";
  т += "  публично функция показать() -> текст {\n";
  т += "    вернуть \"" + структура + ": ${это." + имя + "} при весе %(это.вес * 2.5)%\"\n";
  т += "  }\n";
  т += "}\n\n";
  т += "контракт Печатаемое" + н + "\n  функция показать() -> текст;\nконец\n\n";
  т += "функция обработать_" + н + "(Список из целое числа, ссылка текст журнал) -> целое\n";
  т += "  целое итог = 0\n";
  т += "  дробное доля = 0.125\n";
  т += "  неизменно целое предел = " + std::to_string(1000 + номер * 7) + "\n";
  т += "  для каждого число в числа {\n";
  т += "    если число % 2 == 0 и число <= предел {\n";
  т += "      итог = итог + число * 3 - (число / 4)  // чётные считаются втрое\n";
  т += "    } иначе если не (число > 100) || число != 7 {\n";
  т += "      прервать\n";
  т += "    }\n";
  т += "  }\n";
  т += "  пока итог >= 10 {\n    итог = итог - 10\n  }\n";
  т += "  журнал = \"обработано: %итог%, доля \\\"" + std::to_string(номер % 100) + "\\\"\\n\"\n";
  т += "  Словарь из текст и целое таблица = [\"ключ\": итог]\n";
  т += "  вернуть итог\n";
  т += "конец\n\n";
  т += "внешняя функция внешний_вызов_" + н + "(целое32 а, беззнак8 б) -> верно как \"ext_" + н + "\", \"ext_" + н +
       "_win\";\n\n";
  return т;
}

std::string исходник(std::size_t байт) {
  std::string т;
  for (std::size_t номер = 0; т.size() < байт; ++номер) т += модуль(номер);
  return т;
}

void лексировать(benchmark::State& состояние, const std::string& текст) {
  std::size_t токенов = 0;
  for (auto _ : состояние) {
    auto лексер = тувра::новый_лексер(текст);
    auto итог = тувра::разбить_на_токены(лексер);
    if (!итог) {
      состояние.SkipWithError(итог.error().сообщение_ошибки.c_str());
      return;
    }
    токенов = итог->size();
    benchmark::DoNotOptimize(итог);
  }
  состояние.SetBytesProcessed(static_cast<std::int64_t>(состояние.iterations() * текст.size()));
  состояние.counters["токенов"] = static_cast<double>(токенов);
}

void BM_Лексер(benchmark::State& состояние) { лексировать(состояние, исходник(1 << 20)); }
BENCHMARK(BM_Лексер)->Unit(benchmark::kMillisecond);

// The documents of the parser's constructs (constructs.h), lexed.
void BM_ЛексерКонструкции(benchmark::State& состояние, тувра::конструкции::Построить построить) {
  лексировать(состояние, построить());
}
ТУВРА_БЕНЧМАРКИ_КОНСТРУКЦИЙ(BM_ЛексерКонструкции);

}  // namespace
