// The one error value of every check of the analysis, and the result types built on it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "semantic/types.h"
#include "support/expected.h"
#include "support/message_template.h"

namespace тувра {

// Which message; the kinds are listed with their templates in semantic/messages.h.
enum class ВидОшибкиАнализа : std::uint16_t;

// A message of the analysis with its kind, as the functions of semantic/messages.h make it.
using СообщениеАнализа = Сообщение<ВидОшибкиАнализа>;

// The complete user message, and the line (from 1) of the innermost statement being checked
// when the error arose; absent for errors about declarations.
struct ОшибкаАнализа {
  std::string сообщение_ошибки;
  std::optional<std::size_t> строка;
  ВидОшибкиАнализа вид{};
};

template <class T>
using ИтогАнализа = Итог<T, ОшибкаАнализа>;
// Success carries nothing.
using ИтогПроверки = Итог<Пусто, ОшибкаАнализа>;

// An error without line holding the message.
ОшибкаАнализа ошибка_из_сообщения(СообщениеАнализа сообщение);
// The same, ready to return from a check: `return неудача(сообщения::…);`.
Неудача<ОшибкаАнализа> неудача(СообщениеАнализа сообщение);

// Success when найденный is `Неизвестен` or equals ожидаемый, with no widening; else the
// type-mismatch message naming имя.
ИтогПроверки проверить_совпадение_типов(const Тип& ожидаемый, const Тип& найденный, std::string_view имя);

}  // namespace тувра
