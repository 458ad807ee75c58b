#include "support/platform/folder_lock.h"

#include <windows.h>

#include <thread>
#include <utility>

#include "support/platform/interruption.h"
#include "support/platform/windows/wide.h"

namespace тувра::платформа {
namespace {

void закрыть(std::intptr_t описатель) {
  if (описатель != -1) CloseHandle(reinterpret_cast<HANDLE>(описатель));
}

ОшибкаФайла системная(DWORD код) { return {ПричинаОшибки::Система, windows::текст_ошибки(код)}; }

}  // namespace

ЗамокПапки::ЗамокПапки(ЗамокПапки&& другой) noexcept : описатель_(std::exchange(другой.описатель_, -1)) {}

ЗамокПапки& ЗамокПапки::operator=(ЗамокПапки&& другой) noexcept {
  if (this != &другой) {
    закрыть(описатель_);
    описатель_ = std::exchange(другой.описатель_, -1);
  }
  return *this;
}

ЗамокПапки::~ЗамокПапки() { закрыть(описатель_); }

ИтогФайла<ЗамокПапки> занять_папку(std::string_view путь, std::chrono::milliseconds ожидание) {
  const std::wstring имя = windows::системный_путь(путь);
  const auto предел = std::chrono::steady_clock::now() + ожидание;
  for (;;) {
    // Listing, reading and writing inside stay open to everyone; only a second holder of the
    // right to add files is refused. Not inherited by child processes.
    HANDLE папка = CreateFileW(имя.c_str(), FILE_ADD_FILE, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                               FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (папка != INVALID_HANDLE_VALUE) return ЗамокПапки(reinterpret_cast<std::intptr_t>(папка));
    const DWORD код = GetLastError();
    if (код != ERROR_SHARING_VIOLATION) return Неудача{системная(код)};
    if (прервано()) return Неудача{ОшибкаФайла{ПричинаОшибки::Прервано, {}}};
    if (std::chrono::steady_clock::now() >= предел) return Неудача{ОшибкаФайла{ПричинаОшибки::Занято, {}}};
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
}

}  // namespace тувра::платформа
