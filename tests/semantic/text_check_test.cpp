// The text-to-first-error entry: the error of the first stage that fails, with what that stage
// knows of its place, and every declaration analysed as one of the main file.
#include <gtest/gtest.h>

#include <string>
#include <variant>
#include <vector>

#include "semantic/text_check.h"

namespace тувра {
namespace {

// "разбор 2:5: …" for a lexical or syntactic error, "анализ 3: …" (or "анализ -: …" without a
// line) for one of the analysis, "" for a text without errors.
std::string первая_ошибка(std::string_view текст) {
  auto итог = проверить_текст(текст);
  if (итог) return "";
  if (const auto* разбора = std::get_if<ОшибкаРазбора>(&итог.error())) {
    return "разбор " + std::to_string(разбора->строка) + ":" + std::to_string(разбора->столбец) + ": " +
           разбора->сообщение_ошибки;
  }
  const ОшибкаАнализа& анализа = std::get<ОшибкаАнализа>(итог.error());
  return "анализ " + (анализа.строка ? std::to_string(*анализа.строка) : std::string("-")) + ": " +
         анализа.сообщение_ошибки;
}

TEST(ПроверкаТекста, ПерваяОшибкаПервойНеудачнойСтадии) {
  struct Случай {
    std::string текст;
    std::string ожидание;
  };
  const std::vector<Случай> случаи = {
      {"", ""},
      {"функция ф(): целое\n  вернуть 1;\nконец\n", ""},
      {"функция ф()\n  x = #;\nконец\n", "разбор 2:7: неожиданный символ: '#'"},
      {"функция ф()\n  вернуть 1\nконец\n",
       "разбор 3:1: конец оператора возврата: ожидалось «;», но встретилось «конец»"},
      {"функция ф()\n  прервать;\nконец\n",
       "анализ 2: 'прервать' можно использовать только внутри цикла ('пока' или 'для каждого')"},
      // Every item belongs to the main file, so a second function of the same name is a duplicate there.
      {"функция ф()\nконец\nфункция ф()\nконец\n", "анализ -: функция 'ф' объявлена повторно в главном файле"},
      // A text that does not parse is not analysed: the undeclared name before the error goes unreported.
      {"функция ф()\n  вывести(нету);\n  вернуть\n", "разбор 4:1: ожидалось выражение, встретилось конец файла"},
  };
  for (const Случай& случай : случаи) EXPECT_EQ(первая_ошибка(случай.текст), случай.ожидание) << случай.текст;
}

}  // namespace
}  // namespace тувра
