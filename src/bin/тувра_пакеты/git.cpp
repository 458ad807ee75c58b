#include "git.h"

#include <optional>

#include "messages.h"
#include "support/platform/environment.h"
#include "support/platform/files.h"
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

// What `git rev-parse --local-env-vars` lists: variables that point git at one repository, its
// index or its objects, or hand it settings for one run. The caller's would make git work on the
// caller's repository instead of the clone or the index copy.
constexpr std::string_view кПеременныеРепозитория[] = {
    "GIT_ALTERNATE_OBJECT_DIRECTORIES",
    "GIT_CONFIG",
    "GIT_CONFIG_PARAMETERS",
    "GIT_CONFIG_COUNT",
    "GIT_OBJECT_DIRECTORY",
    "GIT_DIR",
    "GIT_WORK_TREE",
    "GIT_IMPLICIT_WORK_TREE",
    "GIT_GRAFT_FILE",
    "GIT_INDEX_FILE",
    "GIT_NO_REPLACE_OBJECTS",
    "GIT_REPLACE_REF_BASE",
    "GIT_PREFIX",
    "GIT_INTERNAL_SUPER_PREFIX",
    "GIT_SHALLOW_FILE",
    "GIT_COMMON_DIR",
};

// Variables set here, whatever the caller had.
constexpr std::string_view кСвоиПеременные[] = {"GIT_TERMINAL_PROMPT", "GIT_CEILING_DIRECTORIES"};

std::string_view имя_переменной(std::string_view переменная) { return переменная.substr(0, переменная.find('=')); }

// Windows reads variable names without regard to case: "Git_Dir" is GIT_DIR there.
bool то_же_имя(std::string_view а, std::string_view б) {
  if (а.size() != б.size()) return false;
  for (std::size_t i = 0; i < а.size(); ++i) {
    const auto заглавная = [](char знак) {
      return знак >= 'a' && знак <= 'z' ? static_cast<char>(знак - 'a' + 'A') : знак;
    };
    if (заглавная(а[i]) != заглавная(б[i])) return false;
  }
  return true;
}

bool отбросить(std::string_view имя) {
  for (std::string_view своя : кПеременныеРепозитория) {
    if (то_же_имя(имя, своя)) return true;
  }
  for (std::string_view своя : кСвоиПеременные) {
    if (то_же_имя(имя, своя)) return true;
  }
  // Ours is added once; the user's own list is read from its exact name only.
  return то_же_имя(имя, кПеременнаяПротоколов.substr(0, кПеременнаяПротоколов.size() - 1));
}

// The parent's environment without the repository's variables, with git's terminal prompt off,
// the transports limited and no search for a repository above `потолок`.
std::vector<std::string> окружение_для_git(std::string_view потолок) {
  std::vector<std::string> окружение;
  std::optional<std::string> свои_протоколы;
  for (std::string& переменная : платформа::окружение()) {
    if (начинается_с(переменная, кПеременнаяПротоколов)) {
      свои_протоколы = переменная.substr(кПеременнаяПротоколов.size());
      continue;
    }
    if (!отбросить(имя_переменной(переменная))) окружение.push_back(std::move(переменная));
  }
  окружение.emplace_back("GIT_TERMINAL_PROMPT=0");
  окружение.push_back("GIT_CEILING_DIRECTORIES=" + std::string(потолок));
  окружение.push_back(разрешённые_протоколы(свои_протоколы));
  return окружение;
}

}  // namespace

static_assert(кПределGit == std::chrono::minutes(10), "the message GitПревысилВремя names the limit");

std::string ВыводGit::причина() const {
  if (!истекло) return ошибки;
  return сообщения::git_превысил_время();
}

Итог<ВыводGit, std::string> запустить_git(const std::vector<std::string>& аргументы, const std::string& папка,
                                          std::chrono::milliseconds предел) {
  // git compares the folders it walks through with its ceiling after resolving links.
  auto полный = платформа::полный_путь(папка);
  if (!полный) return Неудача{полный.error().текст};
  const std::string_view потолок = платформа::родитель_пути(*полный);
  платформа::ЗапускПрограммы запуск{"git", аргументы, *полный, окружение_для_git(потолок), предел};
  auto итог = платформа::выполнить_программу(запуск);
  if (!итог) return Неудача{std::move(итог).error()};
  ВыводGit вывод;
  вывод.код_выхода = итог->код_выхода;
  вывод.истекло = итог->истекло;
  вывод.прервано = итог->прервано;
  вывод.вывод = декодировать_с_заменой(итог->вывод);
  вывод.ошибки = декодировать_с_заменой(итог->ошибки);
  return вывод;
}

Итог<Пусто, std::string> проверить_аргумент_git(std::string_view значение, АргументGit что) {
  if (!значение.empty() && значение.front() == '-') return Неудача{сообщения::аргумент_с_минусом(что, значение)};
  return Пусто{};
}

}  // namespace тувра::пакеты
