#include "clone_folder.h"

#include "files.h"
#include "support/platform/environment.h"
#include "support/platform/files.h"

namespace тувра::пакеты {
namespace пл = платформа;

Итог<std::string, std::string> временная_папка() {
  auto корень = пл::временная_папка();
  if (!корень) return Неудача{"не удалось найти системную временную папку: " + корень.error()};
  return пл::соединить_пути(*корень, "тувра_пакет_" + std::to_string(пл::номер_процесса()));
}

Итог<Пусто, std::string> пересоздать_временную_папку(const std::string& папка) {
  удалить_тихо(папка);
  if (auto создана = пл::создать_личную_папку(папка); !создана) {
    return Неудача{"не удалось создать временную папку '" + папка + "': " + текст_ошибки(создана.error())};
  }
  return Пусто{};
}

void удалить_тихо(const std::string& папка) { (void)пл::удалить_дерево(папка); }

}  // namespace тувра::пакеты
