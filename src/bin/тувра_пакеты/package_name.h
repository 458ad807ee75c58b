// A package name becomes one path component under `пакеты/`; this is the one check
// that keeps every write and removal inside that package's own folder.
#pragma once

#include <string>
#include <string_view>

#include "support/expected.h"

namespace тувра::пакеты {

Итог<Пусто, std::string> проверить_имя_пакета(std::string_view имя);

}  // namespace тувра::пакеты
