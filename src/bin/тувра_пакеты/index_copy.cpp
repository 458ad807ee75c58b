#include "index_copy.h"

#include "clone_folder.h"
#include "files.h"
#include "git.h"
#include "local_repository.h"
#include "messages.h"
#include "support/platform/files.h"
#include "support/propagate.h"
#include "text.h"

namespace тувра::пакеты {
namespace пл = платформа;
namespace {

// What `git clone` writes into the settings of a new copy; any other setting may run a
// command (hooks, filters, helpers, ssh or upload-pack commands) or lead git out of the copy.
constexpr std::string_view кНастройкиКлона[] = {
    "core.repositoryformatversion", "core.filemode",     "core.bare",
    "core.logallrefupdates",        "core.symlinks",     "core.ignorecase",
    "core.precomposeunicode",       "remote.origin.url", "remote.origin.fetch",
    "extensions.objectformat",
};

bool настройка_клона(std::string_view ключ) {
  for (std::string_view своя : кНастройкиКлона) {
    if (ключ == своя) return true;
  }
  // branch.<name>.remote and branch.<name>.merge, for the branch the clone checked out.
  const bool ветка = начинается_с(ключ, "branch.");
  return ветка && (ключ.ends_with(".remote") || ключ.ends_with(".merge"));
}

// The names of the settings in the copy's own settings file, read by git without running anything.
Итог<Пусто, std::string> проверить_настройки(const std::string& папка, const std::string& файл) {
  ТУВРА_ВЗЯТЬ(нейтральная, временная_папка());
  ТУВРА_ТРЕБОВАТЬ(пересоздать_временную_папку(нейтральная));
  auto запуск = запустить_git({"config", "--file", файл, "--null", "--name-only", "--list"}, нейтральная);
  удалить_тихо(нейтральная);
  if (!запуск) return Неудача{сообщения::git_не_запущен(запуск.error())};
  if (!запуск->успех()) return Неудача{сообщения::копия_индекса_отвергнута(папка, запуск->причина())};
  std::string_view ключи = запуск->вывод;
  while (!ключи.empty()) {
    const std::size_t конец = ключи.find('\0');
    const std::string_view ключ = ключи.substr(0, конец);
    if (!ключ.empty() && !настройка_клона(ключ)) {
      return Неудача{сообщения::копия_индекса_отвергнута(папка, сообщения::настройка_копии_опасна(ключ))};
    }
    if (конец == std::string_view::npos) break;
    ключи.remove_prefix(конец + 1);
  }
  return Пусто{};
}

}  // namespace

Итог<Пусто, std::string> проверить_копию_индекса(const std::string& папка, bool чужая) {
  const std::string git = пл::соединить_пути(папка, ".git");
  // A link or a ".git" file would send the pull into some other repository.
  if (пл::вид_записи(git) != пл::ВидЗаписи::Папка) {
    return Неудача{сообщения::копия_индекса_отвергнута(папка, сообщения::git_копии_не_папка())};
  }
  ТУВРА_ВЗЯТЬ(абсолютная, от_корня(папка));
  ТУВРА_ТРЕБОВАТЬ(проверить_файлы_репозитория(абсолютная, папка));
  if (!чужая) return Пусто{};
  const std::string настройки = пл::соединить_пути(пл::соединить_пути(абсолютная, ".git"), "config");
  if (пл::вид_записи(настройки) == пл::ВидЗаписи::Нет) return Пусто{};
  if (пл::вид_записи(настройки) != пл::ВидЗаписи::Файл) {
    return Неудача{сообщения::копия_индекса_отвергнута(папка, сообщения::настройки_копии_не_файл())};
  }
  return проверить_настройки(папка, настройки);
}

}  // namespace тувра::пакеты
