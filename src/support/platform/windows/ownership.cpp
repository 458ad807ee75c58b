#include "support/platform/ownership.h"

#include <windows.h>
// After windows.h.
#include <aclapi.h>

#include <vector>

#include "support/platform/windows/wide.h"

namespace тувра::платформа {
namespace {

using windows::Описатель;

// A SID of this process's token: its user, or the owner it gives new objects (the
// Administrators group for an elevated one).
std::vector<unsigned char> из_токена(HANDLE токен, TOKEN_INFORMATION_CLASS что) {
  DWORD размер = 0;
  GetTokenInformation(токен, что, nullptr, 0, &размер);
  std::vector<unsigned char> данные(размер);
  if (размер == 0 || !GetTokenInformation(токен, что, данные.data(), размер, &размер)) return {};
  return данные;
}

bool свой_владелец(PSID владелец) {
  HANDLE токен = nullptr;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &токен)) return false;
  const Описатель держать(токен);
  const auto пользователь = из_токена(токен, TokenUser);
  const auto по_умолчанию = из_токена(токен, TokenOwner);
  const bool свой_пользователь =
      !пользователь.empty() && EqualSid(владелец, reinterpret_cast<const TOKEN_USER*>(пользователь.data())->User.Sid);
  const bool свой_по_умолчанию =
      !по_умолчанию.empty() && EqualSid(владелец, reinterpret_cast<const TOKEN_OWNER*>(по_умолчанию.data())->Owner);
  return свой_пользователь || свой_по_умолчанию;
}

}  // namespace

bool процесс_жив(std::uint64_t номер) {
  if (номер == 0 || номер > 0xFFFFFFFFu) return false;
  HANDLE процесс = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, static_cast<DWORD>(номер));
  if (процесс == nullptr) return GetLastError() != ERROR_INVALID_PARAMETER;
  const Описатель держать(процесс);
  return WaitForSingleObject(процесс, 0) == WAIT_TIMEOUT;
}

std::uint64_t наибольший_номер_процесса() { return 0xFFFFFFFFu; }

bool своя_папка(std::string_view путь) {
  const Описатель папка(CreateFileW(windows::системный_путь(путь).c_str(), READ_CONTROL,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                    FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
  if (!папка.есть()) return false;
  BY_HANDLE_FILE_INFORMATION данные{};
  if (!GetFileInformationByHandle(папка.get(), &данные)) return false;
  if (!(данные.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) ||
      (данные.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
    return false;
  }
  PSID владелец = nullptr;
  PSECURITY_DESCRIPTOR описание = nullptr;
  if (GetSecurityInfo(папка.get(), SE_FILE_OBJECT, OWNER_SECURITY_INFORMATION, &владелец, nullptr, nullptr, nullptr,
                      &описание) != ERROR_SUCCESS) {
    return false;
  }
  const bool свой = владелец != nullptr && свой_владелец(владелец);
  LocalFree(описание);
  return свой;
}

ИтогФайла<Пусто> переименовать_папку(std::string_view откуда, std::string_view куда) {
  if (!MoveFileExW(windows::системный_путь(откуда).c_str(), windows::системный_путь(куда).c_str(), 0)) {
    return Неудача{ОшибкаФайла{ПричинаОшибки::Система, windows::текст_ошибки(GetLastError())}};
  }
  return Пусто{};
}

}  // namespace тувра::платформа
