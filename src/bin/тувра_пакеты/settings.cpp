#include "settings.h"

#include "support/platform/environment.h"
#include "support/platform/files.h"
#include "text.h"

namespace тувра::пакеты {
namespace пл = платформа;
namespace {

// A variable that is set and valid UTF-8, used as it is (even when empty).
std::optional<std::string> переменная_utf8(std::string_view имя) {
  std::optional<std::string> значение = пл::переменная_окружения(имя);
  if (значение && !это_utf8(*значение)) return std::nullopt;
  return значение;
}

}  // namespace

Итог<std::string, std::string> папка_настроек() {
  std::optional<std::string> дом = переменная_utf8("HOME");
  if (!дом) дом = переменная_utf8("USERPROFILE");
  if (!дом) return Неудача{std::string("не удалось определить домашнюю папку (нет ни HOME, ни USERPROFILE)")};
  return пл::соединить_пути(*дом, ".тувра");
}

Итог<std::string, std::string> путь_адреса_индекса() {
  auto папка = папка_настроек();
  if (!папка) return папка;
  return пл::соединить_пути(*папка, "индекс_url.txt");
}

Итог<std::string, std::string> папка_индекса() {
  auto папка = папка_настроек();
  if (!папка) return папка;
  return пл::соединить_пути(*папка, "индекс");
}

}  // namespace тувра::пакеты
