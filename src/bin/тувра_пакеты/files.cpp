#include "files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "text.h"

namespace тувра::пакеты {
namespace {

// Closes the descriptor on every way out.
struct Дескриптор {
  int fd;
  ~Дескриптор() {
    if (fd >= 0) ::close(fd);
  }
};

std::string ошибка_errno() { return std::strerror(errno); }

}  // namespace

std::string текст_ошибки(const std::error_code& код) { return код.message(); }

bool сведения_доступны(const std::filesystem::path& путь) {
  struct stat сведения {};
  return ::stat(путь.c_str(), &сведения) == 0;
}

Итог<std::string, std::string> прочитать_байты(const std::filesystem::path& путь) {
  Дескриптор файл{::open(путь.c_str(), O_RDONLY | O_CLOEXEC)};
  if (файл.fd < 0) return Неудача{ошибка_errno()};
  struct stat сведения {};
  if (::fstat(файл.fd, &сведения) != 0) return Неудача{ошибка_errno()};
  if (S_ISDIR(сведения.st_mode)) return Неудача{std::string(std::strerror(EISDIR))};
  std::string байты;
  char буфер[65536];
  for (;;) {
    const ssize_t прочитано = ::read(файл.fd, буфер, sizeof буфер);
    if (прочитано == 0) break;
    if (прочитано < 0) {
      if (errno == EINTR) continue;
      return Неудача{ошибка_errno()};
    }
    байты.append(буфер, static_cast<std::size_t>(прочитано));
  }
  return байты;
}

Итог<std::string, std::string> прочитать_текст(const std::filesystem::path& путь) {
  auto байты = прочитать_байты(путь);
  if (!байты) return байты;
  if (!это_utf8(*байты)) return Неудача{std::string("содержимое не является текстом в кодировке UTF-8")};
  return байты;
}

Итог<Пусто, std::string> записать_текст(const std::filesystem::path& путь, std::string_view текст) {
  Дескриптор файл{::open(путь.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666)};
  if (файл.fd < 0) return Неудача{ошибка_errno()};
  while (!текст.empty()) {
    const ssize_t записано = ::write(файл.fd, текст.data(), текст.size());
    if (записано < 0) {
      if (errno == EINTR) continue;
      return Неудача{ошибка_errno()};
    }
    текст.remove_prefix(static_cast<std::size_t>(записано));
  }
  if (::close(файл.fd) != 0) {
    файл.fd = -1;
    return Неудача{ошибка_errno()};
  }
  файл.fd = -1;
  return Пусто{};
}

}  // namespace тувра::пакеты
