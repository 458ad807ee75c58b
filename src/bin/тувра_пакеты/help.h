// The usage text of the program.
#pragma once

#include <string_view>

namespace тувра::пакеты {

std::string_view текст_справки();

}  // namespace тувра::пакеты
