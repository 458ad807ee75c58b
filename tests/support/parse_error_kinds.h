// The kind an error of the lexer or of the parser carries: its name, its template, and the check
// that the template gives the error's message.
#pragma once

#include <gtest/gtest.h>

#include <string_view>
#include <variant>

#include "lexer/messages.h"
#include "lexer/parse_error.h"
#include "message_kinds.h"
#include "parser/messages.h"

namespace тувра::тест {

inline std::string_view имя_вида(const ВидОшибкиРазбора& вид) {
  if (const auto* лексера = std::get_if<ВидОшибкиЛексера>(&вид)) return статья(*лексера).имя;
  return статья(std::get<ВидОшибкиПарсера>(вид)).имя;
}

inline std::string_view шаблон_вида(const ВидОшибкиРазбора& вид) {
  if (const auto* лексера = std::get_if<ВидОшибкиЛексера>(&вид)) return статья(*лексера).шаблон;
  return статья(std::get<ВидОшибкиПарсера>(вид)).шаблон;
}

// Fails the calling test unless the error's kind is the one whose template gives its message.
inline void проверить_вид(const ОшибкаРазбора& ошибка) {
  EXPECT_TRUE(по_шаблону(ошибка.сообщение_ошибки, шаблон_вида(ошибка.вид)))
      << ошибка.сообщение_ошибки << " is not a message of " << имя_вида(ошибка.вид);
}

}  // namespace тувра::тест
