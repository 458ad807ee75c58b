// Types and programs for the tests, written as source text.
#pragma once

#include <string>
#include <string_view>

#include "syntax_tree/syntax_tree.h"

namespace тувра::тест {

// The type the text spells; the text must be one whole type.
СинтаксическийТип записанный_тип(std::string_view текст);

// `целое` followed by `[1]` глубина times.
std::string глубокий_массив(std::size_t глубина);

}  // namespace тувра::тест
