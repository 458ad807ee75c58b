#include "semantic/analysis_error.h"

#include "semantic/messages.h"

namespace тувра {

ОшибкаАнализа ошибка_из_текста(std::string текст) { return {std::move(текст), std::nullopt}; }

Неудача<ОшибкаАнализа> неудача(std::string текст) { return {ошибка_из_текста(std::move(текст))}; }

ИтогПроверки проверить_совпадение_типов(const Тип& ожидаемый, const Тип& найденный, std::string_view имя) {
  if (найденный.это(ВидТипа::Неизвестен) || типы_равны(ожидаемый, найденный)) return Пусто{};
  return неудача(сообщения::несовпадение_типов(имя, ожидаемый, найденный));
}

}  // namespace тувра
