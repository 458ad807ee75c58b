// The package index: a git repository whose root holds the catalog `каталог.пакеты`,
// kept as a local copy in the settings folder. The two index commands are in commands.h.
#pragma once

#include <string>

#include "support/expected.h"

namespace тувра::пакеты {

// The catalog's text, in the line format. Its readers take it line by line (обойти_зависимости)
// and keep only what they show: a catalog of many short lines costs no record per line.
using Каталог = std::string;

// The catalog of an index copy.
Итог<Каталог, std::string> прочитать_каталог(const std::string& папка_индекса);

// The catalog, fetching the index first when no catalog file is there yet.
Итог<Каталог, std::string> открыть_индекс();

}  // namespace тувра::пакеты
