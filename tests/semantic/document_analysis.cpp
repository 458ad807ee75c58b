#include "document_analysis.h"

#include <gtest/gtest.h>

#include <variant>

#include "analysis_error_kinds.h"
#include "parse_error_kinds.h"
#include "semantic/messages.h"
#include "semantic/text_check.h"

namespace тувра::тест {

std::string итог_анализа(std::string_view текст) {
  auto итог = проверить_текст(текст);
  if (итог) return "";
  if (const auto* разбора = std::get_if<ОшибкаРазбора>(&итог.error())) {
    проверить_вид(*разбора);
    return "разбор: " + std::to_string(разбора->строка) + ":" + std::to_string(разбора->столбец) + ": " +
           разбора->сообщение_ошибки;
  }
  const ОшибкаАнализа& ошибка = std::get<ОшибкаАнализа>(итог.error());
  проверить_вид(ошибка);
  if (!ошибка.строка) return ошибка.сообщение_ошибки;
  return std::to_string(*ошибка.строка) + ": " + ошибка.сообщение_ошибки;
}

void проверить_документы(const std::vector<СлучайАнализа>& случаи) {
  for (const СлучайАнализа& случай : случаи) {
    const std::string итог = итог_анализа(случай.исходник);
    EXPECT_TRUE(итог == случай.ожидание) << "получено:   " << итог << "\nожидалось: " << случай.ожидание
                                         << "\nдокумент:\n"
                                         << случай.исходник;
  }
}

std::string несовпадение(std::string_view имя, std::string_view ожидался, std::string_view получено) {
  return сообщения::заполнить("несовпадение типов для '{}': ожидался {}, получено {}", {имя, ожидался, получено});
}

}  // namespace тувра::тест
