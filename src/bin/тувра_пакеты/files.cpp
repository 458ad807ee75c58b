#include "files.h"

#include <utility>

#include "messages.h"
#include "text.h"

namespace тувра::пакеты {
namespace пл = платформа;
namespace {

// A path given whole: a relative one is the project's own, so none of it is trusted.
std::pair<std::string, std::string> разделить(const std::string& путь) {
  if (!пл::путь_абсолютный(путь)) return {std::string(), путь};
  return {std::string(пл::родитель_пути(путь)), std::string(пл::последний_компонент(путь))};
}

template <class T>
Итог<T, std::string> словами(пл::ИтогФайла<T> итог) {
  if (!итог) return Неудача{текст_ошибки(итог.error())};
  return std::move(итог).value();
}

}  // namespace

std::string текст_ошибки(const пл::ОшибкаФайла& ошибка) {
  switch (ошибка.причина) {
    case пл::ПричинаОшибки::Ссылка: return std::string(причины::символическая_ссылка);
    case пл::ПричинаОшибки::НеОбычныйФайл: return std::string(причины::не_обычный_файл);
    case пл::ПричинаОшибки::СлишкомБольшой: return std::string(причины::слишком_большой);
    default: return ошибка.текст;
  }
}

Итог<std::string, std::string> от_корня(const std::string& путь) {
  auto абсолютный = пл::абсолютный_путь(путь);
  if (!абсолютный) return Неудача{"не удалось определить текущую папку: " + текст_ошибки(абсолютный.error())};
  return std::move(абсолютный).value();
}

bool сведения_доступны(const std::string& путь) { return пл::вид_записи(путь) != пл::ВидЗаписи::Нет; }

Итог<Пусто, std::string> не_ссылка_на_папку(const std::string& путь) {
  if (пл::вид_записи(путь) == пл::ВидЗаписи::Ссылка) return Неудача{std::string(причины::символическая_ссылка)};
  return Пусто{};
}

Итог<std::string, std::string> прочитать_байты(const std::string& папка, const std::string& внутри) {
  return словами(пл::прочитать_файл(папка, внутри, причины::кПределЧтения));
}

Итог<std::string, std::string> прочитать_байты(const std::string& путь) {
  const auto [папка, внутри] = разделить(путь);
  return прочитать_байты(папка, внутри);
}

Итог<std::string, std::string> прочитать_текст(const std::string& папка, const std::string& внутри) {
  auto байты = прочитать_байты(папка, внутри);
  if (!байты) return байты;
  if (!это_utf8(*байты)) return Неудача{std::string("содержимое не является текстом в кодировке UTF-8")};
  return байты;
}

Итог<std::string, std::string> прочитать_текст(const std::string& путь) {
  const auto [папка, внутри] = разделить(путь);
  return прочитать_текст(папка, внутри);
}

Итог<Пусто, std::string> записать_текст(const std::string& папка, const std::string& внутри, std::string_view текст) {
  return словами(пл::заменить_файл(папка, внутри, текст));
}

Итог<Пусто, std::string> записать_текст(const std::string& путь, std::string_view текст) {
  const auto [папка, внутри] = разделить(путь);
  return записать_текст(папка, внутри, текст);
}

Итог<Пусто, std::string> удалить_файл_внутри(const std::string& папка, const std::string& внутри) {
  return словами(пл::удалить_файл_внутри(папка, внутри));
}

}  // namespace тувра::пакеты
