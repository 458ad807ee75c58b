// The program's command line and environment, as UTF-8 text.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "support/expected.h"

namespace тувра::платформа {

// The arguments, the program's own name first. On Windows they are read from the system as
// UTF-16 and `argc`/`argv` are not used.
std::vector<std::string> аргументы_программы(int argc, char** argv);

// A variable's value; none when it is not set. A value that is not valid Unicode comes back as
// bytes that are not UTF-8 (on Windows an unpaired surrogate becomes such bytes).
std::optional<std::string> переменная_окружения(std::string_view имя);

// The whole environment, one "ИМЯ=значение" text per variable, in the system's order.
std::vector<std::string> окружение();

// The system's folder for temporary files; the error is the system's text.
Итог<std::string, std::string> временная_папка();

std::uint64_t номер_процесса();

}  // namespace тувра::платформа
