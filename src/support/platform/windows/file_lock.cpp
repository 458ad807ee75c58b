#include "support/platform/file_lock.h"

#include <windows.h>

#include <optional>
#include <thread>
#include <utility>

#include "support/platform/windows/wide.h"

namespace тувра::платформа {
namespace {

HANDLE как_описатель(std::intptr_t описатель) { return reinterpret_cast<HANDLE>(описатель); }

void закрыть(std::intptr_t описатель) {
  if (описатель != -1) CloseHandle(как_описатель(описатель));
}

ОшибкаФайла системная(DWORD код) { return {ПричинаОшибки::Система, windows::текст_ошибки(код)}; }

// Why the lock file cannot serve, or nothing when it is a regular disk file.
std::optional<ОшибкаФайла> не_обычный(HANDLE файл) {
  BY_HANDLE_FILE_INFORMATION данные{};
  if (!GetFileInformationByHandle(файл, &данные)) return системная(GetLastError());
  if (данные.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) return ОшибкаФайла{ПричинаОшибки::Ссылка, {}};
  if (данные.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return системная(ERROR_DIRECTORY);
  if (GetFileType(файл) != FILE_TYPE_DISK) return ОшибкаФайла{ПричинаОшибки::НеОбычныйФайл, {}};
  return std::nullopt;
}

}  // namespace

ЗамокФайла::ЗамокФайла(ЗамокФайла&& другой) noexcept : описатель_(std::exchange(другой.описатель_, -1)) {}

ЗамокФайла& ЗамокФайла::operator=(ЗамокФайла&& другой) noexcept {
  if (this != &другой) {
    закрыть(описатель_);
    описатель_ = std::exchange(другой.описатель_, -1);
  }
  return *this;
}

ЗамокФайла::~ЗамокФайла() { закрыть(описатель_); }

ИтогФайла<ЗамокФайла> занять_файл(std::string_view путь, std::chrono::milliseconds ожидание) {
  // Not inherited by child processes; a link there is opened as itself and refused below.
  const std::wstring имя = windows::системный_путь(путь);
  HANDLE файл =
      CreateFileW(имя.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                  nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
  if (файл == INVALID_HANDLE_VALUE) {
    const DWORD код = GetLastError();
    const ВидЗаписи вид = вид_записи(путь);
    if (вид == ВидЗаписи::Ссылка) return Неудача{ОшибкаФайла{ПричинаОшибки::Ссылка, {}}};
    // A folder cannot be opened as a file: said as such, not as a denied access.
    if (вид == ВидЗаписи::Папка) return Неудача{системная(ERROR_DIRECTORY)};
    return Неудача{системная(код)};
  }
  ЗамокФайла замок(reinterpret_cast<std::intptr_t>(файл));
  if (auto отказ = не_обычный(файл)) return Неудача{std::move(*отказ)};
  const auto предел = std::chrono::steady_clock::now() + ожидание;
  for (;;) {
    OVERLAPPED место{};
    if (LockFileEx(файл, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &место)) return замок;
    const DWORD код = GetLastError();
    if (код != ERROR_LOCK_VIOLATION && код != ERROR_IO_PENDING) return Неудача{системная(код)};
    if (std::chrono::steady_clock::now() >= предел) return Неудача{ОшибкаФайла{ПричинаОшибки::Занято, {}}};
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
}

}  // namespace тувра::платформа
