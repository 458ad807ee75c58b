#include "support/platform/process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <thread>

#include "support/platform/interruption.h"
#include "support/platform/posix/interruption.h"

namespace тувра::платформа {
namespace {

using Часы = std::chrono::steady_clock;

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

// What posix_spawn needs and frees again.
struct Порождение {
  posix_spawn_file_actions_t действия;
  posix_spawnattr_t свойства;
  Порождение() {
    posix_spawn_file_actions_init(&действия);
    posix_spawnattr_init(&свойства);
  }
  ~Порождение() {
    posix_spawn_file_actions_destroy(&действия);
    posix_spawnattr_destroy(&свойства);
  }
};

std::vector<char*> указатели(std::vector<std::string>& тексты) {
  std::vector<char*> итог;
  итог.reserve(тексты.size() + 1);
  for (std::string& т : тексты) итог.push_back(т.data());
  итог.push_back(nullptr);
  return итог;
}

int миллисекунд_до(Часы::time_point срок, std::chrono::milliseconds не_больше) {
  const auto осталось = std::chrono::duration_cast<std::chrono::milliseconds>(срок - Часы::now());
  return static_cast<int>(std::max<std::chrono::milliseconds::rep>(0, std::min(осталось, не_больше).count()));
}

struct Ребёнок {
  pid_t номер = 0;
  bool завершён = false;
  int состояние = 0;

  bool проверить() {
    if (!завершён && ::waitpid(номер, &состояние, WNOHANG) == номер) завершён = true;
    return завершён;
  }
};

enum class Ожидание { Готово, Истекло, Прервано };

// Waits `сон` for the interruption pipe; true when an interruption has come.
bool прерван_за(std::chrono::microseconds сон) {
  pollfd сигнал{posix::сигнал_прерывания(), POLLIN, 0};
  const timespec время{0, static_cast<long>(std::chrono::nanoseconds(сон).count())};
  const int готово = ::ppoll(&сигнал, сигнал.fd >= 0 ? 1 : 0, &время, nullptr);
  return готово > 0 || прервано();
}

// Reads both pipes until both are closed, the child is gone and nothing more comes, the time
// is up or an interruption comes. Neither pipe can fill up and stall the child.
Ожидание собрать_вывод(int вывод, int ошибки, Ребёнок& ребёнок, Часы::time_point срок, ЗавершениеПрограммы& итог) {
  pollfd ждём[3] = {{вывод, POLLIN, 0}, {ошибки, POLLIN, 0}, {posix::сигнал_прерывания(), POLLIN, 0}};
  const nfds_t сколько = ждём[2].fd >= 0 ? 3 : 2;
  std::string* куда[2] = {&итог.вывод, &итог.ошибки};
  int открыто = 2;
  char буфер[65536];
  while (открыто > 0) {
    if (прервано()) return Ожидание::Прервано;
    if (Часы::now() >= срок) return Ожидание::Истекло;
    const int готово = ::poll(ждём, сколько, миллисекунд_до(срок, std::chrono::milliseconds(100)));
    if (готово < 0) {
      if (errno == EINTR) continue;
      return Ожидание::Готово;
    }
    // Something the child started may keep the pipes open after the child itself has ended.
    if (готово == 0) {
      if (ребёнок.проверить()) return Ожидание::Готово;
      continue;
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
  return Ожидание::Готово;
}

Ожидание дождаться(Ребёнок& ребёнок, Часы::time_point срок) {
  for (auto сон = std::chrono::microseconds(200); !ребёнок.проверить();
       сон = std::min(сон * 2, std::chrono::microseconds(20'000))) {
    if (Часы::now() >= срок) return Ожидание::Истекло;
    if (прерван_за(сон)) return Ожидание::Прервано;
  }
  return Ожидание::Готово;
}

// The child is not reaped meanwhile, so its process group cannot go to another process.
bool вышел(pid_t номер) {
  siginfo_t сведения{};
  return ::waitid(P_PID, static_cast<id_t>(номер), &сведения, WEXITED | WNOHANG | WNOWAIT) == 0 &&
         сведения.si_pid == номер;
}

// An interrupted git gets a moment to clear what it made (an unfinished clone), then the whole
// group is ended like at the limit.
void прекратить(Ребёнок& ребёнок) {
  ::kill(-ребёнок.номер, SIGTERM);
  const auto срок = Часы::now() + std::chrono::seconds(2);
  while (!вышел(ребёнок.номер) && Часы::now() < срок) std::this_thread::sleep_for(std::chrono::milliseconds(10));
}

}  // namespace

Итог<ЗавершениеПрограммы, std::string> выполнить_программу(const ЗапускПрограммы& запуск) {
  Труба вывод, ошибки;
  if (::pipe2(вывод.концы, O_CLOEXEC) != 0 || ::pipe2(ошибки.концы, O_CLOEXEC) != 0) {
    return Неудача{системная_ошибка(errno)};
  }
  Порождение п;
  posix_spawn_file_actions_addopen(&п.действия, 0, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_adddup2(&п.действия, вывод.концы[1], 1);
  posix_spawn_file_actions_adddup2(&п.действия, ошибки.концы[1], 2);
  if (!запуск.папка.empty()) posix_spawn_file_actions_addchdir_np(&п.действия, запуск.папка.c_str());
  // A session of its own: no terminal to stop on, and one process group to end at the limit.
  posix_spawnattr_setflags(&п.свойства, POSIX_SPAWN_SETSID);

  std::vector<std::string> argv_тексты{запуск.программа};
  argv_тексты.insert(argv_тексты.end(), запуск.аргументы.begin(), запуск.аргументы.end());
  std::vector<std::string> env_тексты = запуск.окружение;
  std::vector<char*> argv = указатели(argv_тексты);
  std::vector<char*> envp = указатели(env_тексты);

  ЗавершениеПрограммы итог;
  if (прервано()) {
    итог.прервано = true;
    return итог;
  }
  const auto срок = Часы::now() + запуск.предел;
  Ребёнок ребёнок;
  const int код =
      ::posix_spawnp(&ребёнок.номер, запуск.программа.c_str(), &п.действия, &п.свойства, argv.data(), envp.data());
  if (код != 0) return Неудача{системная_ошибка(код)};

  вывод.закрыть(1);
  ошибки.закрыть(1);
  Ожидание ожидание = собрать_вывод(вывод.концы[0], ошибки.концы[0], ребёнок, срок, итог);
  if (ожидание == Ожидание::Готово) ожидание = дождаться(ребёнок, срок);
  if (ожидание != Ожидание::Готово) {
    if (ожидание == Ожидание::Прервано && !ребёнок.завершён) прекратить(ребёнок);
    ::kill(-ребёнок.номер, SIGKILL);
    if (!ребёнок.завершён) ::waitpid(ребёнок.номер, &ребёнок.состояние, 0);
    (ожидание == Ожидание::Прервано ? итог.прервано : итог.истекло) = true;
    return итог;
  }
  итог.код_выхода = WIFEXITED(ребёнок.состояние) ? WEXITSTATUS(ребёнок.состояние) : -1;
  return итог;
}

}  // namespace тувра::платформа
