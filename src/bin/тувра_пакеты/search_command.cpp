// `искать`: the catalog entries whose name or description contains the query.
#include <iostream>

#include "catalog_lookup.h"
#include "commands.h"
#include "index.h"
#include "messages.h"
#include "text.h"

namespace тувра::пакеты {

ИтогКоманды команда_искать(const std::string& запрос) {
  const std::string искомое = в_нижний_регистр(запрос);
  auto каталог = открыть_индекс();
  if (!каталог) return Неудача{каталог.error()};

  std::vector<const Зависимость*> найдено;
  for (const Зависимость& запись : *каталог) {
    if (подходит_под_запрос(искомое, запись)) найдено.push_back(&запись);
  }
  if (найдено.empty()) {
    std::cout << сообщения::ничего_не_найдено(запрос);
    return Пусто{};
  }
  std::cout << сообщения::найдено(найдено.size());
  for (const Зависимость* запись : найдено) {
    std::cout << "  " << для_терминала(запись->имя) << "\n"
              << "    " << для_терминала(запись->источник) << "\n";
    if (запись->описание) std::cout << "    " << для_терминала(*запись->описание) << "\n";
    std::cout << "\n";
  }
  std::cout << сообщения::как_установить();
  return Пусто{};
}

}  // namespace тувра::пакеты
