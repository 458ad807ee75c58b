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

Итог<std::string, std::string> временная_папка() {
  std::error_code код;
  const std::filesystem::path папка = std::filesystem::temp_directory_path(код);
  if (код) return Неудача{код.message()};
  return папка.native();
}

std::uint64_t номер_процесса() { return static_cast<std::uint64_t>(::getpid()); }

}  // namespace тувра::платформа
