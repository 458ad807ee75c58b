// The temporary clone folder: the system's folder for temporary files joined with
// `тувра_пакет_` and the process id. Every git run works in it or in a folder of its own.
#pragma once

#include <string>

#include "support/expected.h"

namespace тувра::пакеты {

Итог<std::string, std::string> временная_папка();

// Whatever is at `папка` is removed (moved aside when it cannot be), then an empty folder that
// only this user may enter is made there, so that no other user can have put or swapped anything
// in it; one left by someone else makes the creation fail.
Итог<Пусто, std::string> пересоздать_временную_папку(const std::string& папка);

// Removes the clone folders of this user's runs that ended without clearing up (killed, or cut off
// with the power); one of a process that still runs, or another user's, stays. Failures are ignored.
void убрать_брошенные_клоны();

// Removes the folder with everything in it; a failure is ignored.
void удалить_тихо(const std::string& папка);

}  // namespace тувра::пакеты
