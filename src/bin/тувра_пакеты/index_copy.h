// The local copy of the index before it is pulled. In the home folder it is the user's own;
// in a settings folder below the current one (HOME empty or relative) it may have come with a
// stranger's project, and git would obey whatever its own settings say.
#pragma once

#include <string>

#include "support/expected.h"

namespace тувра::пакеты {

// Refuses a copy whose `.git` is no real folder or holds files git would block on; with
// `чужая`, also one whose git settings name anything a clone of ours does not write there.
Итог<Пусто, std::string> проверить_копию_индекса(const std::string& папка, bool чужая);

}  // namespace тувра::пакеты
