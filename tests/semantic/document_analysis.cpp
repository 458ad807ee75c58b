#include "document_analysis.h"

#include <gtest/gtest.h>

#include <optional>
#include <utility>

#include "parser/front_end.h"
#include "semantic/messages.h"
#include "semantic/program_analysis.h"

namespace тувра::тест {

std::string итог_анализа(std::string_view текст) {
  auto разобрано = разобрать_текст(текст);
  if (!разобрано) {
    const auto& ошибка = разобрано.error();
    return "разбор: " + std::to_string(ошибка.строка) + ":" + std::to_string(ошибка.столбец) + ": " +
           ошибка.сообщение_ошибки;
  }
  const Программа& программа = разобрано->программа;
  Анализатор анализатор = новый_анализатор();
  const std::vector<std::optional<std::string>> имена_модулей(программа.объявления.size());
  auto итог = анализировать_программу(анализатор, программа, {}, имена_модулей);
  if (итог) return "";
  const ОшибкаАнализа& ошибка = итог.error();
  if (!ошибка.строка) return ошибка.сообщение_ошибки;
  return std::to_string(*ошибка.строка) + ": " + ошибка.сообщение_ошибки;
}

void проверить_документы(const std::vector<СлучайАнализа>& случаи) {
  for (const СлучайАнализа& случай : случаи) {
    const std::string итог = итог_анализа(случай.исходник);
    EXPECT_TRUE(итог == случай.ожидание) << "получено:   " << итог << "\nожидалось: " << случай.ожидание
                                         << "\nдокумент:\n" << случай.исходник;
  }
}

std::string несовпадение(std::string_view имя, std::string_view ожидался, std::string_view получено) {
  return сообщения::заполнить("несовпадение типов для '{}': ожидался {}, получено {}", {имя, ожидался, получено});
}

}  // namespace тувра::тест
