// An analyser set up by hand for typing single expressions: declarations are parsed from a
// program text and entered into the registries as the program passes would enter them, and
// variables are declared with written types.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <string_view>
#include <vector>

#include "parser/front_end.h"
#include "semantic/analyser.h"
#include "syntax_tree/syntax_tree.h"

namespace тувра::тест {

// One row of a table: an expression and its type's rendering, or the error message.
struct СлучайВыражения {
  std::string выражение;
  std::string ожидание;
};

class АнализВыражений : public ::testing::Test {
 protected:
  // Registers every item of the program text (which must parse): contracts, structs with their
  // fields, privacy, weak fields and methods, functions and external functions, templates.
  void объявить(std::string_view программа);
  // Declares a variable in the innermost scope with the written type, lowered contract-aware.
  void переменная(std::string_view имя, std::string_view тип, bool неизменна = false);
  // Registers a function of an included module.
  void функция_модуля(std::string_view модуль, std::string_view функция, std::vector<std::string_view> параметры,
                      std::string_view результат = {});
  // The expression (which must parse) typed: the type's rendering or the error's message.
  std::string итог(std::string_view текст);
  // The expression parsed into the fixture's arena.
  УзелВыражения выражение(std::string_view текст);
  // Every row against итог, naming the failing expression.
  void проверить_все(const std::vector<СлучайВыражения>& случаи);

  Анализатор анализатор = новый_анализатор();

 private:
  СинтаксическийТип синтаксический_тип(std::string_view текст);

  std::deque<РазобраннаяПрограмма> программы_;  // the registries point into these
  Арена арена_;                                 // parsed expressions and types
};

}  // namespace тувра::тест
