#include "transport/stdio.h"

#include <string>

#include "support/platform/standard_streams.h"

namespace тувра::lsp {

namespace {

ОшибкаВвода ошибка_системы(const char* где, const std::string& текст) {
  return ОшибкаВвода{ОшибкаВвода::Вид::Other, std::string(где) + ": " + текст};
}

class СтандартныйВвод final : public Источник {
 public:
  Итог<std::size_t, ОшибкаВвода> прочитать(char* куда, std::size_t размер) override {
    auto прочитано = платформа::прочитать_стандартный_ввод(куда, размер);
    if (!прочитано) return Неудача{ошибка_системы("read from standard input", прочитано.error())};
    return *прочитано;
  }
};

class СтандартныйВывод final : public Приёмник {
 public:
  Итог<Пусто, ОшибкаВвода> записать(std::string_view байты) override {
    while (!байты.empty()) {
      auto записано = платформа::записать_в_стандартный_вывод(байты.data(), байты.size());
      if (!записано) return Неудача{ошибка_системы("write to standard output", записано.error())};
      байты.remove_prefix(*записано);
    }
    return Пусто{};
  }
};

}  // namespace

std::unique_ptr<Источник> стандартный_ввод() { return std::make_unique<СтандартныйВвод>(); }
std::unique_ptr<Приёмник> стандартный_вывод() { return std::make_unique<СтандартныйВывод>(); }

}  // namespace тувра::lsp
