#include "support/platform/environment.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>

extern char** environ;

namespace тувра::платформа {

std::vector<std::string> аргументы_программы(int argc, char** argv) {
  return std::vector<std::string>(argv, argv + argc);
}

std::optional<std::string> переменная_окружения(std::string_view имя) {
  const char* значение = std::getenv(std::string(имя).c_str());
  if (значение == nullptr) return std::nullopt;
  return std::string(значение);
}

std::vector<std::string> окружение() {
  std::vector<std::string> переменные;
  for (char** п = environ; п != nullptr && *п != nullptr; ++п) переменные.emplace_back(*п);
  return переменные;
}

// The variables the C++ library looks at, in its order; an empty one counts as unset, as for
// the shell and most programs.
Итог<std::string, std::string> временная_папка() {
  std::string папка = "/tmp";
  for (const char* имя : {"TMPDIR", "TMP", "TEMP", "TEMPDIR"}) {
    const char* значение = std::getenv(имя);
    if (значение != nullptr && *значение != '\0') {
      папка = значение;
      break;
    }
  }
  std::error_code код;
  if (!std::filesystem::is_directory(папка, код)) {
    return Неудача{(код ? код : std::make_error_code(std::errc::not_a_directory)).message()};
  }
  return папка;
}

std::uint64_t номер_процесса() { return static_cast<std::uint64_t>(::getpid()); }

}  // namespace тувра::платформа
