#include "local_repository.h"

#include <optional>
#include <vector>

#include "files.h"
#include "git.h"
#include "messages.h"
#include "support/platform/files.h"
#include "support/propagate.h"
#include "text.h"

namespace тувра::пакеты {
namespace пл = платформа;
namespace {

constexpr std::string_view кПрефиксФайла = "file://";
constexpr std::string_view кПервыеФайлы[] = {"config",  "HEAD",      "packed-refs",
                                             "shallow", "commondir", "objects/info/alternates"};

bool знак_схемы(char знак) {
  return (знак >= 'a' && знак <= 'z') || (знак >= 'A' && знак <= 'Z') || (знак >= '0' && знак <= '9') || знак == '+' ||
         знак == '-' || знак == '.';
}

// "схема://…", as git tells a URL from a path.
bool это_url(std::string_view адрес) {
  const std::size_t конец = адрес.find("://");
  if (конец == std::string_view::npos || конец == 0) return false;
  for (char знак : адрес.substr(0, конец)) {
    if (!знак_схемы(знак)) return false;
  }
  return true;
}

// The path of a local repository, or none for a remote one. Like git, a colon before the first
// '/' means "host:path" over ssh.
std::optional<std::string> локальный_путь(std::string_view адрес) {
  if (адрес.empty()) return std::nullopt;
  if (начинается_с(адрес, кПрефиксФайла)) {
    const std::string_view путь = адрес.substr(кПрефиксФайла.size());
    if (!пл::путь_абсолютный(путь)) return std::nullopt;
    return std::string(путь);
  }
  if (это_url(адрес)) return std::nullopt;
  if (пл::путь_абсолютный(адрес)) return std::string(адрес);
  const std::size_t двоеточие = адрес.find(':');
  if (двоеточие != std::string_view::npos && двоеточие < адрес.find('/')) return std::nullopt;
  return std::string(адрес);
}

// A ".git" file of a work tree names the real git folder, relative to the work tree.
std::optional<std::string> папка_из_файла_git(std::string_view путь_файла, std::string_view рабочая) {
  constexpr std::string_view кМетка = "gitdir:";
  auto текст = прочитать_байты(std::string(путь_файла));
  if (!текст || !начинается_с(*текст, кМетка)) return std::nullopt;
  const std::string_view папка = обрезать_пробелы(std::string_view(*текст).substr(кМетка.size()));
  if (папка.empty()) return std::nullopt;
  return пл::путь_абсолютный(папка) ? std::string(папка) : пл::соединить_пути(рабочая, папка);
}

Итог<Пусто, std::string> проверить_папку_git(std::string_view папка, std::string_view адрес) {
  for (std::string_view файл : кПервыеФайлы) {
    const std::string путь = пл::соединить_пути(папка, файл);
    if (пл::вид_цели(путь) == пл::ВидЗаписи::Другое) {
      return Неудача{сообщения::локальный_репозиторий_отвергнут(адрес, путь)};
    }
  }
  return Пусто{};
}

}  // namespace

Итог<Пусто, std::string> проверить_файлы_репозитория(std::string_view путь, std::string_view адрес) {
  while (путь.size() > 1 && путь.back() == '/') путь.remove_suffix(1);
  const std::string с_окончанием = std::string(путь) + ".git";
  // The folders git tries, in its order, for a local repository.
  std::vector<std::string> кандидаты = {пл::соединить_пути(путь, ".git"), std::string(путь),
                                        пл::соединить_пути(с_окончанием, ".git"), с_окончанием};
  for (std::size_t i = 0; i < кандидаты.size(); ++i) {
    const std::string& кандидат = кандидаты[i];
    switch (пл::вид_цели(кандидат)) {
      case пл::ВидЗаписи::Папка: ТУВРА_ТРЕБОВАТЬ(проверить_папку_git(кандидат, адрес)); break;
      case пл::ВидЗаписи::Другое: return Неудача{сообщения::локальный_репозиторий_отвергнут(адрес, кандидат)};
      case пл::ВидЗаписи::Файл:
        if (i == 0 || i == 2) {
          if (auto папка = папка_из_файла_git(кандидат, пл::родитель_пути(кандидат))) {
            ТУВРА_ТРЕБОВАТЬ(проверить_папку_git(*папка, адрес));
          }
        }
        break;
      default: break;
    }
  }
  return Пусто{};
}

Итог<std::string, std::string> адрес_для_git(const std::string& адрес, АргументGit что) {
  ТУВРА_ТРЕБОВАТЬ(проверить_аргумент_git(адрес, что));
  const std::optional<std::string> путь = локальный_путь(адрес);
  if (!путь) return адрес;
  ТУВРА_ВЗЯТЬ(абсолютный, от_корня(*путь));
  ТУВРА_ТРЕБОВАТЬ(проверить_файлы_репозитория(абсолютный, адрес));
  // A file:// address is absolute already and keeps its form.
  return начинается_с(адрес, кПрефиксФайла) ? адрес : абсолютный;
}

}  // namespace тувра::пакеты
