// UTF-8 to Unicode scalar values and back.
#pragma once

#include <string>
#include <string_view>

namespace тувра {

// Decodes the text into scalar values. Ill-formed input never fails: each maximal
// ill-formed subsequence (a stray trail byte, a truncated sequence, an overlong form,
// an encoded surrogate, a value above U+10FFFF) becomes one U+FFFD, so positions stay
// well defined for editors that send broken text.
std::u32string декодировать_utf8(std::string_view текст);

// Encodes scalar values as UTF-8; a value that is not a scalar value is written as U+FFFD.
std::string закодировать_utf8(std::u32string_view символы);
void дописать_utf8(std::string& куда, char32_t символ);

}  // namespace тувра
