// Picks the git tag for a version range: the lock file's pin while it still fits,
// else the highest fitting tag of the repository.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "line_format.h"
#include "lock_entries.h"
#include "support/expected.h"
#include "versions.h"

namespace тувра::пакеты {

struct ВыбранныйТег {
  std::string тег;
  Версия версия;
};

// Whether the lock line "{имя} = git {источник} версия={тег}" reads back with the same tag:
// UTF-8 with no blank of any kind, no quote, no '=' and no control character in it.
bool тег_читается_из_блокировки(std::string_view тег);

// The best fitting tag in the output of `git ls-remote --tags`; the first listed wins a tie.
// Fitting tags that would not read back from the lock file are passed over and, when asked,
// named in `пропущенные`, each once.
std::optional<ВыбранныйТег> лучший_тег(std::string_view вывод_ls_remote, const ИнтервалВерсий& интервал,
                                       std::vector<std::string>* пропущенные = nullptr);

// The error when no tag of the repository lies in the interval.
std::string нет_подходящего_тега(const std::string& источник, const std::string& текст_требования,
                                 const ИнтервалВерсий& интервал);

// Prints one progress line on success, after a warning for each tag passed over.
Итог<ВыбранныйТег, std::string> разрешить_диапазон(const std::string& имя, const std::string& источник,
                                                   const std::string& текст_требования, const ИнтервалВерсий& интервал,
                                                   const Блокировка& блокировка);

}  // namespace тувра::пакеты
