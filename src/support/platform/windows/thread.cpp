#include "support/platform/thread.h"

#include <process.h>
#include <windows.h>

namespace тувра::платформа {

namespace {

unsigned __stdcall запустить(void* работа) {
  (*static_cast<const std::function<void()>*>(работа))();
  return 0;
}

}  // namespace

bool выполнить_в_потоке(std::size_t размер_стека, const std::function<void()>& работа) {
  if (размер_стека > 0xFFFFFFFFu) return false;
  // Only reserved: pages of the stack are committed as it grows, as on Linux.
  const auto поток =
      _beginthreadex(nullptr, static_cast<unsigned>(размер_стека), запустить,
                     const_cast<std::function<void()>*>(&работа), STACK_SIZE_PARAM_IS_A_RESERVATION, nullptr);
  if (поток == 0) return false;
  const auto дескриптор = reinterpret_cast<HANDLE>(поток);
  WaitForSingleObject(дескриптор, INFINITE);
  CloseHandle(дескриптор);
  return true;
}

}  // namespace тувра::платформа
