// "textDocument/hover": the reference text of a keyword, type or built-in function, or the
// declaration of a struct, struct method or function of the document.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace тувра::lsp {

// The Markdown text for the word under the cursor, or absent when there is none to show.
std::optional<std::string> подсказка_при_наведении(std::string_view текст, std::uint32_t строка, std::uint32_t знак);

}  // namespace тувра::lsp
