#include "index.h"

#include <iostream>

#include "clone_folder.h"
#include "commands.h"
#include "files.h"
#include "git.h"
#include "index_copy.h"
#include "line_format.h"
#include "local_repository.h"
#include "messages.h"
#include "settings.h"
#include "support/platform/files.h"
#include "support/propagate.h"
#include "text.h"

namespace тувра::пакеты {
namespace пл = платформа;
namespace {

constexpr std::string_view кИмяКаталога = "каталог.пакеты";

bool запись_есть(const std::string& путь) { return сведения_доступны(путь); }

// Hooks are looked for in an empty folder of ours, and no file-system monitor is asked: the
// pull must not run whatever the copy was given.
Итог<Пусто, std::string> подтянуть_копию(const std::string& папка, bool чужая) {
  ТУВРА_ТРЕБОВАТЬ(проверить_копию_индекса(папка, чужая));
  ТУВРА_ВЗЯТЬ(абсолютная, от_корня(папка));
  ТУВРА_ВЗЯТЬ(крючки, временная_папка());
  ТУВРА_ТРЕБОВАТЬ(пересоздать_временную_папку(крючки));
  ТУВРА_ВЗЯТЬ(путь_крючков, от_корня(крючки));
  auto запуск = запустить_git(
      {"-c", "core.hooksPath=" + путь_крючков, "-c", "core.fsmonitor=false", "-C", абсолютная, "pull", "--ff-only"},
      папка);
  удалить_тихо(крючки);
  if (!запуск) return Неудача{сообщения::git_не_запущен(запуск.error())};
  if (!запуск->успех()) return Неудача{сообщения::обновление_копии_не_удалось(запуск->причина())};
  return Пусто{};
}

Итог<Пусто, std::string> скачать_копию(const std::string& адрес, const std::string& папка) {
  ТУВРА_ВЗЯТЬ(адрес_git, адрес_для_git(адрес, аргумент_git::АдресИндексаСМинусом));
  // A leftover without .git is no copy; if it cannot go, the clone will say why.
  (void)пл::удалить_дерево(папка);
  const std::string_view родитель = пл::родитель_пути(папка);
  if (auto создана = пл::создать_папки(родитель.empty() ? "." : родитель); !создана) {
    return Неудача{сообщения::не_создать_папку_настроек(текст_ошибки(создана.error()))};
  }
  // git runs in the new, empty index folder and clones into it; "--" keeps a folder that
  // happens to start with '-' from being read as an option too.
  if (auto создана = пл::создать_папки(папка); !создана) {
    return Неудача{сообщения::не_создать_папку_настроек(текст_ошибки(создана.error()))};
  }
  ТУВРА_ВЗЯТЬ(цель, от_корня(папка));
  auto запуск = запустить_git({"clone", "--depth", "1", "--", адрес_git, цель}, папка);
  if (!запуск) return Неудача{сообщения::git_не_запускается(запуск.error())};
  if (!запуск->успех()) return Неудача{сообщения::клон_индекса_не_удался(запуск->причина())};
  return Пусто{};
}

}  // namespace

ИтогКоманды команда_индекс_настроить(const std::string& адрес) {
  if (обрезать_пробелы(адрес).empty()) {
    return Неудача{сообщения::указать_адрес_индекса()};
  }
  auto папка = папка_настроек();
  if (!папка) return Неудача{папка.error()};
  if (auto создана = пл::создать_папки(*папка); !создана) {
    return Неудача{сообщения::не_создать_папку(*папка, текст_ошибки(создана.error()))};
  }
  auto записано = записать_текст(пл::соединить_пути(*папка, "индекс_url.txt"), адрес);
  if (!записано) return Неудача{сообщения::адрес_не_сохранён(записано.error())};
  std::cout << сообщения::индекс_настроен(адрес);
  return Пусто{};
}

ИтогКоманды обновить_индекс() {
  auto путь = путь_адреса_индекса();
  if (!путь) return Неудача{путь.error()};
  auto текст = прочитать_текст(*путь);
  if (!текст) {
    return Неудача{сообщения::адрес_индекса_не_настроен()};
  }
  const std::string адрес(обрезать_пробелы(*текст));
  const std::string папка = пл::соединить_пути(пл::родитель_пути(*путь), "индекс");

  Итог<Пусто, std::string> получено = Пусто{};
  if (запись_есть(пл::соединить_пути(папка, ".git"))) {
    // The URL is only shown: an existing copy pulls from the remote it was cloned from.
    std::cout << сообщения::обновляю_копию(для_терминала(адрес));
    // Below the current folder the copy may have come with the project.
    получено = подтянуть_копию(папка, !пл::путь_абсолютный(папка));
  } else {
    std::cout << сообщения::скачиваю_индекс(для_терминала(адрес));
    получено = скачать_копию(адрес, папка);
  }
  if (!получено) return Неудача{получено.error()};

  auto каталог = прочитать_каталог(папка);
  if (!каталог) return Неудача{каталог.error()};
  std::size_t записей = 0;
  auto обход = обойти_виды(*каталог, [&](const ВидЗависимости&) { ++записей; });
  if (!обход) return Неудача{std::move(обход).error()};
  std::cout << сообщения::индекс_готов(записей);
  return Пусто{};
}

Итог<Каталог, std::string> прочитать_каталог(const std::string& папка_индекса) {
  const std::string путь = пл::соединить_пути(папка_индекса, кИмяКаталога);
  if (!запись_есть(путь)) {
    return Неудача{сообщения::нет_файла_каталога(кИмяКаталога)};
  }
  // The catalog comes from the index's repository: a link in it is refused, not followed.
  auto текст = прочитать_текст(папка_индекса, std::string(кИмяКаталога));
  if (!текст) return Неудача{сообщения::не_прочитать_файл(путь, текст.error())};
  return текст;
}

Итог<Каталог, std::string> открыть_индекс() {
  auto папка = папка_индекса();
  if (!папка) return Неудача{папка.error()};
  if (!запись_есть(пл::соединить_пути(*папка, кИмяКаталога))) {
    auto обновлено = обновить_индекс();
    if (!обновлено) return Неудача{обновлено.error()};
  }
  return прочитать_каталог(*папка);
}

}  // namespace тувра::пакеты
