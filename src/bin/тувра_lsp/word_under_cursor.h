// The identifier under the cursor of a hover or definition request.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace тувра::lsp {

// The identifier under the cursor (line and character from 0, characters in Unicode scalar
// values); a cursor right behind a word or past the end of the line finds the word before it.
std::optional<std::string> слово_под_курсором(std::string_view текст, std::uint32_t строка, std::uint32_t знак);

}  // namespace тувра::lsp
