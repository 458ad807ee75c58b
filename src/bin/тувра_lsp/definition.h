// "textDocument/definition": the struct, struct method or function of the same document that
// the word under the cursor names.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "protocol.h"
#include "syntax_tree/declaration.h"
#include "url/url.h"

namespace тувра::lsp {

// An empty range at the declaration's keyword (line and column from 1), or absent when the
// declaration has no position.
std::optional<Location> создать_местоположение(const url::Url& uri, const std::optional<ПозицияОбъявления>& позиция);

std::optional<Location> переход_к_определению(const url::Url& uri, std::string_view текст, std::uint32_t строка,
                                              std::uint32_t знак);

}  // namespace тувра::lsp
