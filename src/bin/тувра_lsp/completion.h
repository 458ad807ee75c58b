// "textDocument/completion": every reference row, then every struct, function, contract and
// external function of the document, wherever the cursor stands; the client filters.
#pragma once

#include <string_view>
#include <vector>

#include "protocol.h"
#include "reference_table/reference_table.h"

namespace тувра::lsp {

// Completion item kinds of the protocol that the server uses.
namespace виды_дополнений {
inline constexpr int Function = 3;
inline constexpr int Class = 7;
inline constexpr int Interface = 8;
inline constexpr int Keyword = 14;
inline constexpr int Struct = 22;
}  // namespace виды_дополнений

// The item kind of a reference row by its section.
int виды_разделов_справки(РазделСправки раздел);

CompletionItem элемент_дополнения_из_справки(const СтатьяСправки& статья);
std::vector<CompletionItem> элементы_справки_для_дополнения(const std::vector<СтатьяСправки>& статьи);

// Never empty: a text that does not lex or parse still gets the reference items.
std::vector<CompletionItem> список_дополнений(std::string_view текст);

}  // namespace тувра::lsp
