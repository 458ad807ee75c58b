#include "support/platform/files.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <optional>
#include <utility>

namespace тувра::платформа {
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

ОшибкаФайла ошибка_errno(int код = errno) {
  return {код == ENOENT ? ПричинаОшибки::НетЗаписи : ПричинаОшибки::Система, std::strerror(код)};
}

ОшибкаФайла своя(ПричинаОшибки причина) { return {причина, {}}; }

ОшибкаФайла ошибка_кода(const std::error_code& код) {
  return {код == std::errc::no_such_file_or_directory ? ПричинаОшибки::НетЗаписи : ПричинаОшибки::Система,
          код.message()};
}

std::string строка(std::string_view путь) { return std::string(путь); }

// Why `имя` in the folder could not be opened: a link is named as such, not by ELOOP's words.
ОшибкаФайла причина_отказа(int папка, const char* имя, int код) {
  struct stat сведения {};
  if (::fstatat(папка, имя, &сведения, AT_SYMLINK_NOFOLLOW) == 0 && S_ISLNK(сведения.st_mode)) {
    return своя(ПричинаОшибки::Ссылка);
  }
  return ошибка_errno(код);
}

ВидЗаписи вид_по_режиму(mode_t режим) {
  if (S_ISLNK(режим)) return ВидЗаписи::Ссылка;
  if (S_ISREG(режим)) return ВидЗаписи::Файл;
  if (S_ISDIR(режим)) return ВидЗаписи::Папка;
  return ВидЗаписи::Другое;
}

// The components of `внутри` between its separators, empty ones and "." dropped.
std::vector<std::string> компоненты(std::string_view внутри) {
  std::vector<std::string> части;
  while (!внутри.empty()) {
    const std::size_t конец = внутри.find('/');
    const std::string_view часть = внутри.substr(0, конец);
    if (!часть.empty() && часть != ".") части.emplace_back(часть);
    if (конец == std::string_view::npos) break;
    внутри.remove_prefix(конец + 1);
  }
  return части;
}

// The folder holding the last component of `внутри`, walked down from `папка` without links.
ИтогФайла<Дескриптор> открыть_родителя(std::string_view папка, const std::vector<std::string>& части) {
  Дескриптор текущая{::open(папка.empty() ? "." : строка(папка).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)};
  if (текущая.fd < 0) return Неудача{ошибка_errno()};
  for (std::size_t i = 0; i + 1 < части.size(); ++i) {
    const char* имя = части[i].c_str();
    Дескриптор следующая{::openat(текущая.fd, имя, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC)};
    if (следующая.fd < 0) return Неудача{причина_отказа(текущая.fd, имя, errno)};
    текущая = std::move(следующая);
  }
  return текущая;
}

std::string последняя_часть(const std::vector<std::string>& части) { return части.empty() ? "" : части.back(); }

ИтогФайла<Дескриптор> открыть_для_чтения(std::string_view папка, std::string_view внутри, std::size_t предел) {
  const std::vector<std::string> части = компоненты(внутри);
  auto родитель = открыть_родителя(папка, части);
  if (!родитель) return Неудача{std::move(родитель).error()};
  const std::string имя = последняя_часть(части);
  // Non-blocking, so that a pipe or a device cannot stall the open before it is checked.
  Дескриптор файл{::openat(родитель->fd, имя.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC)};
  if (файл.fd < 0) return Неудача{причина_отказа(родитель->fd, имя.c_str(), errno)};
  struct stat сведения {};
  if (::fstat(файл.fd, &сведения) != 0) return Неудача{ошибка_errno()};
  if (S_ISDIR(сведения.st_mode)) return Неудача{ошибка_errno(EISDIR)};
  if (!S_ISREG(сведения.st_mode)) return Неудача{своя(ПричинаОшибки::НеОбычныйФайл)};
  if (static_cast<std::uintmax_t>(сведения.st_size) > предел) return Неудача{своя(ПричинаОшибки::СлишкомБольшой)};
  return файл;
}

ИтогФайла<std::string> прочитать_всё(int fd, std::size_t предел) {
  std::string байты;
  // Room for the size measured, and a byte to see the end: a file at the cap is not copied over
  // and over while it grows by doubling.
  struct stat сведения {};
  if (::fstat(fd, &сведения) == 0 && сведения.st_size >= 0) {
    байты.reserve(std::min<std::uintmax_t>(static_cast<std::uintmax_t>(сведения.st_size), предел) + 1);
  }
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
    if (байты.size() > предел) return Неудача{своя(ПричинаОшибки::СлишкомБольшой)};
  }
}

ИтогФайла<Пусто> записать_всё(int fd, std::string_view байты) {
  while (!байты.empty()) {
    const ssize_t записано = ::write(fd, байты.data(), байты.size());
    if (записано < 0) {
      if (errno == EINTR) continue;
      return Неудача{ошибка_errno()};
    }
    байты.remove_prefix(static_cast<std::size_t>(записано));
  }
  return Пусто{};
}

// The old file may be replaced when it is absent or a regular file we may write to;
// its permission bits carry over to the new file.
ИтогФайла<std::optional<mode_t>> права_заменяемого(int папка, const char* имя) {
  struct stat сведения {};
  if (::fstatat(папка, имя, &сведения, AT_SYMLINK_NOFOLLOW) != 0) {
    if (errno == ENOENT) return std::optional<mode_t>();
    return Неудача{ошибка_errno()};
  }
  if (S_ISLNK(сведения.st_mode)) return Неудача{своя(ПричинаОшибки::Ссылка)};
  if (S_ISDIR(сведения.st_mode)) return Неудача{ошибка_errno(EISDIR)};
  if (!S_ISREG(сведения.st_mode)) return Неудача{своя(ПричинаОшибки::НеОбычныйФайл)};
  // Renaming needs only the folder's permission; a read-only file stays as protected as before.
  if (::faccessat(папка, имя, W_OK, AT_EACCESS) != 0) return Неудача{ошибка_errno()};
  return std::optional<mode_t>(сведения.st_mode & 07777);
}

// A new file beside the old one, so that the rename stays on one file system.
ИтогФайла<std::pair<Дескриптор, std::string>> создать_черновик(int папка, std::string_view имя) {
  for (int попытка = 0;; ++попытка) {
    std::string черновик = имя_черновика(имя, static_cast<unsigned long>(::getpid()), попытка);
    Дескриптор файл{::openat(папка, черновик.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666)};
    if (файл.fd >= 0) return std::pair{std::move(файл), std::move(черновик)};
    if (errno != EEXIST || попытка == 99) return Неудача{ошибка_errno()};
  }
}

ИтогФайла<Пусто> заполнить_черновик(int fd, std::optional<mode_t> права, std::string_view байты) {
  // The mode given to open is cut by the umask; an old file's bits carry over in full.
  if (права && ::fchmod(fd, *права) != 0) return Неудача{ошибка_errno()};
  if (auto записано = записать_всё(fd, байты); !записано) return записано;
  if (::fsync(fd) != 0) return Неудача{ошибка_errno()};
  return Пусто{};
}

}  // namespace

std::string соединить_пути(std::string_view а, std::string_view б) {
  if (а.empty()) return std::string(б);
  std::string путь(а);
  if (путь.back() != '/') путь += '/';
  путь.append(б);
  return путь;
}

std::string_view родитель_пути(std::string_view путь) {
  const std::size_t черта = путь.rfind('/');
  if (черта == std::string_view::npos) return {};
  return черта == 0 ? путь.substr(0, 1) : путь.substr(0, черта);
}

std::string_view последний_компонент(std::string_view путь) {
  const std::size_t черта = путь.rfind('/');
  return черта == std::string_view::npos ? путь : путь.substr(черта + 1);
}

bool путь_абсолютный(std::string_view путь) { return !путь.empty() && путь.front() == '/'; }

ИтогФайла<std::string> абсолютный_путь(std::string_view путь) {
  if (путь_абсолютный(путь)) return строка(путь);
  std::error_code код;
  const fs::path текущая = fs::current_path(код);
  if (код) return Неудача{ошибка_кода(код)};
  return соединить_пути(текущая.native(), путь);
}

ИтогФайла<std::string> полный_путь(std::string_view путь) {
  std::error_code код;
  const fs::path полный = fs::canonical(fs::path(строка(путь)), код);
  if (код) return Неудача{ошибка_кода(код)};
  return полный.native();
}

ВидЗаписи вид_записи(std::string_view путь) {
  struct stat сведения {};
  if (::lstat(строка(путь).c_str(), &сведения) != 0) return ВидЗаписи::Нет;
  return вид_по_режиму(сведения.st_mode);
}

ВидЗаписи вид_цели(std::string_view путь) {
  struct stat сведения {};
  if (::stat(строка(путь).c_str(), &сведения) != 0) return ВидЗаписи::Нет;
  return вид_по_режиму(сведения.st_mode);
}

ИтогФайла<std::vector<ЗаписьПапки>> записи_папки(std::string_view путь) {
  const std::string папка = путь.empty() ? "." : строка(путь);
  const int fd = ::open(папка.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
  if (fd < 0) {
    const int код = errno;
    if (вид_записи(папка) == ВидЗаписи::Ссылка) return Неудача{своя(ПричинаОшибки::Ссылка)};
    return Неудача{ошибка_errno(код)};
  }
  DIR* обход = ::fdopendir(fd);
  if (обход == nullptr) {
    const int код = errno;
    ::close(fd);
    return Неудача{ошибка_errno(код)};
  }
  std::vector<ЗаписьПапки> записи;
  std::optional<ОшибкаФайла> сбой;
  for (;;) {
    errno = 0;
    const dirent* запись = ::readdir(обход);
    if (запись == nullptr) {
      if (errno != 0) сбой = ОшибкаФайла{ПричинаОшибки::ЧтениеЗаписи, std::strerror(errno)};
      break;
    }
    const std::string_view имя = запись->d_name;
    if (имя == "." || имя == "..") continue;
    struct stat сведения {};
    ВидЗаписи вид = ВидЗаписи::Другое;
    if (::fstatat(::dirfd(обход), запись->d_name, &сведения, AT_SYMLINK_NOFOLLOW) == 0) {
      вид = вид_по_режиму(сведения.st_mode);
    } else if (errno == ENOENT) {
      continue;  // gone since the folder was read
    }
    записи.push_back({std::string(имя), вид});
  }
  ::closedir(обход);
  if (сбой) return Неудача{std::move(*сбой)};
  return записи;
}

ИтогФайла<Пусто> создать_папки(std::string_view путь) {
  std::error_code код;
  fs::create_directories(fs::path(строка(путь)), код);
  if (код) return Неудача{ошибка_кода(код)};
  return Пусто{};
}

ИтогФайла<Пусто> создать_личную_папку(std::string_view путь) {
  if (::mkdir(строка(путь).c_str(), 0700) != 0) return Неудача{ошибка_errno()};
  return Пусто{};
}

ИтогФайла<Пусто> удалить_дерево(std::string_view путь) {
  std::error_code код;
  fs::remove_all(fs::path(строка(путь)), код);
  if (код) return Неудача{ошибка_кода(код)};
  return Пусто{};
}

ИтогФайла<Пусто> удалить_запись(std::string_view путь) {
  std::error_code код;
  if (!fs::remove(fs::path(строка(путь)), код) && !код) return Неудача{ошибка_errno(ENOENT)};
  if (код) return Неудача{ошибка_кода(код)};
  return Пусто{};
}

ИтогФайла<Пусто> скопировать_файл(std::string_view откуда, std::string_view куда) {
  Дескриптор источник{::open(строка(откуда).c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC)};
  if (источник.fd < 0) {
    const int код = errno;
    if (вид_записи(откуда) == ВидЗаписи::Ссылка) return Неудача{своя(ПричинаОшибки::Ссылка)};
    return Неудача{ошибка_errno(код)};
  }
  struct stat сведения {};
  if (::fstat(источник.fd, &сведения) != 0) return Неудача{ошибка_errno()};
  if (S_ISDIR(сведения.st_mode)) return Неудача{ошибка_errno(EISDIR)};
  if (!S_ISREG(сведения.st_mode)) return Неудача{своя(ПричинаОшибки::НеОбычныйФайл)};
  Дескриптор цель{
      ::open(строка(куда).c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, сведения.st_mode & 0777)};
  if (цель.fd < 0) return Неудача{ошибка_errno()};
  char буфер[65536];
  for (;;) {
    const ssize_t прочитано = ::read(источник.fd, буфер, sizeof буфер);
    if (прочитано == 0) break;
    if (прочитано < 0) {
      if (errno == EINTR) continue;
      return Неудача{ошибка_errno()};
    }
    if (auto записано = записать_всё(цель.fd, std::string_view(буфер, static_cast<std::size_t>(прочитано)));
        !записано) {
      return записано;
    }
  }
  if (::close(std::exchange(цель.fd, -1)) != 0) return Неудача{ошибка_errno()};
  return Пусто{};
}

ИтогФайла<std::string> прочитать_файл(std::string_view папка, std::string_view внутри, std::size_t предел) {
  auto файл = открыть_для_чтения(папка, внутри, предел);
  if (!файл) return Неудача{std::move(файл).error()};
  return прочитать_всё(файл->fd, предел);
}

ИтогФайла<Пусто> заменить_файл(std::string_view папка, std::string_view внутри, std::string_view байты) {
  const std::vector<std::string> части = компоненты(внутри);
  auto родитель = открыть_родителя(папка, части);
  if (!родитель) return Неудача{std::move(родитель).error()};
  const std::string имя = последняя_часть(части);
  auto права = права_заменяемого(родитель->fd, имя.c_str());
  if (!права) return Неудача{std::move(права).error()};
  auto черновик = создать_черновик(родитель->fd, имя);
  if (!черновик) return Неудача{std::move(черновик).error()};
  auto& [файл, имя_черновика] = *черновик;
  ИтогФайла<Пусто> готов = заполнить_черновик(файл.fd, *права, байты);
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

ИтогФайла<Пусто> удалить_файл_внутри(std::string_view папка, std::string_view внутри) {
  const std::vector<std::string> части = компоненты(внутри);
  auto родитель = открыть_родителя(папка, части);
  if (!родитель) return Неудача{std::move(родитель).error()};
  if (::unlinkat(родитель->fd, последняя_часть(части).c_str(), 0) != 0) return Неудача{ошибка_errno()};
  return Пусто{};
}

}  // namespace тувра::платформа
