// Documents that ask for many or large generic instances, each with its outcome and the most
// heap its analysis may need: the analysis either runs to its end holding only the instances'
// signatures, or stops at its budget, long before time or memory run out.
#include <gtest/gtest.h>

#include <cstddef>
#include <ostream>
#include <string>
#include <string_view>

#include "generic_programs.h"
#include "heap_meter.h"
#include "parser/front_end.h"
#include "semantic/text_check.h"

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
  начать_замер_кучи();
  Замер замер;
  {
    auto итог = проверить_программу(разобрано->программа);
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
  std::string (*документ)();
  std::string итог;
  std::size_t предел_памяти;
};

std::string много_экземпляров(std::string_view последний) {
  return "слишком много инстанциаций — больше 10000 экземпляров, последний «" + std::string(последний) + "»";
}

// A template of a thousand statements (a function, or the one method of a struct), used with
// 600 array types of different sizes.
std::string большие_тела(bool в_структуре) {
  std::string текст = в_структуре ? "структура Я<Т>\n  Т з;\n  функция м(Т х)\n" : "функция ф<Т>(Т х)\n";
  for (int i = 0; i < 1000; ++i) текст += "  Т а" + std::to_string(i) + " = неуказано;\n";
  текст += в_структуре ? "  конец\nконец\n" : "конец\n";
  текст += "функция главная()\n";
  for (int i = 1; i <= 600; ++i) {
    текст += "  вывести(" + std::string(в_структуре ? "Я" : "ф") + "<целое[" + std::to_string(i) + "]>(неуказано));\n";
  }
  return текст + "конец\n";
}

// A small template whose body uses a value of 127 type parts three thousand times (a call of a
// function of the program), used with nine types: each use copies the whole type.
std::string большие_значения() {
  std::string тип = "целое";
  for (int i = 0; i < 6; ++i) тип = "Словарь<" + тип + ", " + тип + ">";
  std::string текст = "функция большой(): " + тип + "\n  вернуть неуказано;\nконец\nфункция ф<Т>(Т х)\n";
  for (int i = 0; i < 300; ++i)
    текст +=
        "  вывести(большой(), большой(), большой(), большой(), большой(), большой(), "
        "большой(), большой(), большой(), большой());\n";
  текст += "конец\nфункция главная()\n";
  for (int i = 1; i <= 9; ++i) текст += "  вывести(ф<целое[" + std::to_string(i) + "]>(неуказано));\n";
  return текст + "конец\n";
}

// Fifteen generic methods of one struct, each asking for the next with two type arguments.
std::string веер_методов() {
  std::string текст = "структура С\n";
  for (int i = 1; i <= 15; ++i) {
    const std::string следующий = "это.м" + std::to_string(i + 1);
    текст += "  функция м" + std::to_string(i) + "<Т>(Т х)\n";
    if (i < 15) текст += "    " + следующий + "<Список<Т>>(неуказано);\n    " + следующий + "<канал<Т>>(неуказано);\n";
    текст += "  конец\n";
  }
  return текст + "конец\nфункция главная(С с)\n  с.м1<целое>(1);\nконец\n";
}

std::string много_работы(std::string_view последний) {
  return "слишком много работы при инстанциации — больше 2000000 узлов в телах экземпляров, последний «" +
         std::string(последний) + "»";
}

// Test names show the document's name.
void PrintTo(const СлучайБюджета& случай, std::ostream* куда) { *куда << случай.название; }

// Each document is a test of its own, so that the slow ones (under the sanitizers) run side by side.
class БюджетИнстанциаций : public ::testing::TestWithParam<СлучайБюджета> {};

TEST_P(БюджетИнстанциаций, ИтогИПамять) {
  const СлучайБюджета& случай = GetParam();
  SCOPED_TRACE(случай.название);
  const Замер замер = проанализировать(случай.документ());
  EXPECT_EQ(замер.итог, случай.итог);
  EXPECT_LE(замер.пик, случай.предел_памяти) << замер.пик / МиБ << " МиБ";
}

INSTANTIATE_TEST_SUITE_P(
    Документы, БюджетИнстанциаций,
    ::testing::Values(
        // 2^19 instances asked for by twenty functions: the 10001st is refused, named in the
        // order the bodies ask for them (depth first).
        СлучайБюджета{
            "двоичный_веер", [] { return веер_инстанциаций(20, 2); },
            "75: " + много_экземпляров("ф20__Канал(Список(Список(Список(Список(Список(Список(Канал(Канал(Канал("
                                       "Список(Список(Канал(Список(Список(Список(Список(Список(Список(Целое)))"
                                       "))))))))))))))))"),
            64 * МиБ},
        СлучайБюджета{
            "четверной_веер", [] { return веер_инстанциаций(12, 4); },
            "64: " + много_экземпляров("ф12__Результат(Канал(Список(Канал(Канал(Массив { элемент: Канал(Список("
                                       "Список(Список(Список(Целое))))), размер: 2 })))))"),
            64 * МиБ},
        СлучайБюджета{"веер_методов", веер_методов,
                      "51: " + много_экземпляров("С::м14__Список(Канал(Список(Список(Список(Список(Канал(Канал(Канал("
                                                 "Список(Список(Канал(Список(Целое)))))))))))))"),
                      64 * МиБ},
        // 4002 nodes per instance: the 500th would pass two million, refused before it is built.
        СлучайБюджета{"большие_тела_функции", [] { return большие_тела(false); },
                      "1503: " + много_работы("ф__Массив { элемент: Целое, размер: 500 }"), 64 * МиБ},
        СлучайБюджета{"большие_тела_методов", [] { return большие_тела(true); },
                      "1506: " + много_работы("Я__Массив { элемент: Целое, размер: 500 }"), 64 * МиБ},
        // 126 nodes more for each use of the big value: the sixth instance stops while its body
        // is checked, at the line of the template's statement.
        СлучайБюджета{"большие_значения", большие_значения,
                      "75: " + много_работы("ф__Массив { элемент: Целое, размер: 6 }"), 64 * МиБ},
        // Analysed to their end: each instance keeps its signature, not its body.
        СлучайБюджета{"обобщённая_программа", [] { return обобщённая_программа(73 * 1024); }, "", 64 * МиБ},
        СлучайБюджета{"две_тысячи_методов", [] { return структура_со_многими_методами(2000, 50); }, "", 64 * МиБ}));

}  // namespace
}  // namespace тувра::тест
