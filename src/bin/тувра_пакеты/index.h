// The package index: a git repository whose root holds the catalog `каталог.пакеты`,
// kept as a local copy in the settings folder. The two index commands are in commands.h.
#pragma once

#include <string>
#include <vector>

#include "line_format.h"
#include "support/expected.h"

namespace тувра::пакеты {

using Каталог = std::vector<Зависимость>;

// The catalog of an index copy, in file order.
Итог<Каталог, std::string> прочитать_каталог(const std::string& папка_индекса);

// The catalog, fetching the index first when no catalog file is there yet.
Итог<Каталог, std::string> открыть_индекс();

}  // namespace тувра::пакеты
