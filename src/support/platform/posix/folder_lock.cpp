#include "support/platform/folder_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <thread>
#include <utility>

#include "support/platform/interruption.h"

namespace тувра::платформа {
namespace {

ОшибкаФайла системная(int код) { return {ПричинаОшибки::Система, std::strerror(код)}; }

}  // namespace

ЗамокПапки::ЗамокПапки(ЗамокПапки&& другой) noexcept : описатель_(std::exchange(другой.описатель_, -1)) {}

ЗамокПапки& ЗамокПапки::operator=(ЗамокПапки&& другой) noexcept {
  if (this != &другой) {
    if (описатель_ >= 0) ::close(static_cast<int>(описатель_));
    описатель_ = std::exchange(другой.описатель_, -1);
  }
  return *this;
}

ЗамокПапки::~ЗамокПапки() {
  if (описатель_ >= 0) ::close(static_cast<int>(описатель_));
}

ИтогФайла<ЗамокПапки> занять_папку(std::string_view путь, std::chrono::milliseconds ожидание) {
  const std::string имя(путь);
  const int fd = ::open(имя.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return Неудача{системная(errno)};
  ЗамокПапки замок(fd);
  const auto предел = std::chrono::steady_clock::now() + ожидание;
  while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    if (errno == EINTR) continue;
    if (errno != EWOULDBLOCK) return Неудача{системная(errno)};
    if (прервано()) return Неудача{ОшибкаФайла{ПричинаОшибки::Прервано, {}}};
    if (std::chrono::steady_clock::now() >= предел) return Неудача{ОшибкаФайла{ПричинаОшибки::Занято, {}}};
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  return замок;
}

}  // namespace тувра::платформа
