#include "support/platform/ownership.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>

namespace тувра::платформа {

bool процесс_жив(std::uint64_t номер) {
  if (номер == 0 || номер > static_cast<std::uint64_t>(INT32_MAX)) return false;
  return ::kill(static_cast<pid_t>(номер), 0) == 0 || errno == EPERM;
}

std::uint64_t наибольший_номер_процесса() {
  // Linux hands out ids below this number; without /proc, up to the largest it ever allows.
  std::ifstream предел("/proc/sys/kernel/pid_max");
  std::uint64_t число = 0;
  if (предел >> число && число > 1 && число <= (std::uint64_t{1} << 22)) return число - 1;
  return (std::uint64_t{1} << 22) - 1;
}

bool своя_папка(std::string_view путь) {
  struct stat сведения {};
  return ::lstat(std::string(путь).c_str(), &сведения) == 0 && S_ISDIR(сведения.st_mode) &&
         сведения.st_uid == ::geteuid();
}

ИтогФайла<Пусто> переименовать_папку(std::string_view откуда, std::string_view куда) {
  if (::renameat2(AT_FDCWD, std::string(откуда).c_str(), AT_FDCWD, std::string(куда).c_str(), RENAME_NOREPLACE) != 0) {
    return Неудача{ОшибкаФайла{ПричинаОшибки::Система, std::strerror(errno)}};
  }
  return Пусто{};
}

}  // namespace тувра::платформа
