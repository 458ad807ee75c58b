// `удалить`: removes one installed package, unless other installed packages require it.
#include <iostream>
#include <system_error>

#include "commands.h"
#include "files.h"
#include "installed.h"
#include "messages.h"
#include "package_name.h"
#include "text.h"

namespace тувра::пакеты {
namespace fs = std::filesystem;
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
Итог<Пусто, std::string> проверить_требующих(const std::string& имя, const fs::path& папка, bool принудительно) {
  auto метаданные = прочитать_текст(папка / ".метаданные");
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
  const fs::path папка = папка_пакетов() / имя;
  auto проверка = проверить_требующих(имя, папка, принудительно);
  if (!проверка) return проверка;
  // A link to a folder elsewhere goes alone; remove_all never follows it.
  std::error_code код;
  fs::remove_all(папка, код);
  if (код) return Неудача{"не удалось удалить '" + папка.string() + "': " + текст_ошибки(код)};
  std::cout << "Удалено: " << папка.string() << "\n";
  return Пусто{};
}

ИтогКоманды удалить_файл(const std::string& имя) {
  const fs::path файл = папка_пакетов() / (имя + ".код");
  std::error_code код;
  if (!fs::exists(fs::symlink_status(файл, код))) return Неудача{"пакет '" + имя + "' не найден в 'пакеты/'"};
  fs::remove(файл, код);
  if (код) return Неудача{"не удалось удалить '" + файл.string() + "': " + текст_ошибки(код)};
  std::cout << "Удалено: " << файл.string() << "\n";

  const fs::path метаданные = папка_пакетов() / кПапкаСтарыхМетаданных / (имя + ".метаданные");
  if (!fs::exists(fs::symlink_status(метаданные, код))) return Пусто{};
  // Removed without following a link: the metadata folder may not lead out of the project.
  if (auto удалено = удалить_файл_внутри(fs::path(), метаданные); !удалено) {
    return Неудача{"не удалось удалить метаданные '" + метаданные.string() + "': " + удалено.error()};
  }
  std::cout << "Удалены метаданные: " << метаданные.string() << "\n";
  return Пусто{};
}

}  // namespace

ИтогКоманды команда_удалить(const std::string& имя, bool принудительно) {
  // The name becomes a path component: "..", "/" or "a/b" would reach outside `пакеты/`.
  auto проверка = проверить_путь_пакета(имя);
  if (!проверка) return Неудача{проверка.error()};
  // Through a link the removal would reach a folder outside the project.
  if (!не_ссылка_на_папку(папка_пакетов())) {
    return Неудача{"не удалось удалить '" + (папка_пакетов() / имя).string() + "': " +
                   std::string(причины::папка_пакетов_ссылка)};
  }
  if (пакет_установлен(имя)) return удалить_папку(имя, принудительно);
  return удалить_файл(имя);
}

}  // namespace тувра::пакеты
