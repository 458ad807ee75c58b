#include "support/platform/standard_streams.h"

#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>

namespace тувра::платформа {

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
