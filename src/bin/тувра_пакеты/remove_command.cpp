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

// Unreadable metadata skips the check: there is nothing to say who requires the package.
Итог<Пусто, std::string> проверить_требующих(const std::string& имя, const std::string& папка, bool принудительно) {
  auto метаданные = прочитать_текст(пл::соединить_пути(папка, ".метаданные"));
  if (!метаданные) return Пусто{};
  std::size_t место = 0;
  while (const auto следующая = следующая_строка(*метаданные, место)) {
    const std::string_view строка = *следующая;
    if (!начинается_с(строка, кТребуетсяПакетами)) continue;
    const auto требующие = установленные_требующие(строка.substr(кТребуетсяПакетами.size()));
    if (требующие.empty()) continue;
    if (!принудительно) return Неудача{сообщения::отказ_удаления(имя, через_запятую(требующие))};
    std::cout << сообщения::всё_ещё_требуется(имя, для_терминала(через_запятую(требующие)));
  }
  return Пусто{};
}

ИтогКоманды удалить_папку(const std::string& имя, bool принудительно) {
  const std::string папка = пл::соединить_пути(папка_пакетов(), имя);
  auto проверка = проверить_требующих(имя, папка, принудительно);
  if (!проверка) return проверка;
  // A link to a folder elsewhere goes alone; the tree removal never follows it.
  if (auto удалено = пл::удалить_дерево(папка); !удалено) {
    return Неудача{сообщения::не_удалить(папка, текст_ошибки(удалено.error()))};
  }
  std::cout << сообщения::удалено(имя_для_терминала(папка));
  return Пусто{};
}

ИтогКоманды удалить_файл(const std::string& имя) {
  const std::string файл = пл::соединить_пути(папка_пакетов(), имя + ".код");
  if (!сведения_доступны(файл)) return Неудача{сообщения::пакет_не_найден(имя)};
  if (auto удалено = пл::удалить_запись(файл); !удалено) {
    return Неудача{сообщения::не_удалить(файл, текст_ошибки(удалено.error()))};
  }
  std::cout << сообщения::удалено(имя_для_терминала(файл));

  const std::string метаданные =
      пл::соединить_пути(пл::соединить_пути(папка_пакетов(), кПапкаСтарыхМетаданных), имя + ".метаданные");
  if (!сведения_доступны(метаданные)) return Пусто{};
  // Removed without following a link: the metadata folder may not lead out of the project.
  if (auto удалено = удалить_файл_внутри("", метаданные); !удалено) {
    return Неудача{сообщения::не_удалить_метаданные(метаданные, удалено.error())};
  }
  std::cout << сообщения::удалены_метаданные(имя_для_терминала(метаданные));
  return Пусто{};
}

// Windows finds "МАТ" or "мат." as the folder "мат": only an entry of exactly this name counts.
bool есть_запись(const std::vector<пл::ЗаписьПапки>& записи, std::string_view имя) {
  for (const пл::ЗаписьПапки& запись : записи) {
    if (запись.имя == имя) return true;
  }
  return false;
}

// Without a folder `пакеты/` nothing is installed.
Итог<std::vector<пл::ЗаписьПапки>, std::string> записи_пакетов(const std::string& имя) {
  auto записи = пл::записи_папки(папка_пакетов());
  if (записи) return std::move(*записи);
  if (пл::вид_записи(папка_пакетов()) != пл::ВидЗаписи::Папка) return Неудача{сообщения::пакет_не_найден(имя)};
  return Неудача{сообщения::не_прочитать_пакеты(текст_ошибки(записи.error()))};
}

}  // namespace

ИтогКоманды команда_удалить(const std::string& имя, bool принудительно) {
  // The name becomes a path component: "..", "/" or "a/b" would reach outside `пакеты/`.
  auto проверка = проверить_путь_пакета(имя);
  if (!проверка) return Неудача{проверка.error()};
  // Nothing was installed under a name install refuses; Windows would open a device for some.
  if (!проверить_имя_пакета(имя)) return Неудача{сообщения::пакет_не_найден(имя)};
  // Through a link the removal would reach a folder outside the project.
  if (!не_ссылка_на_папку(папка_пакетов())) {
    return Неудача{сообщения::не_удалить(пл::соединить_пути(папка_пакетов(), имя), сообщения::папка_пакетов_ссылка())};
  }
  auto записи = записи_пакетов(имя);
  if (!записи) return Неудача{std::move(записи).error()};
  if (есть_запись(*записи, имя) && пакет_установлен(имя)) return удалить_папку(имя, принудительно);
  if (!есть_запись(*записи, имя + ".код")) return Неудача{сообщения::пакет_не_найден(имя)};
  return удалить_файл(имя);
}

}  // namespace тувра::пакеты
