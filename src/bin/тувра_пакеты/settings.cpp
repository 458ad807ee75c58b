#include "settings.h"

#include <cstdlib>

#include "text.h"

namespace тувра::пакеты {
namespace fs = std::filesystem;
namespace {

// A variable that is set and valid UTF-8, used as it is (even when empty).
const char* переменная_utf8(const char* имя) {
  const char* значение = std::getenv(имя);
  return значение != nullptr && это_utf8(значение) ? значение : nullptr;
}

}  // namespace

Итог<fs::path, std::string> папка_настроек() {
  const char* дом = переменная_utf8("HOME");
  if (дом == nullptr) дом = переменная_utf8("USERPROFILE");
  if (дом == nullptr) return Неудача{std::string("не удалось определить домашнюю папку (нет ни HOME, ни USERPROFILE)")};
  return fs::path(дом) / ".тувра";
}

Итог<fs::path, std::string> путь_адреса_индекса() {
  auto папка = папка_настроек();
  if (!папка) return папка;
  return *папка / "индекс_url.txt";
}

Итог<fs::path, std::string> папка_индекса() {
  auto папка = папка_настроек();
  if (!папка) return папка;
  return *папка / "индекс";
}

}  // namespace тувра::пакеты
