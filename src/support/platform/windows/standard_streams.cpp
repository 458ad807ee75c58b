#include "support/platform/standard_streams.h"

#include <fcntl.h>
#include <io.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace тувра::платформа {

namespace {

// The C runtime counts bytes in an unsigned int.
unsigned часть(std::size_t размер) { return static_cast<unsigned>(std::min<std::size_t>(размер, 1u << 30)); }

}  // namespace

void подготовить_стандартные_потоки() {
  _setmode(0, _O_BINARY);
  _setmode(1, _O_BINARY);
  _setmode(2, _O_BINARY);
}

Итог<std::size_t, std::string> прочитать_стандартный_ввод(char* куда, std::size_t размер) {
  const int прочитано = _read(0, куда, часть(размер));
  if (прочитано < 0) return Неудача{std::string(std::strerror(errno))};
  return static_cast<std::size_t>(прочитано);
}

Итог<std::size_t, std::string> записать_в_стандартный_вывод(const char* откуда, std::size_t размер) {
  const int записано = _write(1, откуда, часть(размер));
  if (записано < 0) return Неудача{std::string(std::strerror(errno))};
  return static_cast<std::size_t>(записано);
}

}  // namespace тувра::платформа
