// The texts of the open documents, keyed by their normalised URI.
#pragma once

#include <string>
#include <unordered_map>

#include "url/url.h"

namespace тувра::lsp {

using Документы = std::unordered_map<url::Url, std::string>;

}  // namespace тувра::lsp
