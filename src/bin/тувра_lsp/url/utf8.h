// Byte strings made safe to read as UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace тувра::url {

// `bytes` with every ill-formed UTF-8 sequence (its maximal subpart) replaced by U+FFFD,
// as the WHATWG UTF-8 decoder reads it; the server's one decoder (lexer/utf8.h) does the work.
std::string valid_utf8(std::string_view bytes);

}  // namespace тувра::url
