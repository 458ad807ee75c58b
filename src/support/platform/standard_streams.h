// The process's standard streams: kept apart from the files a program opens, and as raw bytes
// for a program that frames its own messages on them.
#pragma once

#include <cstddef>
#include <string>

#include "support/expected.h"

namespace тувра::платформа {

// Puts the null device, opened for reading only, in place of every standard stream the process
// was started without (a service or a detached start may close them): the first pipe or file the
// program opens would take that place otherwise, and messages would go into it. Writes to such a
// stream fail as they would to a closed one, so output meant for it counts as lost. Called first
// thing in main; false when the null device cannot be opened, and the program must not go on.
bool занять_закрытые_потоки();

// Binary mode on the three standard streams (no "\r\n" for "\n" on Windows: the same bytes on
// every system), and writing to a closed pipe becomes a write error instead of a signal that
// ends the process.
void подготовить_стандартные_потоки();

// Waits until something has arrived and reads up to размер bytes of it; 0 at the end of the
// input. An error is the system's text for it.
Итог<std::size_t, std::string> прочитать_стандартный_ввод(char* куда, std::size_t размер);

// Writes some of the bytes, at least one, and says how many.
Итог<std::size_t, std::string> записать_в_стандартный_вывод(const char* откуда, std::size_t размер);

}  // namespace тувра::платформа
