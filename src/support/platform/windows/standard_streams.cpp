#include "support/platform/standard_streams.h"

#include <windows.h>
// After windows.h.
#include <fcntl.h>
#include <io.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace тувра::платформа {

namespace {

// The C runtime counts bytes in an unsigned int.
unsigned часть(std::size_t размер) { return static_cast<unsigned>(std::min<std::size_t>(размер, 1u << 30)); }

HANDLE открыть_пустое() {
  return CreateFileW(L"NUL", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
}

// The C runtime marks a stream it started without by -2.
bool нет_описателя(HANDLE описатель) {
  return описатель == nullptr || описатель == INVALID_HANDLE_VALUE || описатель == reinterpret_cast<HANDLE>(-2);
}

// The C runtime's own descriptor of the stream, for the code that writes through it; it takes
// the lowest free number, which is not always this one.
bool занять_дескриптор(int поток) {
  if (!нет_описателя(reinterpret_cast<HANDLE>(_get_osfhandle(поток)))) return true;
  const HANDLE пустое = открыть_пустое();
  if (нет_описателя(пустое)) return false;
  const int открыт = _open_osfhandle(reinterpret_cast<intptr_t>(пустое), _O_RDONLY | _O_BINARY);
  if (открыт < 0) {
    CloseHandle(пустое);
    return false;
  }
  return открыт == поток || (_dup2(открыт, поток) == 0 && _close(открыт) == 0);
}

}  // namespace

bool занять_закрытые_потоки() {
  const DWORD потоки[] = {STD_INPUT_HANDLE, STD_OUTPUT_HANDLE, STD_ERROR_HANDLE};
  for (int номер = 0; номер <= 2; ++номер) {
    if (нет_описателя(GetStdHandle(потоки[номер]))) {
      const HANDLE пустое = открыть_пустое();
      if (нет_описателя(пустое) || !SetStdHandle(потоки[номер], пустое)) return false;
    }
    if (!занять_дескриптор(номер)) return false;
  }
  return true;
}

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
