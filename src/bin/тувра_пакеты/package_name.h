// A package name becomes one path component under `пакеты/` and a word of the metadata
// and lock lines; these checks keep every write and removal inside that package's own folder
// and every written line readable back.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "support/expected.h"

namespace тувра::пакеты {

// Only that the name stays one component inside `пакеты/`: enough to find or remove
// what an older install put there.
Итог<Пусто, std::string> проверить_путь_пакета(std::string_view имя);

// Everything a name must satisfy to be installed or added.
Итог<Пусто, std::string> проверить_имя_пакета(std::string_view имя);

// Refuses a name that Windows would take for one of `другие` (a different spelling that differs
// only in letter case): both packages would share one folder.
Итог<Пусто, std::string> проверить_регистр_имени(std::string_view имя, const std::vector<std::string>& другие);

}  // namespace тувра::пакеты
