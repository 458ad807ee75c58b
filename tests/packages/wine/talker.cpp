// A child for the Windows process tests: "аргументы" prints its arguments, each ended by a zero
// byte; "много N" writes N bytes on standard output and N on standard error, in turns, and exits
// with 3; "ждать ФАЙЛ" starts a copy of itself that writes its process id to ФАЙЛ, then both
// wait forever.
#include <windows.h>

#include <shellapi.h>

#include <string>
#include <vector>

namespace {

void выдать(DWORD поток, const std::string& байты) {
  DWORD записано = 0;
  WriteFile(GetStdHandle(поток), байты.data(), static_cast<DWORD>(байты.size()), &записано, nullptr);
}

std::string в_utf8(const wchar_t* текст) {
  const int размер = WideCharToMultiByte(CP_UTF8, 0, текст, -1, nullptr, 0, nullptr, nullptr);
  std::string итог(static_cast<std::size_t>(размер), '\0');
  WideCharToMultiByte(CP_UTF8, 0, текст, -1, итог.data(), размер, nullptr, nullptr);
  итог.pop_back();
  return итог;
}

}  // namespace

int main() {
  int число = 0;
  wchar_t** слова = CommandLineToArgvW(GetCommandLineW(), &число);
  if (число < 2) return 2;
  const std::wstring режим = слова[1];
  if (режим == L"аргументы") {
    std::string вывод;
    for (int i = 2; i < число; ++i) вывод.append(в_utf8(слова[i])).push_back('\0');
    выдать(STD_OUTPUT_HANDLE, вывод);
    return 0;
  }
  if (режим == L"много" && число == 3) {
    const std::size_t всего = std::stoul(слова[2]);
    const std::string кусок(4096, 'x');
    for (std::size_t сделано = 0; сделано < всего; сделано += кусок.size()) {
      выдать(STD_OUTPUT_HANDLE, кусок.substr(0, всего - сделано));
      выдать(STD_ERROR_HANDLE, кусок.substr(0, всего - сделано));
    }
    return 3;
  }
  if (режим == L"ждать" && число == 3) {
    wchar_t себя[MAX_PATH];
    GetModuleFileNameW(nullptr, себя, MAX_PATH);
    std::wstring строка = L"\"" + std::wstring(себя) + L"\" внук \"" + слова[2] + L"\"";
    STARTUPINFOW запуск{};
    запуск.cb = sizeof запуск;
    PROCESS_INFORMATION процесс{};
    if (!CreateProcessW(себя, строка.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &запуск, &процесс)) return 4;
    Sleep(INFINITE);
  }
  if (режим == L"внук" && число == 3) {
    HANDLE файл = CreateFileW(слова[2], GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    const std::string номер = std::to_string(GetCurrentProcessId());
    DWORD записано = 0;
    WriteFile(файл, номер.data(), static_cast<DWORD>(номер.size()), &записано, nullptr);
    CloseHandle(файл);
    Sleep(INFINITE);
  }
  return 2;
}
