// `удалить`: removes one installed package, unless other installed packages require it.
#include <iostream>

#include "commands.h"
#include "files.h"
#include "installed.h"
#include "messages.h"
#include "package_name.h"
#include "support/platform/files.h"
#include "text.h"

namespace тувра::пакеты {
namespace пл = платформа;
namespace {

std::string через_запятую(const std::vector<std::string>& имена) {
  std::string итог;
  for (const std::string& имя : имена) {
    if (!итог.empty()) итог += ", ";
    итог += имя;
  }
  return итог;
}

std::string отказ(const std::string& имя, const std::vector<std::string>& требующие) {
  return "пакет '" + имя + "' требуется другим установленным пакетам: " + через_запятую(требующие) +
         " — удаление может их сломать (они не найдут его файлы при следующей компиляции). Если это "
         "осознанный выбор — сам поправишь или переустановишь их зависимости — повтори команду с флагом "
         "--force. (Список основан на данных последнего 'установить', а не на живом графе зависимостей — "
         "если зависимости с тех пор менялись вручную, он может быть неточным.)";
}

// Unreadable metadata skips the check: there is nothing to say who requires the package.
Итог<Пусто, std::string> проверить_требующих(const std::string& имя, const std::string& папка, bool принудительно) {
  auto метаданные = прочитать_текст(пл::соединить_пути(папка, ".метаданные"));
  if (!метаданные) return Пусто{};
  for (std::string_view строка : разбить_на_строки(*метаданные)) {
    if (!начинается_с(строка, кТребуетсяПакетами)) continue;
    const auto требующие = установленные_требующие(строка.substr(кТребуетсяПакетами.size()));
    if (требующие.empty()) continue;
    if (!принудительно) return Неудача{отказ(имя, требующие)};
    std::cout << "⚠️  '" << имя << "' всё ещё требуется пакетам: " << для_терминала(через_запятую(требующие))
              << " — удаляю принудительно (--force).\n";
  }
  return Пусто{};
}

ИтогКоманды удалить_папку(const std::string& имя, bool принудительно) {
  const std::string папка = пл::соединить_пути(папка_пакетов(), имя);
  auto проверка = проверить_требующих(имя, папка, принудительно);
  if (!проверка) return проверка;
  // A link to a folder elsewhere goes alone; the tree removal never follows it.
  if (auto удалено = пл::удалить_дерево(папка); !удалено) {
    return Неудача{"не удалось удалить '" + папка + "': " + текст_ошибки(удалено.error())};
  }
  std::cout << "Удалено: " << имя_для_терминала(папка) << "\n";
  return Пусто{};
}

ИтогКоманды удалить_файл(const std::string& имя) {
  const std::string файл = пл::соединить_пути(папка_пакетов(), имя + ".код");
  if (!сведения_доступны(файл)) return Неудача{"пакет '" + имя + "' не найден в 'пакеты/'"};
  if (auto удалено = пл::удалить_запись(файл); !удалено) {
    return Неудача{"не удалось удалить '" + файл + "': " + текст_ошибки(удалено.error())};
  }
  std::cout << "Удалено: " << имя_для_терминала(файл) << "\n";

  const std::string метаданные =
      пл::соединить_пути(пл::соединить_пути(папка_пакетов(), кПапкаСтарыхМетаданных), имя + ".метаданные");
  if (!сведения_доступны(метаданные)) return Пусто{};
  // Removed without following a link: the metadata folder may not lead out of the project.
  if (auto удалено = удалить_файл_внутри("", метаданные); !удалено) {
    return Неудача{"не удалось удалить метаданные '" + метаданные + "': " + удалено.error()};
  }
  std::cout << "Удалены метаданные: " << имя_для_терминала(метаданные) << "\n";
  return Пусто{};
}

}  // namespace

ИтогКоманды команда_удалить(const std::string& имя, bool принудительно) {
  // The name becomes a path component: "..", "/" or "a/b" would reach outside `пакеты/`.
  auto проверка = проверить_путь_пакета(имя);
  if (!проверка) return Неудача{проверка.error()};
  // Through a link the removal would reach a folder outside the project.
  if (!не_ссылка_на_папку(папка_пакетов())) {
    return Неудача{"не удалось удалить '" + пл::соединить_пути(папка_пакетов(), имя) + "': " +
                   std::string(причины::папка_пакетов_ссылка)};
  }
  if (пакет_установлен(имя)) return удалить_папку(имя, принудительно);
  return удалить_файл(имя);
}

}  // namespace тувра::пакеты
