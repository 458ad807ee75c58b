// Test-only stand-in for git.exe under Wine: a Windows program that starts the Linux git loses
// its redirected handles and sees it exit at once, so this bridge runs git through bash with the
// outputs and the status in files, waits for a completion file, and replays them.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cwctype>
#include <string>
#include <string_view>
#include <vector>

namespace {

std::string в_utf8(const std::wstring& текст) {
  if (текст.empty()) return {};
  const int размер =
      WideCharToMultiByte(CP_UTF8, 0, текст.data(), static_cast<int>(текст.size()), nullptr, 0, nullptr, nullptr);
  std::string итог(static_cast<std::size_t>(размер), '\0');
  WideCharToMultiByte(CP_UTF8, 0, текст.data(), static_cast<int>(текст.size()), итог.data(), размер, nullptr, nullptr);
  return итог;
}

std::wstring в_utf16(const std::string& текст) {
  if (текст.empty()) return {};
  const int размер = MultiByteToWideChar(CP_UTF8, 0, текст.data(), static_cast<int>(текст.size()), nullptr, 0);
  std::wstring итог(static_cast<std::size_t>(размер), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, текст.data(), static_cast<int>(текст.size()), итог.data(), размер);
  return итог;
}

using ИмяВUnix = char*(__cdecl*)(const wchar_t*);

bool путь_с_диском(std::wstring_view текст) {
  return текст.size() >= 3 && iswalpha(текст[0]) && текст[1] == L':' && (текст[2] == L'\\' || текст[2] == L'/');
}

// A drive-letter path becomes the Linux path Wine maps it to, also as the value of "ключ=путь"
// (git's "-c core.hooksPath=…"); anything else stays as written.
std::string для_linux(const std::wstring& аргумент, ИмяВUnix перевести) {
  std::size_t начало = 0;
  if (!путь_с_диском(аргумент)) {
    const std::size_t равно = аргумент.find(L'=');
    if (равно == std::wstring::npos || !путь_с_диском(std::wstring_view(аргумент).substr(равно + 1)))
      return в_utf8(аргумент);
    начало = равно + 1;
  }
  if (перевести == nullptr) return в_utf8(аргумент);
  char* unix = перевести(аргумент.substr(начало).c_str());
  if (unix == nullptr) return в_utf8(аргумент);
  std::string итог = в_utf8(аргумент.substr(0, начало)) + unix;
  HeapFree(GetProcessHeap(), 0, unix);
  return итог;
}

std::string в_кавычках(const std::string& текст) {
  std::string итог = "'";
  for (char c : текст) итог += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return итог + "'";
}

bool записать(const std::wstring& путь, const std::string& байты) {
  HANDLE файл = CreateFileW(путь.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (файл == INVALID_HANDLE_VALUE) return false;
  DWORD записано = 0;
  const bool ok =
      WriteFile(файл, байты.data(), static_cast<DWORD>(байты.size()), &записано, nullptr) && записано == байты.size();
  CloseHandle(файл);
  return ok;
}

bool прочитать(const std::wstring& путь, std::string& байты) {
  HANDLE файл = CreateFileW(путь.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (файл == INVALID_HANDLE_VALUE) return false;
  байты.clear();
  char буфер[65536];
  DWORD прочитано = 0;
  while (ReadFile(файл, буфер, sizeof буфер, &прочитано, nullptr) && прочитано > 0) байты.append(буфер, прочитано);
  CloseHandle(файл);
  return true;
}

void выдать(DWORD поток, const std::string& байты) {
  HANDLE куда = GetStdHandle(поток);
  std::size_t сделано = 0;
  while (сделано < байты.size()) {
    DWORD записано = 0;
    if (!WriteFile(куда, байты.data() + сделано, static_cast<DWORD>(байты.size() - сделано), &записано, nullptr) ||
        записано == 0)
      return;
    сделано += записано;
  }
}

// Variables that git reads and the program under test sets; paths among them are translated.
bool передаётся(const std::wstring& имя) { return имя.rfind(L"GIT_", 0) == 0 || имя == L"HOME"; }

std::string переменные(ИмяВUnix перевести) {
  std::string итог;
  wchar_t* блок = GetEnvironmentStringsW();
  for (const wchar_t* p = блок; *p != L'\0'; p += wcslen(p) + 1) {
    const std::wstring пара(p);
    const auto равно = пара.find(L'=', 1);
    if (равно == std::wstring::npos || !передаётся(пара.substr(0, равно))) continue;
    // Appended piece by piece: GCC 12 at -O3 takes " " + std::string for an overlapping copy.
    std::string переменная = в_utf8(пара.substr(0, равно));
    переменная.append("=").append(для_linux(пара.substr(равно + 1), перевести));
    итог.append(" ").append(в_кавычках(переменная));
  }
  FreeEnvironmentStringsW(блок);
  return итог;
}

}  // namespace

int main() {
  const auto перевести = reinterpret_cast<ИмяВUnix>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
  int число = 0;
  wchar_t** аргументы = CommandLineToArgvW(GetCommandLineW(), &число);

  wchar_t временная[MAX_PATH + 1];
  GetTempPathW(MAX_PATH + 1, временная);
  const std::wstring папка = std::wstring(временная) + L"git_bridge_" + std::to_wstring(GetCurrentProcessId()) + L"_" +
                             std::to_wstring(GetTickCount64());
  if (!CreateDirectoryW(папка.c_str(), nullptr)) return 125;
  const std::string папка_unix = для_linux(папка, перевести);

  std::string список;
  for (int i = 1; i < число; ++i) список += для_linux(аргументы[i], перевести) + '\0';
  wchar_t текущая[32768];
  GetCurrentDirectoryW(32768, текущая);
  const std::string сценарий = "cd " + в_кавычках(для_linux(текущая, перевести)) + " || exit 1\n" +
                               "mapfile -d '' a < " + в_кавычках(папка_unix + "/args") + "\n" + "env -u GIT_DIR" +
                               переменные(перевести) + " git \"${a[@]}\" > " + в_кавычках(папка_unix + "/out") +
                               " 2> " + в_кавычках(папка_unix + "/err") + " < /dev/null\n" + "echo $? > " +
                               в_кавычках(папка_unix + "/status.tmp") + "\n/bin/mv " +
                               в_кавычках(папка_unix + "/status.tmp") + " " + в_кавычках(папка_unix + "/status") + "\n";
  if (!записать(папка + L"\\args", список) || !записать(папка + L"\\run.sh", сценарий)) return 125;

  std::wstring строка = L"/bin/bash " + в_utf16(папка_unix + "/run.sh");
  STARTUPINFOW запуск{};
  запуск.cb = sizeof запуск;
  PROCESS_INFORMATION процесс{};
  if (!CreateProcessW(L"/bin/bash", строка.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &запуск, &процесс)) {
    std::fprintf(stderr, "git bridge: cannot start /bin/bash (%lu)\n", GetLastError());
    return 125;
  }
  CloseHandle(процесс.hThread);
  CloseHandle(процесс.hProcess);

  std::string состояние;
  for (int ждать = 0; !прочитать(папка + L"\\status", состояние); ++ждать) {
    if (ждать > 20 * 60 * 100) return 124;
    Sleep(10);
  }
  std::string вывод, ошибки;
  прочитать(папка + L"\\out", вывод);
  прочитать(папка + L"\\err", ошибки);
  выдать(STD_OUTPUT_HANDLE, вывод);
  выдать(STD_ERROR_HANDLE, ошибки);
  for (const wchar_t* имя : {L"\\args", L"\\run.sh", L"\\out", L"\\err", L"\\status"})
    DeleteFileW((папка + имя).c_str());
  RemoveDirectoryW(папка.c_str());
  return std::atoi(состояние.c_str());
}
