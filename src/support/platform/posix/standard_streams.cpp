#include "support/platform/standard_streams.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>

namespace тувра::платформа {

bool занять_закрытые_потоки() {
  for (int поток = 0; поток <= 2; ++поток) {
    if (::fcntl(поток, F_GETFD) != -1 || errno != EBADF) continue;
    // The lowest free descriptor, which is this one: those below it are open by now.
    const int открыт = ::open("/dev/null", O_RDONLY);
    if (открыт < 0) return false;
    if (открыт != поток && (::dup2(открыт, поток) != поток || ::close(открыт) != 0)) return false;
  }
  return true;
}

void подготовить_стандартные_потоки() { std::signal(SIGPIPE, SIG_IGN); }

Итог<std::size_t, std::string> прочитать_стандартный_ввод(char* куда, std::size_t размер) {
  for (;;) {
    const auto прочитано = ::read(0, куда, размер);
    if (прочитано >= 0) return static_cast<std::size_t>(прочитано);
    if (errno != EINTR) return Неудача{std::string(std::strerror(errno))};
  }
}

Итог<std::size_t, std::string> записать_в_стандартный_вывод(const char* откуда, std::size_t размер) {
  for (;;) {
    const auto записано = ::write(1, откуда, размер);
    if (записано >= 0) return static_cast<std::size_t>(записано);
    if (errno != EINTR) return Неудача{std::string(std::strerror(errno))};
  }
}

}  // namespace тувра::платформа
