// `добавить`: appends the catalog's line for one package to the project manifest.
#include <iostream>

#include "catalog_lookup.h"
#include "commands.h"
#include "files.h"
#include "index.h"
#include "line_format.h"
#include "manifest_append.h"
#include "messages.h"
#include "package_name.h"
#include "text.h"

namespace тувра::пакеты {

ИтогКоманды команда_добавить(const std::string& имя) {
  auto каталог = открыть_индекс();
  if (!каталог) return Неудача{каталог.error()};
  auto найдено = найти_в_каталоге(*каталог, имя);
  // Emptied by a swap: an assigned empty text would keep the old one's room.
  Каталог().swap(*каталог);
  if (!найдено) return Неудача{std::move(найдено).error()};
  if (найдено->сколько == 0) {
    return Неудача{сообщения::нет_в_индексе(имя)};
  }
  if (найдено->сколько > 1) {
    return Неудача{сообщения::много_записей(найдено->сколько, имя)};
  }

  const std::string путь("тувра.зависимости");
  // Read as bytes: a manifest that is not UTF-8 is still the user's file and must survive the rewrite.
  auto прочитано = прочитать_байты(путь);
  // A manifest that is there but cannot be read (a link, a device, too large) is never replaced unseen.
  if (!прочитано && сведения_доступны(путь)) {
    return Неудача{сообщения::не_записать_манифест(прочитано.error())};
  }
  std::string манифест = прочитано ? std::move(*прочитано) : std::string();
  if (имя_в_манифесте(манифест, имя)) {
    std::cout << сообщения::уже_есть(имя);
    return Пусто{};
  }
  if (auto допустимо = проверить_имя_пакета(имя); !допустимо) return допустимо;
  // Each text goes once the next is made: a catalog line may be as long as a whole file.
  std::string строка = строка_зависимости(*найдено->первая);
  найдено->первая.reset();
  std::string новый = дописать_строку(манифест, строка);
  std::string().swap(манифест);
  auto записано = записать_текст(путь, новый);
  std::string().swap(новый);
  if (!записано) return Неудача{сообщения::не_записать_манифест(записано.error())};
  const std::string показать = для_терминала(строка);
  std::string().swap(строка);
  std::cout << сообщения::добавлено(показать);
  return Пусто{};
}

}  // namespace тувра::пакеты
