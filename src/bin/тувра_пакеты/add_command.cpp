// `добавить`: appends the catalog's line for one package to the project manifest.
#include <iostream>

#include "catalog_lookup.h"
#include "commands.h"
#include "files.h"
#include "index.h"
#include "line_format.h"
#include "manifest_append.h"
#include "package_name.h"
#include "text.h"

namespace тувра::пакеты {

ИтогКоманды команда_добавить(const std::string& имя) {
  auto каталог = открыть_индекс();
  if (!каталог) return Неудача{каталог.error()};
  const auto найдено = найти_в_каталоге(*каталог, имя);
  if (найдено.empty()) {
    return Неудача{"пакет '" + имя + "' не найден в индексе — проверь имя ('тувра_пакеты искать " + имя +
                   "') или обнови индекс ('тувра_пакеты индекс-обновить')"};
  }
  if (найдено.size() > 1) {
    return Неудача{"в индексе " + std::to_string(найдено.size()) + " записей с именем '" + имя +
                   "' — сообщите об этом ведущему индекса, это ошибка каталога, не должно происходить"};
  }

  const std::string путь("тувра.зависимости");
  // Read as bytes: a manifest that is not UTF-8 is still the user's file and must survive the rewrite.
  auto прочитано = прочитать_байты(путь);
  // A manifest that is there but cannot be read (a link, a device, too large) is never replaced unseen.
  if (!прочитано && сведения_доступны(путь)) {
    return Неудача{"не удалось записать 'тувра.зависимости': " + прочитано.error()};
  }
  const std::string манифест = прочитано ? std::move(*прочитано) : std::string();
  if (имя_в_манифесте(манифест, имя)) {
    std::cout << "'" << имя << "' уже есть в 'тувра.зависимости' — ничего не меняю.\n";
    return Пусто{};
  }
  if (auto допустимо = проверить_имя_пакета(имя); !допустимо) return допустимо;
  const std::string строка = строка_зависимости(*найдено.front());
  auto записано = записать_текст(путь, дописать_строку(манифест, строка));
  if (!записано) return Неудача{"не удалось записать 'тувра.зависимости': " + записано.error()};
  std::cout << "Добавлено в 'тувра.зависимости': " << для_терминала(строка) << "\n"
            << "Дальше — 'тувра_пакеты установить', чтобы реально его поставить.\n";
  return Пусто{};
}

}  // namespace тувра::пакеты
