// One command at a time per project: the commands that change a project hold an exclusive
// lock on a file in it from start to end, and clear what a killed run left half-written.
#pragma once

#include <chrono>
#include <string>

#include "support/expected.h"
#include "support/platform/file_lock.h"

namespace тувра::пакеты {

// How long a second run waits for the first before it gives up.
inline constexpr std::chrono::seconds кОжиданиеПроекта{5};

// Takes the project in the current folder (the lock file is made when missing), then removes
// the drafts of replaced files that a killed run left in it and in its package folders.
Итог<платформа::ЗамокФайла, std::string> занять_проект();

}  // namespace тувра::пакеты
