// One text to its first error, as the language server checks a document: lexing, parsing, and
// the analysis of every declaration as one of the main file, with no included modules.
#pragma once

#include <string_view>
#include <variant>

#include "lexer/parse_error.h"
#include "semantic/analyser.h"
#include "semantic/analysis_error.h"
#include "support/expected.h"
#include "syntax_tree/declaration.h"

namespace тувра {

// The first error of a text: lexical or syntactic with its position, or of the analysis.
using ОшибкаТекста = std::variant<ОшибкаРазбора, ОшибкаАнализа>;

// The analysis of a parsed program as the main file alone, on the given analyser (which keeps
// what the run registered) or on a fresh one.
ИтогПроверки проверить_программу(Анализатор& анализатор, const Программа& программа);
ИтогПроверки проверить_программу(const Программа& программа);

// Lexes, parses and analyses the whole text, stopping at the first error of any stage.
Итог<Пусто, ОшибкаТекста> проверить_текст(std::string_view текст);

}  // namespace тувра
