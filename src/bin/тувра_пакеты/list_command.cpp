// `список`: what `пакеты/` holds and how a source file includes each module.
#include <algorithm>
#include <iostream>
#include <system_error>

#include "commands.h"
#include "files.h"
#include "installed.h"
#include "text.h"

namespace тувра::пакеты {
namespace fs = std::filesystem;
namespace {

struct Содержимое {
  std::vector<fs::path> пакеты;
  std::vector<fs::path> файлы;  // loose module files of the older layout
};

bool по_байтам(const fs::path& а, const fs::path& б) { return а.native() < б.native(); }

Итог<Содержимое, std::string> разобрать_папку(const fs::path& папка) {
  std::error_code код;
  fs::directory_iterator обход(папка, код);
  if (код) return Неудача{"не удалось прочитать 'пакеты/': " + текст_ошибки(код)};
  Содержимое содержимое;
  for (const fs::directory_iterator конец; обход != конец; обход.increment(код)) {
    if (код) break;
    const fs::path& путь = обход->path();
    std::error_code вид;
    if (fs::is_directory(путь, вид) && путь.filename() != кПапкаСтарыхМетаданных) {
      содержимое.пакеты.push_back(путь);
    } else if (это_модуль(путь)) {
      содержимое.файлы.push_back(путь);
    }
  }
  if (код) return Неудача{"ошибка чтения записи каталога: " + текст_ошибки(код)};
  std::sort(содержимое.пакеты.begin(), содержимое.пакеты.end(), по_байтам);
  std::sort(содержимое.файлы.begin(), содержимое.файлы.end(), по_байтам);
  return содержимое;
}

// Each metadata line worth showing, by its key.
void показать_метаданные(std::string_view текст) {
  struct Поле {
    std::string_view ключ;
    std::string_view подпись;
  };
  static constexpr Поле поля[] = {
      {"описание=", "описание: "},
      {"источник=", "источник: "},
      {"версия=", "версия: "},
      {"транзитивная_через=", "поставлен как зависимость пакета: "},
      {"собственных_зависимостей=", "у самого пакета собственных зависимостей: "},
  };
  for (std::string_view строка : разбить_на_строки(текст)) {
    if (начинается_с(строка, кТребуетсяПакетами)) {
      std::cout << "    требуется установленным пакетам: ";
      for (char знак : строка.substr(кТребуетсяПакетами.size())) {
        if (знак == ',') std::cout << ", ";
        else std::cout << знак;
      }
      std::cout << "\n";
      continue;
    }
    for (const Поле& поле : поля) {
      if (начинается_с(строка, поле.ключ)) {
        std::cout << "    " << поле.подпись << строка.substr(поле.ключ.size()) << "\n";
        break;
      }
    }
  }
}

void показать_пакет(const fs::path& путь) {
  const std::string имя = декодировать_с_заменой(путь.filename().string());
  std::cout << "  " << имя << "\n";
  std::error_code код;
  const fs::path полный = fs::canonical(путь, код);
  std::cout << "    расположение: " << декодировать_с_заменой((код ? путь : полный).string()) << "\n";
  if (auto метаданные = прочитать_текст(путь / ".метаданные")) показать_метаданные(*метаданные);
  if (auto модули = модули_пакета(путь)) {
    for (const std::string& модуль : *модули) {
      if (модуль == имя) std::cout << "    подключить " << имя << ";\n";
      else std::cout << "    подключить " << имя << "." << модуль << ";\n";
    }
  }
  std::cout << "\n";
}

void показать_файлы(const std::vector<fs::path>& файлы) {
  std::cout << "⚠️ Файлы напрямую в 'пакеты/' (не в подпапке, " << файлы.size() << "):\n"
            << "   Такие файлы либо положены вручную (не через 'установить'), либо остались от\n"
            << "   старой, дособачной установки без изоляции пространства имён — переустанови\n"
            << "   зависимость ('тувра_пакеты установить'), чтобы получить изолированную папку.\n";
  for (const fs::path& файл : файлы) std::cout << "  " << декодировать_с_заменой(файл.filename().string()) << "\n";
  std::cout << "\n";
}

}  // namespace

ИтогКоманды команда_список() {
  const fs::path папка = папка_пакетов();
  std::error_code код;
  if (!fs::exists(fs::symlink_status(папка, код))) {
    std::cout << "Папка 'пакеты/' не найдена — ничего не установлено.\n";
    return Пусто{};
  }
  auto содержимое = разобрать_папку(папка);
  if (!содержимое) return Неудача{содержимое.error()};
  if (содержимое->пакеты.empty() && содержимое->файлы.empty()) {
    std::cout << "В 'пакеты/' ничего не установлено.\n";
    return Пусто{};
  }
  if (!содержимое->пакеты.empty()) {
    std::cout << "Установленные пакеты (" << содержимое->пакеты.size() << "):\n";
    for (const fs::path& путь : содержимое->пакеты) показать_пакет(путь);
  }
  if (!содержимое->файлы.empty()) показать_файлы(содержимое->файлы);
  return Пусто{};
}

}  // namespace тувра::пакеты
