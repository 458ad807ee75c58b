// Types and programs for the tests, written as source text.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "syntax_tree/syntax_tree.h"

namespace тувра::тест {

// A written type with the arena its nodes live in; passes for the type itself.
struct ЗаписанныйТип {
  Арена арена;
  СинтаксическийТип тип;

  operator const СинтаксическийТип&() const { return тип; }
};

// The type the text spells; the text must be one whole type.
ЗаписанныйТип записанный_тип(std::string_view текст);
// Several, in one list whose nodes live in `куда`.
СписокУзлов<СинтаксическийТип> записанные_типы(const std::vector<std::string>& тексты, Арена& куда);

// `целое` followed by `[1]` глубина times.
std::string глубокий_массив(std::size_t глубина);
// The type that text spells, built without the parser, whose nesting limit it may pass: deep
// types also come from substitution.
ЗаписанныйТип глубокий_записанный_массив(std::size_t глубина);

}  // namespace тувра::тест
