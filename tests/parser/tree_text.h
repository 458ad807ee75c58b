// A one-line rendering of statements, targets and items, in the style of the expression
// rendering, so tests can compare whole trees compactly.
#pragma once

#include <string>
#include <vector>

#include "syntax_tree/syntax_tree.h"

namespace тувра::тест {

std::string текст_цели(const ЦельПрисваивания& цель);
// `строка:Вариант { … }`.
std::string текст_инструкции(const Инструкция& инструкция);
std::string текст_инструкций(СписокУзлов<Инструкция> инструкции);
std::string текст_функции(const ОбъявлениеФункции& функция);
std::string текст_объявления(const Объявление& объявление);
std::string текст_программы(const Программа& программа);

}  // namespace тувра::тест
