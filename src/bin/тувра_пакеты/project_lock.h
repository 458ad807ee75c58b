// One command at a time per project: the commands that change a project hold an exclusive
// lock on the project folder itself from start to end (no file of its own is made), and clear
// what a killed run left half-written.
#pragma once

#include <chrono>
#include <string>
#include <string_view>

#include "support/expected.h"
#include "support/platform/folder_lock.h"

namespace тувра::пакеты {

// The file in which earlier versions kept the lock; one left in a project is removed.
inline constexpr std::string_view кСтарыйФайлЗамка = ".тувра_пакеты.замок";

// How long a second run waits for the first before it gives up.
inline constexpr std::chrono::seconds кОжиданиеПроекта{5};

// Takes the project in the current folder, then removes the drafts of replaced files that a
// killed run left in it and in its package folders.
Итог<платформа::ЗамокПапки, std::string> занять_проект();

}  // namespace тувра::пакеты
