#include "git.h"

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <optional>

#include "text.h"

extern char** environ;

namespace тувра::пакеты {
namespace {

std::string системная_ошибка(int код) { return std::strerror(код); }

// A pipe whose ends close themselves.
struct Труба {
  int концы[2] = {-1, -1};
  ~Труба() {
    закрыть(0);
    закрыть(1);
  }
  void закрыть(int i) {
    if (концы[i] >= 0) ::close(концы[i]);
    концы[i] = -1;
  }
};

// Transports a user expects from an address in a manifest or a catalog. Others, such as
// "fd::" or "ext::" (which runs a command), would let a stranger's line hang the install or
// run programs; the user's git settings must not reopen them, and this list overrides those.
constexpr std::string_view кРазрешённыеПротоколы[] = {"file", "git", "http", "https", "ssh"};
constexpr std::string_view кПеременнаяПротоколов = "GIT_ALLOW_PROTOCOL=";

// Ours, narrowed to the user's own list when the user has set one.
std::string разрешённые_протоколы(std::optional<std::string_view> свои) {
  std::string итог(кПеременнаяПротоколов);
  bool первый = true;
  for (std::string_view протокол : кРазрешённыеПротоколы) {
    if (свои && (":" + std::string(*свои) + ":").find(":" + std::string(протокол) + ":") == std::string::npos) continue;
    if (!первый) итог += ':';
    итог += протокол;
    первый = false;
  }
  return итог;
}

// The parent's environment with git's terminal prompt turned off and the transports limited.
std::vector<std::string> окружение_для_git() {
  std::vector<std::string> окружение;
  std::optional<std::string_view> свои_протоколы;
  for (char** п = environ; п != nullptr && *п != nullptr; ++п) {
    if (начинается_с(*п, кПеременнаяПротоколов)) {
      свои_протоколы = std::string_view(*п).substr(кПеременнаяПротоколов.size());
      continue;
    }
    if (!начинается_с(*п, "GIT_TERMINAL_PROMPT=")) окружение.emplace_back(*п);
  }
  окружение.emplace_back("GIT_TERMINAL_PROMPT=0");
  окружение.push_back(разрешённые_протоколы(свои_протоколы));
  return окружение;
}

std::vector<char*> указатели(std::vector<std::string>& тексты) {
  std::vector<char*> итог;
  итог.reserve(тексты.size() + 1);
  for (std::string& т : тексты) итог.push_back(т.data());
  итог.push_back(nullptr);
  return итог;
}

// Reads both pipes until both are closed, so neither can fill up and stall the child.
void собрать_вывод(int вывод, int ошибки, std::string& текст_вывода, std::string& текст_ошибок) {
  pollfd ждём[2] = {{вывод, POLLIN, 0}, {ошибки, POLLIN, 0}};
  std::string* куда[2] = {&текст_вывода, &текст_ошибок};
  int открыто = 2;
  char буфер[65536];
  while (открыто > 0) {
    if (::poll(ждём, 2, -1) < 0) {
      if (errno == EINTR) continue;
      return;
    }
    for (int i = 0; i < 2; ++i) {
      if (ждём[i].fd < 0 || ждём[i].revents == 0) continue;
      const ssize_t прочитано = ::read(ждём[i].fd, буфер, sizeof буфер);
      if (прочитано > 0) {
        куда[i]->append(буфер, static_cast<std::size_t>(прочитано));
      } else if (прочитано == 0 || errno != EINTR) {
        ждём[i].fd = -1;
        --открыто;
      }
    }
  }
}

int дождаться(pid_t процесс) {
  int состояние = 0;
  while (::waitpid(процесс, &состояние, 0) < 0) {
    if (errno != EINTR) return -1;
  }
  return WIFEXITED(состояние) ? WEXITSTATUS(состояние) : -1;
}

}  // namespace

Итог<ВыводGit, std::string> запустить_git(const std::vector<std::string>& аргументы) {
  Труба вывод, ошибки;
  if (::pipe2(вывод.концы, O_CLOEXEC) != 0 || ::pipe2(ошибки.концы, O_CLOEXEC) != 0) {
    return Неудача{системная_ошибка(errno)};
  }
  posix_spawn_file_actions_t действия;
  posix_spawn_file_actions_init(&действия);
  posix_spawn_file_actions_addopen(&действия, 0, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_adddup2(&действия, вывод.концы[1], 1);
  posix_spawn_file_actions_adddup2(&действия, ошибки.концы[1], 2);

  std::vector<std::string> argv_тексты{"git"};
  argv_тексты.insert(argv_тексты.end(), аргументы.begin(), аргументы.end());
  std::vector<std::string> env_тексты = окружение_для_git();
  std::vector<char*> argv = указатели(argv_тексты);
  std::vector<char*> envp = указатели(env_тексты);

  pid_t процесс = 0;
  const int код = ::posix_spawnp(&процесс, "git", &действия, nullptr, argv.data(), envp.data());
  posix_spawn_file_actions_destroy(&действия);
  if (код != 0) return Неудача{системная_ошибка(код)};

  вывод.закрыть(1);
  ошибки.закрыть(1);
  std::string сырой_вывод, сырые_ошибки;
  собрать_вывод(вывод.концы[0], ошибки.концы[0], сырой_вывод, сырые_ошибки);
  ВыводGit итог;
  итог.код_выхода = дождаться(процесс);
  итог.вывод = декодировать_с_заменой(сырой_вывод);
  итог.ошибки = декодировать_с_заменой(сырые_ошибки);
  return итог;
}

Итог<Пусто, std::string> проверить_аргумент_git(std::string_view значение, std::string_view что) {
  if (!значение.empty() && значение.front() == '-') {
    return Неудача{std::string(что) + " '" + std::string(значение) +
                   "' начинается с '-' — git принял бы это за свой параметр, такое значение не принимается"};
  }
  return Пусто{};
}

}  // namespace тувра::пакеты
