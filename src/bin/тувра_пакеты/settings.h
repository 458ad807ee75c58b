// The per-user settings folder `.тувра` in the home folder: the index URL and the index copy.
#pragma once

#include <string>

#include "support/expected.h"

namespace тувра::пакеты {

// The home folder (HOME, else USERPROFILE) joined with `.тувра`; not created here.
Итог<std::string, std::string> папка_настроек();

// `индекс_url.txt` in the settings folder.
Итог<std::string, std::string> путь_адреса_индекса();

// `индекс` in the settings folder: the local git copy of the index.
Итог<std::string, std::string> папка_индекса();

}  // namespace тувра::пакеты
