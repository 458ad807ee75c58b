#include "support/platform/interruption.h"

#include <windows.h>

#include <atomic>

#include "support/platform/windows/interruption.h"

namespace тувра::платформа {
namespace {

// The handler's whole state: whether an interruption came, and the event that wakes the waits.
// The event is made before the handler is set and never closed.
std::atomic<bool> получено{false};
HANDLE событие = nullptr;

// Runs on a thread of its own. For a closed console, a logoff or a shutdown the system ends the
// process once the handler returns, so it never does: the main thread ends the process when it
// has cleared up (the system's own timeout ends it otherwise).
BOOL WINAPI принять(DWORD вид) {
  получено = true;
  SetEvent(событие);
  if (вид != CTRL_C_EVENT && вид != CTRL_BREAK_EVENT) Sleep(INFINITE);
  return TRUE;
}

}  // namespace

void ловить_прерывания() {
  if (событие != nullptr) return;
  событие = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  if (событие != nullptr) SetConsoleCtrlHandler(принять, TRUE);
}

bool прервано() { return получено; }

int код_прерывания() { return static_cast<int>(STATUS_CONTROL_C_EXIT); }

HANDLE windows::событие_прерывания() { return событие; }

}  // namespace тувра::платформа
