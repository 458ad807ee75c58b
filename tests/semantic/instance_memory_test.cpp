// Documents that ask for many or large generic instances, each with its outcome and the most
// heap its analysis may need: the analysis either runs to its end holding only the instances'
// signatures, or stops at its budget, long before time or memory run out.
#include <gtest/gtest.h>

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "generic_programs.h"
#include "heap_meter.h"
#include "parser/front_end.h"
#include "semantic/analyser.h"
#include "semantic/program_analysis.h"

namespace тувра::тест {
namespace {

constexpr std::size_t МиБ = 1024 * 1024;

struct Замер {
  std::string итог;
  std::size_t пик = 0;
};

// Parsing happens before the measure: only the analysis counts.
Замер проанализировать(const std::string& текст) {
  auto разобрано = разобрать_текст(текст);
  if (!разобрано) return {"разбор: " + разобрано.error().сообщение_ошибки, 0};
  const Программа& программа = разобрано->программа;
  const std::vector<std::optional<std::string>> модули(программа.объявления.size());
  начать_замер_кучи();
  Замер замер;
  {
    Анализатор анализатор = новый_анализатор();
    auto итог = анализировать_программу(анализатор, программа, {}, модули);
    if (!итог) {
      const ОшибкаАнализа& ошибка = итог.error();
      замер.итог = (ошибка.строка ? std::to_string(*ошибка.строка) + ": " : "") + ошибка.сообщение_ошибки;
    }
  }
  замер.пик = пик_кучи();
  return замер;
}

struct СлучайБюджета {
  std::string название;
  std::string документ;
  std::string итог;
  std::size_t предел_памяти;
};

std::string много_экземпляров(std::string_view последний) {
  return "слишком много инстанциаций — больше 10000 экземпляров, последний «" + std::string(последний) + "»";
}

// A template of a thousand statements, used with 600 array types of different sizes.
std::string большие_тела() {
  std::string текст = "функция ф<Т>(Т х)\n";
  for (int i = 0; i < 1000; ++i) текст += "  Т а" + std::to_string(i) + " = х;\n";
  текст += "конец\nфункция главная()\n";
  for (int i = 1; i <= 600; ++i) текст += "  вывести(ф<целое[" + std::to_string(i) + "]>(неуказано));\n";
  return текст + "конец\n";
}

TEST(БюджетИнстанциаций, ИтогИПамять) {
  const std::vector<СлучайБюджета> случаи = {
      // 2^19 instances asked for by twenty functions: the 10001st is refused, named in the order
      // the bodies ask for them (depth first).
      {"двоичный веер", веер_инстанциаций(20, 2),
       "75: " + много_экземпляров("ф20__Канал(Список(Список(Список(Список(Список(Список(Канал(Канал(Канал(Список("
                                  "Список(Канал(Список(Список(Список(Список(Список(Список(Целое)))))))))))))))))))"),
       64 * МиБ},
      {"четверной веер", веер_инстанциаций(12, 4),
       "64: " + много_экземпляров("ф12__Результат(Канал(Список(Канал(Канал(Массив { элемент: Канал(Список(Список("
                                  "Список(Список(Целое))))), размер: 2 })))))"),
       64 * МиБ},
      // 4002 nodes per instance: the 500th would pass two million.
      {"большие тела", большие_тела(),
       "1503: слишком много работы при инстанциации — больше 2000000 узлов в телах экземпляров, последний "
       "«ф__Массив { элемент: Целое, размер: 500 }»",
       64 * МиБ},
      // Analysed to their end: each instance keeps its signature, not its body.
      {"обобщённая программа", обобщённая_программа(73 * 1024), "", 64 * МиБ},
      {"две тысячи методов", структура_со_многими_методами(2000, 50), "", 64 * МиБ},
  };
  for (const СлучайБюджета& случай : случаи) {
    const Замер замер = проанализировать(случай.документ);
    EXPECT_EQ(замер.итог, случай.итог) << случай.название;
    EXPECT_LE(замер.пик, случай.предел_памяти) << случай.название << ": " << замер.пик / МиБ << " МиБ";
  }
}

}  // namespace
}  // namespace тувра::тест
