// Appending one dependency line (строка_зависимости of line_format.h) to the project manifest.
#pragma once

#include <string>
#include <string_view>

namespace тувра::пакеты {

// A line of the manifest whose text before its first "=" (or the whole line), trimmed, is the name.
bool имя_в_манифесте(std::string_view манифест, std::string_view имя);

// The old text with the line and a line feed after it, one line feed put in between when missing.
std::string дописать_строку(std::string_view манифест, std::string_view строка);

}  // namespace тувра::пакеты
