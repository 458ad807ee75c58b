#include "support/platform/interruption.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>

#include "support/platform/posix/interruption.h"

namespace тувра::платформа {
namespace {

// The handler's whole state: the first signal, and the pipe that wakes the waits. The pipe is
// made before any handler is set and never closed.
volatile std::sig_atomic_t полученный = 0;
int канал[2] = {-1, -1};

constexpr int кСигналы[] = {SIGINT, SIGTERM, SIGHUP};

extern "C" void принять_сигнал(int сигнал) {
  const int прежняя = errno;
  if (полученный == 0) полученный = сигнал;
  // Never read: the pipe stays readable for every later wait. Full, it is readable already.
  [[maybe_unused]] const ssize_t записано = ::write(канал[1], "!", 1);
  errno = прежняя;
}

bool игнорируется(int сигнал) {
  struct sigaction было {};
  return ::sigaction(сигнал, nullptr, &было) == 0 && было.sa_handler == SIG_IGN;
}

}  // namespace

void ловить_прерывания() {
  if (канал[0] >= 0 || ::pipe2(канал, O_CLOEXEC | O_NONBLOCK) != 0) return;
  struct sigaction действие {};
  действие.sa_handler = принять_сигнал;
  // Reads and writes go on; only the waits, which watch the pipe, end.
  действие.sa_flags = SA_RESTART;
  sigemptyset(&действие.sa_mask);
  for (int сигнал : кСигналы) {
    if (!игнорируется(сигнал)) ::sigaction(сигнал, &действие, nullptr);
  }
}

bool прервано() { return полученный != 0; }

int код_прерывания() { return 128 + static_cast<int>(полученный); }

int posix::сигнал_прерывания() { return канал[0]; }

}  // namespace тувра::платформа
