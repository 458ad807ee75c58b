#include "tag_resolution.h"

#include <algorithm>
#include <iostream>

#include "clone_folder.h"
#include "git.h"
#include "local_repository.h"
#include "messages.h"
#include "support/propagate.h"
#include "text.h"

namespace тувра::пакеты {
namespace {

std::optional<ВыбранныйТег> из_блокировки(const std::string& имя, const std::string& источник,
                                          const ИнтервалВерсий& интервал, const Блокировка& блокировка) {
  const std::optional<Зависимость> запись = блокировка.найти(имя);
  if (!запись) return std::nullopt;
  const Зависимость& з = *запись;
  if (з.источник != источник || !з.версия) return std::nullopt;
  const std::optional<Версия> версия = разобрать_версию(*з.версия);
  if (!версия || !в_интервале(*версия, интервал)) return std::nullopt;
  return ВыбранныйТег{*з.версия, *версия};
}

Итог<std::string, std::string> список_тегов(const std::string& источник) {
  ТУВРА_ВЗЯТЬ(адрес, адрес_для_git(источник, аргумент_git::АдресРепозиторияСМинусом));
  // An empty folder of its own to run in: ls-remote needs no repository, and must find none.
  ТУВРА_ВЗЯТЬ(папка, временная_папка());
  ТУВРА_ТРЕБОВАТЬ(пересоздать_временную_папку(папка));
  auto запуск = запустить_git({"ls-remote", "--tags", "--", адрес}, папка);
  удалить_тихо(папка);
  if (!запуск) return Неудача{сообщения::git_не_запускается(запуск.error())};
  if (!запуск->успех()) return Неудача{сообщения::список_тегов_не_удался(источник, запуск->причина())};
  return std::move(запуск->вывод);
}

}  // namespace

bool тег_читается_из_блокировки(std::string_view тег) {
  // The lock file is read as UTF-8 text.
  if (!это_utf8(тег) || тег.find_first_of("\"=") != std::string_view::npos) return false;
  for (std::size_t i = 0; i < тег.size(); ++i) {
    if (управляющий_символ(тег, i) != 0) return false;
  }
  // Blanks of every kind are the line format's own business: ask its parser.
  const std::string строка = "п = git а версия=" + std::string(тег) + "\n";
  auto записи = разобрать_зависимости(строка);
  return записи && записи->size() == 1 && записи->front().версия == тег;
}

std::optional<ВыбранныйТег> лучший_тег(std::string_view вывод_ls_remote, const ИнтервалВерсий& интервал,
                                       std::vector<std::string>* пропущенные) {
  constexpr std::string_view кПрефикс = "refs/tags/";
  constexpr std::string_view кСнятый = "^{}";
  std::optional<ВыбранныйТег> лучший;
  std::size_t место = 0;
  while (const auto следующая = следующая_строка(вывод_ls_remote, место)) {
    const std::string_view строка = *следующая;
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
    if (!тег_читается_из_блокировки(тег)) {
      if (пропущенные && std::find(пропущенные->begin(), пропущенные->end(), тег) == пропущенные->end()) {
        пропущенные->emplace_back(тег);
      }
      continue;
    }
    if (!лучший || *версия > лучший->версия) лучший = ВыбранныйТег{std::string(тег), *версия};
  }
  return лучший;
}

std::string нет_подходящего_тега(const std::string& источник, const std::string& текст_требования,
                                 const ИнтервалВерсий& интервал) {
  return сообщения::нет_подходящего_тега(источник, текст_требования, интервал_в_текст(интервал));
}

Итог<ВыбранныйТег, std::string> разрешить_диапазон(const std::string& имя, const std::string& источник,
                                                   const std::string& текст_требования, const ИнтервалВерсий& интервал,
                                                   const Блокировка& блокировка) {
  if (auto закреплён = из_блокировки(имя, источник, интервал, блокировка)) {
    std::cout << сообщения::взято_из_блокировки(имя, для_терминала(текст_требования),
                                                имя_для_терминала(закреплён->тег));
    return std::move(*закреплён);
  }
  // No tag can lie in an empty interval; asking the repository would change nothing.
  if (интервал_пуст(интервал)) return Неудача{нет_подходящего_тега(источник, текст_требования, интервал)};
  auto теги = список_тегов(источник);
  if (!теги) return Неудача{std::move(теги).error()};
  std::vector<std::string> пропущенные;
  std::optional<ВыбранныйТег> лучший = лучший_тег(*теги, интервал, &пропущенные);
  for (const std::string& тег : пропущенные) std::cout << сообщения::тег_пропущен(имя, имя_для_терминала(тег));
  if (!лучший) return Неудача{нет_подходящего_тега(источник, текст_требования, интервал)};
  std::cout << сообщения::разрешено_в_тег(имя, для_терминала(текст_требования), имя_для_терминала(лучший->тег));
  return std::move(*лучший);
}

}  // namespace тувра::пакеты
