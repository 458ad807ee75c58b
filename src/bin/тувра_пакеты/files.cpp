#include "files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <optional>
#include <utility>

#include "messages.h"
#include "text.h"

namespace тувра::пакеты {
namespace fs = std::filesystem;
namespace {

// Closes the descriptor on every way out.
struct Дескриптор {
  int fd = -1;
  Дескриптор() = default;
  explicit Дескриптор(int f) : fd(f) {}
  Дескриптор(Дескриптор&& другой) noexcept : fd(std::exchange(другой.fd, -1)) {}
  Дескриптор& operator=(Дескриптор&& другой) noexcept {
    if (this != &другой) {
      if (fd >= 0) ::close(fd);
      fd = std::exchange(другой.fd, -1);
    }
    return *this;
  }
  ~Дескриптор() {
    if (fd >= 0) ::close(fd);
  }
};

std::string ошибка_errno(int код = errno) { return std::strerror(код); }

// Why `имя` in the folder could not be opened: a link gets its own words, not ELOOP's.
std::string причина_отказа(int папка, const char* имя, int код) {
  struct stat сведения {};
  if (::fstatat(папка, имя, &сведения, AT_SYMLINK_NOFOLLOW) == 0 && S_ISLNK(сведения.st_mode)) {
    return std::string(причины::символическая_ссылка);
  }
  return ошибка_errno(код);
}

// A path given whole: a relative one is the project's own, so none of it is trusted.
std::pair<fs::path, fs::path> разделить(const fs::path& путь) {
  if (путь.is_absolute()) return {путь.parent_path(), путь.filename()};
  return {fs::path(), путь};
}

// Opens the folder holding the last component of `внутри`, walking down from `папка` without links.
Итог<Дескриптор, std::string> открыть_родителя(const fs::path& папка, const fs::path& внутри) {
  Дескриптор текущая{::open(папка.empty() ? "." : папка.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)};
  if (текущая.fd < 0) return Неудача{ошибка_errno()};
  const fs::path родитель = внутри.parent_path();
  for (const fs::path& часть : родитель) {
    if (часть.empty() || часть == ".") continue;
    Дескриптор следующая{::openat(текущая.fd, часть.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC)};
    if (следующая.fd < 0) return Неудача{причина_отказа(текущая.fd, часть.c_str(), errno)};
    текущая = std::move(следующая);
  }
  return текущая;
}

Итог<Дескриптор, std::string> открыть_для_чтения(const fs::path& папка, const fs::path& внутри) {
  auto родитель = открыть_родителя(папка, внутри);
  if (!родитель) return Неудача{std::move(родитель).error()};
  const std::string имя = внутри.filename().string();
  // Non-blocking, so that a pipe or a device cannot stall the open before it is checked.
  Дескриптор файл{::openat(родитель->fd, имя.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC)};
  if (файл.fd < 0) return Неудача{причина_отказа(родитель->fd, имя.c_str(), errno)};
  struct stat сведения {};
  if (::fstat(файл.fd, &сведения) != 0) return Неудача{ошибка_errno()};
  if (S_ISDIR(сведения.st_mode)) return Неудача{ошибка_errno(EISDIR)};
  if (!S_ISREG(сведения.st_mode)) return Неудача{std::string(причины::не_обычный_файл)};
  if (static_cast<std::uintmax_t>(сведения.st_size) > причины::кПределЧтения) {
    return Неудача{std::string(причины::слишком_большой)};
  }
  return файл;
}

Итог<std::string, std::string> прочитать_всё(int fd) {
  std::string байты;
  char буфер[65536];
  for (;;) {
    const ssize_t прочитано = ::read(fd, буфер, sizeof буфер);
    if (прочитано == 0) return байты;
    if (прочитано < 0) {
      if (errno == EINTR) continue;
      return Неудача{ошибка_errno()};
    }
    байты.append(буфер, static_cast<std::size_t>(прочитано));
    // The file may grow after it was measured.
    if (байты.size() > причины::кПределЧтения) return Неудача{std::string(причины::слишком_большой)};
  }
}

Итог<Пусто, std::string> записать_всё(int fd, std::string_view текст) {
  while (!текст.empty()) {
    const ssize_t записано = ::write(fd, текст.data(), текст.size());
    if (записано < 0) {
      if (errno == EINTR) continue;
      return Неудача{ошибка_errno()};
    }
    текст.remove_prefix(static_cast<std::size_t>(записано));
  }
  return Пусто{};
}

// The old file may be replaced when it is absent or a regular file we may write to;
// its permission bits carry over to the new file.
Итог<std::optional<mode_t>, std::string> права_заменяемого(int папка, const char* имя) {
  struct stat сведения {};
  if (::fstatat(папка, имя, &сведения, AT_SYMLINK_NOFOLLOW) != 0) {
    if (errno == ENOENT) return std::optional<mode_t>();
    return Неудача{ошибка_errno()};
  }
  if (S_ISLNK(сведения.st_mode)) return Неудача{std::string(причины::символическая_ссылка)};
  if (S_ISDIR(сведения.st_mode)) return Неудача{ошибка_errno(EISDIR)};
  if (!S_ISREG(сведения.st_mode)) return Неудача{std::string(причины::не_обычный_файл)};
  // Renaming needs only the folder's permission; a read-only file stays as protected as before.
  if (::faccessat(папка, имя, W_OK, AT_EACCESS) != 0) return Неудача{ошибка_errno()};
  return std::optional<mode_t>(сведения.st_mode & 07777);
}

// A new file beside the old one, so that the rename stays on one file system.
Итог<std::pair<Дескриптор, std::string>, std::string> создать_черновик(int папка, std::string_view имя) {
  for (int попытка = 0;; ++попытка) {
    std::string черновик =
        "." + std::string(имя) + ".новый." + std::to_string(::getpid()) + "." + std::to_string(попытка);
    Дескриптор файл{::openat(папка, черновик.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666)};
    if (файл.fd >= 0) return std::pair{std::move(файл), std::move(черновик)};
    if (errno != EEXIST || попытка == 99) return Неудача{ошибка_errno()};
  }
}

Итог<Пусто, std::string> заполнить_черновик(int fd, std::optional<mode_t> права, std::string_view текст) {
  // The mode given to open is cut by the umask; an old file's bits carry over in full.
  if (права && ::fchmod(fd, *права) != 0) return Неудача{ошибка_errno()};
  if (auto записано = записать_всё(fd, текст); !записано) return записано;
  if (::fsync(fd) != 0) return Неудача{ошибка_errno()};
  return Пусто{};
}

}  // namespace

std::string текст_ошибки(const std::error_code& код) { return код.message(); }

bool сведения_доступны(const fs::path& путь) {
  struct stat сведения {};
  return ::lstat(путь.c_str(), &сведения) == 0;
}

Итог<Пусто, std::string> не_ссылка_на_папку(const fs::path& путь) {
  struct stat сведения {};
  if (::lstat(путь.c_str(), &сведения) == 0 && S_ISLNK(сведения.st_mode)) {
    return Неудача{std::string(причины::символическая_ссылка)};
  }
  return Пусто{};
}

Итог<std::string, std::string> прочитать_байты(const fs::path& папка, const fs::path& внутри) {
  auto файл = открыть_для_чтения(папка, внутри);
  if (!файл) return Неудача{std::move(файл).error()};
  return прочитать_всё(файл->fd);
}

Итог<std::string, std::string> прочитать_байты(const fs::path& путь) {
  const auto [папка, внутри] = разделить(путь);
  return прочитать_байты(папка, внутри);
}

Итог<std::string, std::string> прочитать_текст(const fs::path& папка, const fs::path& внутри) {
  auto байты = прочитать_байты(папка, внутри);
  if (!байты) return байты;
  if (!это_utf8(*байты)) return Неудача{std::string("содержимое не является текстом в кодировке UTF-8")};
  return байты;
}

Итог<std::string, std::string> прочитать_текст(const fs::path& путь) {
  const auto [папка, внутри] = разделить(путь);
  return прочитать_текст(папка, внутри);
}

Итог<Пусто, std::string> записать_текст(const fs::path& папка, const fs::path& внутри, std::string_view текст) {
  auto родитель = открыть_родителя(папка, внутри);
  if (!родитель) return Неудача{std::move(родитель).error()};
  const std::string имя = внутри.filename().string();
  auto права = права_заменяемого(родитель->fd, имя.c_str());
  if (!права) return Неудача{std::move(права).error()};
  auto черновик = создать_черновик(родитель->fd, имя);
  if (!черновик) return Неудача{std::move(черновик).error()};
  auto& [файл, имя_черновика] = *черновик;
  auto готов = заполнить_черновик(файл.fd, *права, текст);
  if (готов && ::close(std::exchange(файл.fd, -1)) != 0) готов = Неудача{ошибка_errno()};
  if (готов && ::renameat(родитель->fd, имя_черновика.c_str(), родитель->fd, имя.c_str()) != 0) {
    готов = Неудача{ошибка_errno()};
  }
  if (!готов) {
    ::unlinkat(родитель->fd, имя_черновика.c_str(), 0);
    return готов;
  }
  // The folder is not synced: after a crash either the old file or the new one is there, whole.
  return Пусто{};
}

Итог<Пусто, std::string> записать_текст(const fs::path& путь, std::string_view текст) {
  const auto [папка, внутри] = разделить(путь);
  return записать_текст(папка, внутри, текст);
}

Итог<Пусто, std::string> удалить_файл_внутри(const fs::path& папка, const fs::path& внутри) {
  auto родитель = открыть_родителя(папка, внутри);
  if (!родитель) return Неудача{std::move(родитель).error()};
  if (::unlinkat(родитель->fd, внутри.filename().c_str(), 0) != 0) return Неудача{ошибка_errno()};
  return Пусто{};
}

}  // namespace тувра::пакеты
