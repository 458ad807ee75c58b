#include "support/platform/process.h"

#include <windows.h>

#include <algorithm>
#include <optional>

#include "support/platform/interruption.h"
#include "support/platform/windows/command_line.h"
#include "support/platform/windows/interruption.h"
#include "support/platform/windows/wide.h"

namespace тувра::платформа {
namespace {
using windows::Описатель;
using windows::в_utf16;

std::string ошибка_системы(DWORD код = GetLastError()) { return windows::текст_ошибки(код); }

bool есть_файл(const std::wstring& путь) {
  const DWORD атрибуты = GetFileAttributesW(путь.c_str());
  return атрибуты != INVALID_FILE_ATTRIBUTES && !(атрибуты & FILE_ATTRIBUTE_DIRECTORY);
}

bool абсолютный(std::wstring_view путь) {
  const bool диск = путь.size() >= 3 && путь[1] == L':' && (путь[2] == L'\\' || путь[2] == L'/') &&
                    ((путь[0] >= L'a' && путь[0] <= L'z') || (путь[0] >= L'A' && путь[0] <= L'Z'));
  return диск || путь.starts_with(L"\\\\");
}

// Only the absolute entries of PATH, and only .exe files: CreateProcessW's own search would look
// in the program's folder and the current one first (a project could hold a git.exe there), and
// a .bat or .cmd would run through cmd.exe.
std::optional<std::wstring> найти_программу(const std::string& программа) {
  std::wstring имя = в_utf16(программа);
  if (!имя.ends_with(L".exe")) имя += L".exe";
  std::wstring путь(32768, L'\0');
  const DWORD длина = GetEnvironmentVariableW(L"PATH", путь.data(), static_cast<DWORD>(путь.size()));
  if (длина == 0 || длина >= путь.size()) return std::nullopt;
  путь.resize(длина);
  std::size_t начало = 0;
  while (начало <= путь.size()) {
    std::size_t конец = путь.find(L';', начало);
    if (конец == std::wstring::npos) конец = путь.size();
    std::wstring папка = путь.substr(начало, конец - начало);
    начало = конец + 1;
    std::erase(папка, L'"');
    if (!абсолютный(папка)) continue;
    if (папка.back() != L'\\' && папка.back() != L'/') папка += L'\\';
    if (есть_файл(папка + имя)) return папка + имя;
  }
  return std::nullopt;
}

// The environment block CreateProcessW reads: sorted by name without regard to case, as Windows
// keeps its own, each "ИМЯ=значение" ended by a zero, one more zero at the end.
std::wstring блок_окружения(const std::vector<std::string>& окружение) {
  std::vector<std::wstring> переменные;
  for (const std::string& переменная : окружение) переменные.push_back(в_utf16(переменная));
  std::stable_sort(переменные.begin(), переменные.end(), [](const std::wstring& а, const std::wstring& б) {
    const auto имя = [](const std::wstring& т) { return т.substr(0, т.find(L'=', 1)); };
    return CompareStringOrdinal(имя(а).c_str(), -1, имя(б).c_str(), -1, TRUE) == CSTR_LESS_THAN;
  });
  std::wstring блок;
  for (const std::wstring& переменная : переменные) блок.append(переменная).push_back(L'\0');
  if (блок.empty()) блок.push_back(L'\0');
  блок.push_back(L'\0');
  return блок;
}

struct Чтение {
  HANDLE труба;
  std::string* куда;
};

DWORD WINAPI читать_трубу(void* параметр) {
  auto* чтение = static_cast<Чтение*>(параметр);
  char буфер[65536];
  DWORD прочитано = 0;
  while (ReadFile(чтение->труба, буфер, sizeof буфер, &прочитано, nullptr) && прочитано > 0) {
    чтение->куда->append(буфер, прочитано);
  }
  return 0;
}

// A pipe whose write end the child inherits; the read end stays ours.
bool создать_трубу(Описатель& наша, Описатель& детская) {
  SECURITY_ATTRIBUTES наследуемая{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
  HANDLE чтение = nullptr, запись = nullptr;
  if (!CreatePipe(&чтение, &запись, &наследуемая, 1 << 16)) return false;
  наша = Описатель(чтение);
  детская = Описатель(запись);
  return SetHandleInformation(чтение, HANDLE_FLAG_INHERIT, 0);
}

// The child and everything it starts: ended together at the limit, or when this process ends.
Описатель создать_задание() {
  Описатель задание(CreateJobObjectW(nullptr, nullptr));
  if (!задание.есть()) return задание;
  JOBOBJECT_EXTENDED_LIMIT_INFORMATION пределы{};
  пределы.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
  SetInformationJobObject(задание.get(), JobObjectExtendedLimitInformation, &пределы, sizeof пределы);
  return задание;
}

// Only these three handles reach the child, whatever else this process holds as inheritable.
class СписокНаследуемых {
 public:
  explicit СписокНаследуемых(std::vector<HANDLE> описатели) : описатели_(std::move(описатели)) {
    SIZE_T размер = 0;
    InitializeProcThreadAttributeList(nullptr, 1, 0, &размер);
    память_.resize(размер);
    auto* список = reinterpret_cast<LPPROC_THREAD_ATTRIBUTE_LIST>(память_.data());
    if (InitializeProcThreadAttributeList(список, 1, 0, &размер)) {
      if (UpdateProcThreadAttribute(список, 0, PROC_THREAD_ATTRIBUTE_HANDLE_LIST, описатели_.data(),
                                    описатели_.size() * sizeof(HANDLE), nullptr, nullptr)) {
        список_ = список;
      } else {
        DeleteProcThreadAttributeList(список);
      }
    }
  }
  СписокНаследуемых(const СписокНаследуемых&) = delete;
  СписокНаследуемых& operator=(const СписокНаследуемых&) = delete;
  ~СписокНаследуемых() {
    if (список_ != nullptr) DeleteProcThreadAttributeList(список_);
  }
  LPPROC_THREAD_ATTRIBUTE_LIST список() const { return список_; }

 private:
  std::vector<HANDLE> описатели_;
  std::vector<unsigned char> память_;
  LPPROC_THREAD_ATTRIBUTE_LIST список_ = nullptr;
};

DWORD миллисекунд_до(std::chrono::steady_clock::time_point срок) {
  const auto осталось = std::chrono::duration_cast<std::chrono::milliseconds>(срок - std::chrono::steady_clock::now());
  return static_cast<DWORD>(std::clamp<std::chrono::milliseconds::rep>(осталось.count(), 0, 0x7FFFFFFF));
}

}  // namespace

Итог<ЗавершениеПрограммы, std::string> выполнить_программу(const ЗапускПрограммы& запуск) {
  ЗавершениеПрограммы итог;
  if (прервано()) {
    итог.прервано = true;
    return итог;
  }
  const std::optional<std::wstring> программа = найти_программу(запуск.программа);
  if (!программа) return Неудача{ошибка_системы(ERROR_FILE_NOT_FOUND)};
  std::wstring строка = windows::командная_строка(*программа, запуск.аргументы);
  std::wstring окружение = блок_окружения(запуск.окружение);
  const std::wstring папка = в_utf16(запуск.папка);

  SECURITY_ATTRIBUTES наследуемый{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
  Описатель ввод(
      CreateFileW(L"NUL", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, &наследуемый, OPEN_EXISTING, 0, nullptr));
  Описатель вывод, вывод_ребёнка, ошибки, ошибки_ребёнка;
  if (!ввод.есть() || !создать_трубу(вывод, вывод_ребёнка) || !создать_трубу(ошибки, ошибки_ребёнка)) {
    return Неудача{ошибка_системы()};
  }
  Описатель задание = создать_задание();
  if (!задание.есть()) return Неудача{ошибка_системы()};
  СписокНаследуемых наследуемые({ввод.get(), вывод_ребёнка.get(), ошибки_ребёнка.get()});

  STARTUPINFOEXW сведения{};
  сведения.StartupInfo.cb = sizeof сведения;
  сведения.StartupInfo.dwFlags = STARTF_USESTDHANDLES;
  сведения.StartupInfo.hStdInput = ввод.get();
  сведения.StartupInfo.hStdOutput = вывод_ребёнка.get();
  сведения.StartupInfo.hStdError = ошибки_ребёнка.get();
  сведения.lpAttributeList = наследуемые.список();
  DWORD флаги = CREATE_NO_WINDOW | CREATE_UNICODE_ENVIRONMENT | CREATE_SUSPENDED;
  if (наследуемые.список() != nullptr) флаги |= EXTENDED_STARTUPINFO_PRESENT;
  PROCESS_INFORMATION процесс{};
  const auto срок = std::chrono::steady_clock::now() + запуск.предел;
  if (!CreateProcessW(программа->c_str(), строка.data(), nullptr, nullptr, TRUE, флаги, окружение.data(),
                      папка.empty() ? nullptr : папка.c_str(), &сведения.StartupInfo, &процесс)) {
    return Неудача{ошибка_системы()};
  }
  Описатель ребёнок(процесс.hProcess), поток(процесс.hThread);
  // In the job before it runs a single instruction: nothing it starts can escape the limit.
  if (!AssignProcessToJobObject(задание.get(), ребёнок.get())) {
    const DWORD код = GetLastError();
    TerminateProcess(ребёнок.get(), 1);
    return Неудача{ошибка_системы(код)};
  }
  ResumeThread(поток.get());
  вывод_ребёнка.закрыть();
  ошибки_ребёнка.закрыть();
  ввод.закрыть();

  Чтение чтения[2] = {{вывод.get(), &итог.вывод}, {ошибки.get(), &итог.ошибки}};
  Описатель читатели[2];
  for (int i = 0; i < 2; ++i) читатели[i] = Описатель(CreateThread(nullptr, 0, читать_трубу, &чтения[i], 0, nullptr));
  if (!читатели[0].есть() || !читатели[1].есть()) {
    TerminateJobObject(задание.get(), 1);
    for (Описатель& читатель : читатели) {
      if (читатель.есть()) WaitForSingleObject(читатель.get(), INFINITE);
    }
    return Неудача{ошибка_системы()};
  }
  HANDLE ждём[2] = {ребёнок.get(), windows::событие_прерывания()};
  const DWORD ответ = WaitForMultipleObjects(ждём[1] != nullptr ? 2 : 1, ждём, FALSE, миллисекунд_до(срок));
  итог.прервано = ответ == WAIT_OBJECT_0 + 1;
  итог.истекло = ответ != WAIT_OBJECT_0 && !итог.прервано;
  // Whatever it left running would hold the pipes open: the whole tree ends with it.
  TerminateJobObject(задание.get(), 1);
  HANDLE оба[2] = {читатели[0].get(), читатели[1].get()};
  if (WaitForMultipleObjects(2, оба, TRUE, 10'000) != WAIT_OBJECT_0) {
    // A process outside the job holds a write end: stop waiting for it.
    do {
      for (Описатель& читатель : читатели) CancelSynchronousIo(читатель.get());
    } while (WaitForMultipleObjects(2, оба, TRUE, 100) == WAIT_TIMEOUT);
  }
  if (итог.истекло || итог.прервано) return итог;
  DWORD код = 0;
  GetExitCodeProcess(ребёнок.get(), &код);
  итог.код_выхода = static_cast<int>(код);
  return итог;
}

}  // namespace тувра::платформа
