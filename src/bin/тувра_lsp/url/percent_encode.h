// Percent-encoding and -decoding of UTF-8 text by the URL encode sets.
#pragma once

#include <string>
#include <string_view>

namespace тувра::url {

// Each set holds the one before it in this list, except Fragment, which only holds C0Control.
enum class EncodeSet { C0Control, Fragment, Query, SpecialQuery, Path, Userinfo };

bool in_encode_set(unsigned char byte, EncodeSet set);

// Appends `bytes` (UTF-8) to `out`, each byte of the set as "%XY" with upper-case hex digits.
void append_percent_encoded(std::string& out, std::string_view bytes, EncodeSet set);
void append_percent_encoded(std::string& out, char byte, EncodeSet set);

// Turns every "%XY" with two hex digits into its byte; other '%' signs stay as they are.
std::string percent_decode(std::string_view text);

}  // namespace тувра::url
