#include "tag_resolution.h"

#include <iostream>

#include "git.h"
#include "text.h"

namespace тувра::пакеты {
namespace {

std::optional<ВыбранныйТег> из_блокировки(const std::string& имя, const std::string& источник,
                                         const ИнтервалВерсий& интервал, const Блокировка& блокировка) {
  const auto запись = блокировка.find(имя);
  if (запись == блокировка.end()) return std::nullopt;
  const Зависимость& з = запись->second;
  if (з.источник != источник || !з.версия) return std::nullopt;
  const std::optional<Версия> версия = разобрать_версию(*з.версия);
  if (!версия || !в_интервале(*версия, интервал)) return std::nullopt;
  return ВыбранныйТег{*з.версия, *версия};
}

Итог<std::string, std::string> список_тегов(const std::string& источник) {
  auto проверка = проверить_аргумент_git(источник, "адрес репозитория");
  if (!проверка) return Неудача{std::move(проверка).error()};
  auto запуск = запустить_git({"ls-remote", "--tags", "--", источник});
  if (!запуск) return Неудача{"не удалось запустить git (установлен ли он?): " + запуск.error()};
  if (!запуск->успех()) return Неудача{"git ls-remote не удался для '" + источник + "': " + запуск->причина()};
  return std::move(запуск->вывод);
}

}  // namespace

std::optional<ВыбранныйТег> лучший_тег(std::string_view вывод_ls_remote, const ИнтервалВерсий& интервал) {
  constexpr std::string_view кПрефикс = "refs/tags/";
  constexpr std::string_view кСнятый = "^{}";
  std::optional<ВыбранныйТег> лучший;
  for (const std::string_view строка : разбить_на_строки(вывод_ls_remote)) {
    const std::size_t таб = строка.find('\t');
    if (таб == std::string_view::npos) continue;
    std::string_view ссылка = строка.substr(таб + 1);
    if (!начинается_с(ссылка, кПрефикс)) continue;
    std::string_view тег = ссылка.substr(кПрефикс.size());
    if (тег.size() >= кСнятый.size() && тег.substr(тег.size() - кСнятый.size()) == кСнятый) {
      тег.remove_suffix(кСнятый.size());
    }
    const std::optional<Версия> версия = разобрать_версию(тег);
    if (!версия || !в_интервале(*версия, интервал)) continue;
    if (!лучший || *версия > лучший->версия) лучший = ВыбранныйТег{std::string(тег), *версия};
  }
  return лучший;
}

std::string нет_подходящего_тега(const std::string& источник, const std::string& текст_требования,
                                 const ИнтервалВерсий& интервал) {
  return "не найден ни один git-тег в '" + источник + "', удовлетворяющий требованию версии '" + текст_требования +
         "' (интервал " + интервал_в_текст(интервал) +
         ") — проверь, что у пакета вообще есть теги в формате semver ('X.Y.Z' или 'vX.Y.Z')";
}

Итог<ВыбранныйТег, std::string> разрешить_диапазон(const std::string& имя, const std::string& источник,
                                                   const std::string& текст_требования,
                                                   const ИнтервалВерсий& интервал, const Блокировка& блокировка) {
  if (auto закреплён = из_блокировки(имя, источник, интервал, блокировка)) {
    std::cout << "'" << имя << "' — " << для_терминала(текст_требования) << " взято из 'тувра.блокировка': тег '"
              << для_терминала(закреплён->тег) << "' (без обращения к git ls-remote).\n";
    return std::move(*закреплён);
  }
  // No tag can lie in an empty interval; asking the repository would change nothing.
  if (интервал_пуст(интервал)) return Неудача{нет_подходящего_тега(источник, текст_требования, интервал)};
  auto теги = список_тегов(источник);
  if (!теги) return Неудача{std::move(теги).error()};
  std::optional<ВыбранныйТег> лучший = лучший_тег(*теги, интервал);
  if (!лучший) return Неудача{нет_подходящего_тега(источник, текст_требования, интервал)};
  std::cout << "'" << имя << "' — " << для_терминала(текст_требования) << " разрешено в тег '"
            << для_терминала(лучший->тег) << "'.\n";
  return std::move(*лучший);
}

}  // namespace тувра::пакеты
