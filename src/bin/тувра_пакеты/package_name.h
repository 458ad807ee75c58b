// A package name becomes one path component under `пакеты/` and a word of the metadata
// and lock lines; these checks keep every write and removal inside that package's own folder
// and every written line readable back.
#pragma once

#include <string>
#include <string_view>

#include "support/expected.h"

namespace тувра::пакеты {

// Only that the name stays one component inside `пакеты/`: enough to find or remove
// what an older install put there.
Итог<Пусто, std::string> проверить_путь_пакета(std::string_view имя);

// Everything a name must satisfy to be installed or added.
Итог<Пусто, std::string> проверить_имя_пакета(std::string_view имя);

}  // namespace тувра::пакеты
