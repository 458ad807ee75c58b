#include "git.h"

#include <optional>

#include "messages.h"
#include "support/platform/environment.h"
#include "support/platform/process.h"
#include "text.h"

namespace тувра::пакеты {
namespace {

// Transports a user expects from an address in a manifest or a catalog. Others, such as
// "fd::" or "ext::" (which runs a command), would let a stranger's line hang the install or
// run programs; the user's git settings must not reopen them, and this list overrides those.
constexpr std::string_view кРазрешённыеПротоколы[] = {"file", "git", "http", "https", "ssh"};
constexpr std::string_view кПеременнаяПротоколов = "GIT_ALLOW_PROTOCOL=";

// Whether a colon-separated list names the protocol.
bool в_списке_протоколов(std::string_view список, std::string_view протокол) {
  while (true) {
    const std::size_t конец = список.find(':');
    if (список.substr(0, конец) == протокол) return true;
    if (конец == std::string_view::npos) return false;
    список.remove_prefix(конец + 1);
  }
}

// Ours, narrowed to the user's own list when the user has set one.
std::string разрешённые_протоколы(std::optional<std::string_view> свои) {
  std::string итог(кПеременнаяПротоколов);
  bool первый = true;
  for (std::string_view протокол : кРазрешённыеПротоколы) {
    if (свои && !в_списке_протоколов(*свои, протокол)) continue;
    if (!первый) итог += ':';
    итог += протокол;
    первый = false;
  }
  return итог;
}

// The parent's environment with git's terminal prompt turned off and the transports limited.
std::vector<std::string> окружение_для_git() {
  std::vector<std::string> окружение;
  std::optional<std::string> свои_протоколы;
  for (std::string& переменная : платформа::окружение()) {
    if (начинается_с(переменная, кПеременнаяПротоколов)) {
      свои_протоколы = переменная.substr(кПеременнаяПротоколов.size());
      continue;
    }
    if (!начинается_с(переменная, "GIT_TERMINAL_PROMPT=")) окружение.push_back(std::move(переменная));
  }
  окружение.emplace_back("GIT_TERMINAL_PROMPT=0");
  окружение.push_back(разрешённые_протоколы(свои_протоколы));
  return окружение;
}

}  // namespace

std::string ВыводGit::причина() const {
  if (!истекло) return ошибки;
  return std::string(причины::git_превысил_время);
}

Итог<ВыводGit, std::string> запустить_git(const std::vector<std::string>& аргументы) {
  платформа::ЗапускПрограммы запуск{"git", аргументы, {}, окружение_для_git(), кПределGit};
  auto итог = платформа::выполнить_программу(запуск);
  if (!итог) return Неудача{std::move(итог).error()};
  ВыводGit вывод;
  вывод.код_выхода = итог->код_выхода;
  вывод.истекло = итог->истекло;
  вывод.вывод = декодировать_с_заменой(итог->вывод);
  вывод.ошибки = декодировать_с_заменой(итог->ошибки);
  return вывод;
}

Итог<Пусто, std::string> проверить_аргумент_git(std::string_view значение, std::string_view что) {
  if (!значение.empty() && значение.front() == '-') {
    return Неудача{std::string(что) + " '" + std::string(значение) +
                   "' начинается с '-' — git принял бы это за свой параметр, такое значение не принимается"};
  }
  return Пусто{};
}

}  // namespace тувра::пакеты
