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
  каталог = Каталог();
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
  const std::string манифест = прочитано ? std::move(*прочитано) : std::string();
  if (имя_в_манифесте(манифест, имя)) {
    std::cout << сообщения::уже_есть(имя);
    return Пусто{};
  }
  if (auto допустимо = проверить_имя_пакета(имя); !допустимо) return допустимо;
  const std::string строка = строка_зависимости(*найдено->первая);
  auto записано = записать_текст(путь, дописать_строку(манифест, строка));
  if (!записано) return Неудача{сообщения::не_записать_манифест(записано.error())};
  std::cout << сообщения::добавлено(для_терминала(строка));
  return Пусто{};
}

}  // namespace тувра::пакеты
