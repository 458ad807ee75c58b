#include "transport/stdio.h"

#include <cerrno>
#include <cstring>
#include <string>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#else
#include <csignal>
#include <unistd.h>
#endif

namespace тувра::lsp {

namespace {

ОшибкаВвода ошибка_системы(const char* где) {
  return ОшибкаВвода{ОшибкаВвода::Вид::Other, std::string(где) + ": " + std::strerror(errno)};
}

#ifdef _WIN32
long long системное_чтение(char* куда, std::size_t размер) {
  return _read(0, куда, static_cast<unsigned>(размер > 1u << 30 ? 1u << 30 : размер));
}
long long системная_запись(const char* откуда, std::size_t размер) {
  return _write(1, откуда, static_cast<unsigned>(размер > 1u << 30 ? 1u << 30 : размер));
}
#else
long long системное_чтение(char* куда, std::size_t размер) { return ::read(0, куда, размер); }
long long системная_запись(const char* откуда, std::size_t размер) { return ::write(1, откуда, размер); }
#endif

class СтандартныйВвод final : public Источник {
 public:
  Итог<std::size_t, ОшибкаВвода> прочитать(char* куда, std::size_t размер) override {
    for (;;) {
      const auto прочитано = системное_чтение(куда, размер);
      if (прочитано >= 0) return static_cast<std::size_t>(прочитано);
      if (errno != EINTR) return Неудача{ошибка_системы("read from standard input")};
    }
  }
};

class СтандартныйВывод final : public Приёмник {
 public:
  Итог<Пусто, ОшибкаВвода> записать(std::string_view байты) override {
    while (!байты.empty()) {
      const auto записано = системная_запись(байты.data(), байты.size());
      if (записано < 0) {
        if (errno == EINTR) continue;
        return Неудача{ошибка_системы("write to standard output")};
      }
      байты.remove_prefix(static_cast<std::size_t>(записано));
    }
    return Пусто{};
  }
};

}  // namespace

std::unique_ptr<Источник> стандартный_ввод() { return std::make_unique<СтандартныйВвод>(); }
std::unique_ptr<Приёмник> стандартный_вывод() { return std::make_unique<СтандартныйВывод>(); }

void подготовить_стандартные_потоки() {
#ifdef _WIN32
  _setmode(0, _O_BINARY);
  _setmode(1, _O_BINARY);
#else
  std::signal(SIGPIPE, SIG_IGN);
#endif
}

}  // namespace тувра::lsp
