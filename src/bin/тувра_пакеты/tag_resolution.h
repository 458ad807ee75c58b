// Picks the git tag for a version range: the lock file's pin while it still fits,
// else the highest fitting tag of the repository.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "line_format.h"
#include "support/expected.h"
#include "versions.h"

namespace тувра::пакеты {

struct ВыбранныйТег {
  std::string тег;
  Версия версия;
};

// Lock file entries by package name.
using Блокировка = std::map<std::string, Зависимость>;

// The best fitting tag in the output of `git ls-remote --tags`; the first listed wins a tie.
std::optional<ВыбранныйТег> лучший_тег(std::string_view вывод_ls_remote, const ИнтервалВерсий& интервал);

// The error when no tag of the repository lies in the interval.
std::string нет_подходящего_тега(const std::string& источник, const std::string& текст_требования,
                                 const ИнтервалВерсий& интервал);

// Prints one progress line on success.
Итог<ВыбранныйТег, std::string> разрешить_диапазон(const std::string& имя, const std::string& источник,
                                                   const std::string& текст_требования,
                                                   const ИнтервалВерсий& интервал, const Блокировка& блокировка);

}  // namespace тувра::пакеты
