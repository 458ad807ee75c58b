#include "support/platform/file_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <optional>
#include <thread>
#include <utility>

namespace тувра::платформа {
namespace {

ОшибкаФайла системная(int код) { return {ПричинаОшибки::Система, std::strerror(код)}; }

// Why the lock file could not be taken as one, or nothing when it is a regular file.
std::optional<ОшибкаФайла> не_обычный(int fd) {
  struct stat сведения {};
  if (::fstat(fd, &сведения) != 0) return системная(errno);
  if (S_ISDIR(сведения.st_mode)) return системная(EISDIR);
  if (!S_ISREG(сведения.st_mode)) return ОшибкаФайла{ПричинаОшибки::НеОбычныйФайл, {}};
  return std::nullopt;
}

}  // namespace

ЗамокФайла::ЗамокФайла(ЗамокФайла&& другой) noexcept : описатель_(std::exchange(другой.описатель_, -1)) {}

ЗамокФайла& ЗамокФайла::operator=(ЗамокФайла&& другой) noexcept {
  if (this != &другой) {
    if (описатель_ >= 0) ::close(static_cast<int>(описатель_));
    описатель_ = std::exchange(другой.описатель_, -1);
  }
  return *this;
}

ЗамокФайла::~ЗамокФайла() {
  if (описатель_ >= 0) ::close(static_cast<int>(описатель_));
}

ИтогФайла<ЗамокФайла> занять_файл(std::string_view путь, std::chrono::milliseconds ожидание) {
  const std::string имя(путь);
  // Non-blocking, so that a pipe put there cannot stall the open before it is refused.
  const int fd = ::open(имя.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0666);
  if (fd < 0) {
    const int код = errno;
    if (вид_записи(имя) == ВидЗаписи::Ссылка) return Неудача{ОшибкаФайла{ПричинаОшибки::Ссылка, {}}};
    return Неудача{системная(код)};
  }
  ЗамокФайла замок(fd);
  if (auto отказ = не_обычный(fd)) return Неудача{std::move(*отказ)};
  const auto предел = std::chrono::steady_clock::now() + ожидание;
  while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    if (errno == EINTR) continue;
    if (errno != EWOULDBLOCK) return Неудача{системная(errno)};
    if (std::chrono::steady_clock::now() >= предел) return Неудача{ОшибкаФайла{ПричинаОшибки::Занято, {}}};
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  return замок;
}

}  // namespace тувра::платформа
