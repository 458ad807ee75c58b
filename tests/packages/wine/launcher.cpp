// Test-only starter for a Windows program under Wine: Wine keeps HOME, TEMP and TMP of the Linux
// side from Windows programs, so each variable TUVRA_WINE_SET_<ИМЯ> of this program's environment
// becomes <ИМЯ> for the program it starts. The rest of its own command line, as written, is the
// program's, whose standard handles and exit code are this one's; with TUVRA_WINE_CLOSED_STREAMS
// set, the program gets no standard handles at all.
#include <windows.h>

#include <string>
#include <string_view>

namespace {

constexpr std::wstring_view кПриставка = L"TUVRA_WINE_SET_";

void перенести_переменные() {
  wchar_t* блок = GetEnvironmentStringsW();
  std::wstring копия;
  for (const wchar_t* p = блок; *p != L'\0'; p += wcslen(p) + 1) копия.append(p).push_back(L'\n');
  FreeEnvironmentStringsW(блок);
  for (std::size_t начало = 0; начало < копия.size();) {
    const std::size_t конец = копия.find(L'\n', начало);
    const std::wstring пара = копия.substr(начало, конец - начало);
    начало = конец + 1;
    if (!пара.starts_with(кПриставка)) continue;
    const std::size_t равно = пара.find(L'=');
    if (равно == std::wstring::npos) continue;
    SetEnvironmentVariableW(пара.substr(0, равно).c_str(), nullptr);
    SetEnvironmentVariableW(пара.substr(кПриставка.size(), равно - кПриставка.size()).c_str(),
                            пара.c_str() + равно + 1);
  }
}

// The command line after this program's own name, by the rules CommandLineToArgvW reads it with.
const wchar_t* после_своего_имени(const wchar_t* строка) {
  bool в_кавычках = false;
  for (; *строка != L'\0'; ++строка) {
    if (*строка == L'"') в_кавычках = !в_кавычках;
    else if ((*строка == L' ' || *строка == L'\t') && !в_кавычках) break;
  }
  while (*строка == L' ' || *строка == L'\t') ++строка;
  return строка;
}

}  // namespace

int main() {
  перенести_переменные();
  std::wstring строка = после_своего_имени(GetCommandLineW());
  STARTUPINFOW запуск{};
  запуск.cb = sizeof запуск;
  запуск.dwFlags = STARTF_USESTDHANDLES;
  if (GetEnvironmentVariableW(L"TUVRA_WINE_CLOSED_STREAMS", nullptr, 0) == 0) {
    запуск.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    запуск.hStdOutput = GetStdHandle(STD_OUTPUT_HANDLE);
    запуск.hStdError = GetStdHandle(STD_ERROR_HANDLE);
  }
  PROCESS_INFORMATION процесс{};
  if (!CreateProcessW(nullptr, строка.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &запуск, &процесс))
    return 126;
  CloseHandle(процесс.hThread);
  WaitForSingleObject(процесс.hProcess, INFINITE);
  DWORD код = 1;
  GetExitCodeProcess(процесс.hProcess, &код);
  return static_cast<int>(код);
}
