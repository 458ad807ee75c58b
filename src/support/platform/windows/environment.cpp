#include "support/platform/environment.h"

#include <windows.h>

#include <shellapi.h>

#include "support/platform/windows/wide.h"

namespace тувра::платформа {
namespace w = windows;

std::vector<std::string> аргументы_программы(int, char**) {
  // argv holds the arguments in the ANSI code page, which loses Cyrillic.
  int число = 0;
  wchar_t** слова = CommandLineToArgvW(GetCommandLineW(), &число);
  std::vector<std::string> итог;
  if (слова == nullptr) return итог;
  for (int i = 0; i < число; ++i) итог.push_back(w::в_utf8(слова[i]));
  LocalFree(слова);
  return итог;
}

std::optional<std::string> переменная_окружения(std::string_view имя) {
  const std::wstring широкое = w::в_utf16(имя);
  std::wstring значение(256, L'\0');
  for (;;) {
    SetLastError(ERROR_SUCCESS);
    const DWORD длина = GetEnvironmentVariableW(широкое.c_str(), значение.data(), static_cast<DWORD>(значение.size()));
    if (длина == 0) {
      if (GetLastError() == ERROR_ENVVAR_NOT_FOUND) return std::nullopt;
      return std::string();
    }
    if (длина < значение.size()) {
      значение.resize(длина);
      return w::в_utf8(значение);
    }
    значение.resize(длина);
  }
}

std::vector<std::string> окружение() {
  std::vector<std::string> переменные;
  wchar_t* блок = GetEnvironmentStringsW();
  if (блок == nullptr) return переменные;
  for (const wchar_t* п = блок; *п != L'\0'; п += wcslen(п) + 1) {
    // "=C:=C:\..." entries carry the current folder of each drive for cmd.exe: not variables.
    if (*п == L'=') continue;
    переменные.push_back(w::в_utf8(п));
  }
  FreeEnvironmentStringsW(блок);
  return переменные;
}

Итог<std::string, std::string> временная_папка() {
  wchar_t буфер[MAX_PATH + 2];
  const DWORD длина = GetTempPathW(MAX_PATH + 2, буфер);
  if (длина == 0 || длина > MAX_PATH + 1) return Неудача{w::текст_ошибки(GetLastError())};
  std::string папка = w::в_utf8(std::wstring_view(буфер, длина));
  for (char& знак : папка) {
    if (знак == '\\') знак = '/';
  }
  if (папка.size() > 3 && папка.back() == '/') папка.pop_back();
  return папка;
}

std::uint64_t номер_процесса() { return GetCurrentProcessId(); }

}  // namespace тувра::платформа
