#include "index.h"

#include <iostream>
#include <system_error>

#include "commands.h"
#include "files.h"
#include "git.h"
#include "settings.h"
#include "text.h"

namespace тувра::пакеты {
namespace fs = std::filesystem;
namespace {

constexpr std::string_view кИмяКаталога = "каталог.пакеты";

bool запись_есть(const fs::path& путь) {
  std::error_code код;
  return fs::exists(fs::symlink_status(путь, код));
}

Итог<Пусто, std::string> подтянуть_копию(const fs::path& папка) {
  auto запуск = запустить_git({"-C", папка.string(), "pull", "--ff-only"});
  if (!запуск) return Неудача{"не удалось запустить git: " + запуск.error()};
  if (!запуск->успех()) return Неудача{"git pull не удался: " + запуск->ошибки};
  return Пусто{};
}

Итог<Пусто, std::string> скачать_копию(const std::string& адрес, const fs::path& папка) {
  auto проверка = проверить_аргумент_git(адрес, "адрес индекса");
  if (!проверка) return проверка;
  // A leftover without .git is no copy; if it cannot go, the clone will say why.
  std::error_code не_важно;
  if (запись_есть(папка)) fs::remove_all(папка, не_важно);
  const fs::path родитель = папка.has_parent_path() ? папка.parent_path() : fs::path(".");
  std::error_code код;
  fs::create_directories(родитель, код);
  if (код) return Неудача{"не удалось создать папку настроек: " + текст_ошибки(код)};
  // "--" keeps a folder that happens to start with '-' from being read as an option too.
  auto запуск = запустить_git({"clone", "--depth", "1", "--", адрес, папка.string()});
  if (!запуск) return Неудача{"не удалось запустить git (установлен ли он?): " + запуск.error()};
  if (!запуск->успех()) return Неудача{"git clone индекса не удался: " + запуск->ошибки};
  return Пусто{};
}

}  // namespace

ИтогКоманды команда_индекс_настроить(const std::string& адрес) {
  if (обрезать_пробелы(адрес).empty()) {
    return Неудача{std::string("укажи адрес индекса: тувра_пакеты индекс-настроить URL_ИНДЕКСА")};
  }
  auto папка = папка_настроек();
  if (!папка) return Неудача{папка.error()};
  std::error_code код;
  fs::create_directories(*папка, код);
  if (код) return Неудача{"не удалось создать '" + папка->string() + "': " + текст_ошибки(код)};
  auto записано = записать_текст(*папка / "индекс_url.txt", адрес);
  if (!записано) return Неудача{"не удалось сохранить адрес индекса: " + записано.error()};
  std::cout << "Индекс настроен: " << адрес << "\n"
            << "Дальше — 'тувра_пакеты индекс-обновить', чтобы скачать его локально.\n";
  return Пусто{};
}

ИтогКоманды обновить_индекс() {
  auto путь = путь_адреса_индекса();
  if (!путь) return Неудача{путь.error()};
  auto текст = прочитать_текст(*путь);
  if (!текст) {
    return Неудача{std::string("адрес индекса ещё не настроен — сначала: тувра_пакеты индекс-настроить URL_ИНДЕКСА")};
  }
  const std::string адрес(обрезать_пробелы(*текст));
  const fs::path папка = путь->parent_path() / "индекс";

  Итог<Пусто, std::string> получено = Пусто{};
  if (запись_есть(папка / ".git")) {
    // The URL is only shown: an existing copy pulls from the remote it was cloned from.
    std::cout << "Обновляю локальную копию индекса (" << для_терминала(адрес) << ")...\n";
    получено = подтянуть_копию(папка);
  } else {
    std::cout << "Скачиваю индекс впервые (" << для_терминала(адрес) << ")...\n";
    получено = скачать_копию(адрес, папка);
  }
  if (!получено) return Неудача{получено.error()};

  auto каталог = прочитать_каталог(папка);
  if (!каталог) return Неудача{каталог.error()};
  std::cout << "Готово: в индексе " << каталог->size() << " пакет(ов).\n";
  return Пусто{};
}

Итог<Каталог, std::string> прочитать_каталог(const fs::path& папка_индекса) {
  const fs::path путь = папка_индекса / кИмяКаталога;
  if (!запись_есть(путь)) {
    return Неудача{"в индексе не найден файл каталога '" + std::string(кИмяКаталога) +
                   "' — это не тот репозиторий, или его формат ещё не готов"};
  }
  // The catalog comes from the index's repository: a link in it is refused, not followed.
  auto текст = прочитать_текст(папка_индекса, fs::path(кИмяКаталога));
  if (!текст) return Неудача{"не удалось прочитать '" + путь.string() + "': " + текст.error()};
  return разобрать_зависимости(*текст);
}

Итог<Каталог, std::string> открыть_индекс() {
  auto папка = папка_индекса();
  if (!папка) return Неудача{папка.error()};
  if (!запись_есть(*папка / кИмяКаталога)) {
    auto обновлено = обновить_индекс();
    if (!обновлено) return Неудача{обновлено.error()};
  }
  return прочитать_каталог(*папка);
}

}  // namespace тувра::пакеты
