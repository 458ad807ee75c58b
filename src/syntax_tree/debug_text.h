// Pieces of the debug renderings that every node shares: texts, numbers, booleans.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace тувра::обход {

// Between double quotes, with `\"`, `\\`, `\n`, `\r`, `\t`, `\0`, and `\u{…}` for characters
// that do not print or that extend a grapheme.
void дописать_значение(std::string& куда, std::string_view текст);
void дописать_значение(std::string& куда, const std::string& текст);
void дописать_значение(std::string& куда, bool значение);
void дописать_значение(std::string& куда, std::int64_t значение);
// Shortest round-trip form; exponent form from 1e16 up and below 1e-4.
void дописать_значение(std::string& куда, double значение);

}  // namespace тувра::обход
