// `искать`: the catalog entries whose name or description contains the query.
#include <cstdint>
#include <iostream>

#include "catalog_lookup.h"
#include "commands.h"
#include "index.h"
#include "line_format.h"
#include "messages.h"
#include "text.h"

namespace тувра::пакеты {
namespace {

// The numbers of the matching entries in catalog order; a catalog at the read cap has far fewer
// than 2^32 lines.
Итог<std::vector<std::uint32_t>, std::string> найти(const Каталог& каталог, const std::string& искомое) {
  std::vector<std::uint32_t> найдено;
  std::uint32_t номер = 0;
  auto обход = обойти_виды(каталог, [&](const ВидЗависимости& запись) {
    if (подходит_под_запрос(искомое, запись)) найдено.push_back(номер);
    ++номер;
  });
  if (!обход) return Неудача{std::move(обход).error()};
  return найдено;
}

void напечатать(const ВидЗависимости& запись) {
  std::cout << "  " << для_терминала(запись.имя) << "\n"
            << "    " << для_терминала(запись.источник) << "\n";
  if (запись.описание) std::cout << "    " << для_терминала(*запись.описание) << "\n";
  std::cout << "\n";
}

}  // namespace

// The count comes before the list, so the catalog is read twice: once to match, once to print
// the matches, none of them held meanwhile.
ИтогКоманды команда_искать(const std::string& запрос) {
  const std::string искомое = в_нижний_регистр(запрос);
  auto каталог = открыть_индекс();
  if (!каталог) return Неудача{каталог.error()};
  auto найдено = найти(*каталог, искомое);
  if (!найдено) return Неудача{std::move(найдено).error()};
  if (найдено->empty()) {
    std::cout << сообщения::ничего_не_найдено(запрос);
    return Пусто{};
  }
  std::cout << сообщения::найдено(найдено->size());
  std::size_t следующее = 0;
  std::uint32_t номер = 0;
  (void)обойти_виды(*каталог, [&](const ВидЗависимости& запись) {
    if (следующее < найдено->size() && (*найдено)[следующее] == номер++) {
      напечатать(запись);
      ++следующее;
    }
  });
  std::cout << сообщения::как_установить();
  return Пусто{};
}

}  // namespace тувра::пакеты
