#include "semantic/text_check.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "parser/front_end.h"
#include "semantic/program_analysis.h"

namespace тувра {

ИтогПроверки проверить_программу(Анализатор& анализатор, const Программа& программа) {
  const std::vector<std::optional<std::string>> главный_файл(программа.объявления.size());
  return анализировать_программу(анализатор, программа, {}, главный_файл);
}

ИтогПроверки проверить_программу(const Программа& программа) {
  Анализатор анализатор = новый_анализатор();
  return проверить_программу(анализатор, программа);
}

Итог<Пусто, ОшибкаТекста> проверить_текст(std::string_view текст) {
  auto разобрано = разобрать_текст(текст);
  if (!разобрано) return Неудача{ОшибкаТекста(std::move(разобрано).error())};
  auto проверено = проверить_программу(разобрано->программа);
  if (!проверено) return Неудача{ОшибкаТекста(std::move(проверено).error())};
  return Пусто{};
}

}  // namespace тувра
