// Small helpers shared by the lexer tests.
#pragma once

#include <gtest/gtest.h>

#include <concepts>
#include <cstddef>
#include <ostream>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "lexer/lexer.h"
#include "lexer/messages.h"
#include "message_kinds.h"

namespace тувра {

inline void PrintTo(const ОшибкаРазбора& ошибка, std::ostream* поток) {
  *поток << ошибка.строка << ":" << ошибка.столбец << ": " << ошибка.сообщение_ошибки;
}

}  // namespace тувра

namespace тувра::тест {

// Where one token stands: line, column and character indices.
struct Место {
  std::size_t строка, столбец, начало, окончание;
  bool operator==(const Место&) const = default;
};

inline void PrintTo(const Место& м, std::ostream* поток) {
  *поток << "{" << м.строка << ", " << м.столбец << ", " << м.начало << ", " << м.окончание << "}";
}

// A text with the places of all its tokens.
struct СлучайМест {
  std::string описание;
  std::string текст;
  std::vector<Место> места;  // of every token, КонецФайла included
};

// The tokens view `текст`, which must outlive them.
inline Итог<СписокТокенов, ОшибкаРазбора> лексировать(std::string_view текст) {
  auto лексер = новый_лексер(текст);
  return разбить_на_токены(лексер);
}
template <std::same_as<std::string> Т>
Итог<СписокТокенов, ОшибкаРазбора> лексировать(Т&&) = delete;

// The error as the tables write it, and a lexer's kind whose template gives its message.
inline void проверить_ошибку(const ОшибкаРазбора& ошибка, const std::string& сообщение, std::size_t строка,
                             std::size_t столбец) {
  const auto* вид = std::get_if<ВидОшибкиЛексера>(&ошибка.вид);
  ASSERT_NE(вид, nullptr);
  EXPECT_EQ(ошибка, (ОшибкаРазбора{сообщение, строка, столбец, *вид}));
  EXPECT_TRUE(по_шаблону(ошибка.сообщение_ошибки, статья(*вид).шаблон)) << статья(*вид).имя;
}

// The debug texts of all tokens but the final КонецФайла, joined by blanks; checks that
// the list ends with exactly one КонецФайла.
inline std::string виды(std::string_view текст) {
  auto итог = лексировать(текст);
  if (!итог) return "ошибка: " + итог.error().сообщение_ошибки;
  const auto& токены = *итог;
  std::string строка;
  for (std::size_t i = 0; i < токены.size(); ++i) {
    const bool последний = i + 1 == токены.size();
    EXPECT_EQ(токены[i].вид == ВидТокена::КонецФайла, последний) << "token " << i;
    if (последний) break;
    if (!строка.empty()) строка += ' ';
    строка += отладочный_текст_вида_токена(токены[i].вид);
  }
  return строка;
}

}  // namespace тувра::тест
