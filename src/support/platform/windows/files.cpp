#include "support/platform/files.h"

#include <windows.h>

#include <sddl.h>

#include <optional>
#include <utility>

#include "support/platform/windows/folder_entries.h"
#include "support/platform/windows/wide.h"

namespace тувра::платформа {
namespace {
using windows::НайденнаяЗапись;
using windows::Описатель;
using windows::в_utf16;
using windows::в_utf8;
using windows::вид_по_атрибутам;

ОшибкаФайла ошибка_системы(DWORD код = GetLastError()) {
  const bool нет = код == ERROR_FILE_NOT_FOUND || код == ERROR_PATH_NOT_FOUND;
  return {нет ? ПричинаОшибки::НетЗаписи : ПричинаОшибки::Система, windows::текст_ошибки(код)};
}

ОшибкаФайла своя(ПричинаОшибки причина) { return {причина, {}}; }

bool разделитель(char знак) { return знак == '/' || знак == '\\'; }
bool разделитель_w(wchar_t знак) { return знак == L'/' || знак == L'\\'; }

std::string без_приставки(std::wstring путь) {
  if (путь.starts_with(L"\\\\?\\UNC\\")) {
    путь = L"\\\\" + путь.substr(8);
  } else if (путь.starts_with(L"\\\\?\\")) {
    путь = путь.substr(4);
  }
  std::string итог = в_utf8(путь);
  for (char& знак : итог) {
    if (знак == '\\') знак = '/';
  }
  return итог;
}

constexpr DWORD кДелитьВсё = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

// The entry itself, a link or a junction not followed; a folder opens too.
Описатель открыть_запись(const std::wstring& путь, DWORD доступ, DWORD совместно = кДелитьВсё) {
  return Описатель(CreateFileW(путь.c_str(), доступ, совместно, nullptr, OPEN_EXISTING,
                               FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_BACKUP_SEMANTICS, nullptr));
}

std::optional<BY_HANDLE_FILE_INFORMATION> сведения(HANDLE описатель) {
  BY_HANDLE_FILE_INFORMATION данные{};
  if (!GetFileInformationByHandle(описатель, &данные)) return std::nullopt;
  return данные;
}

ВидЗаписи вид_открытого(HANDLE описатель) {
  const auto данные = сведения(описатель);
  if (!данные) return ВидЗаписи::Нет;
  const ВидЗаписи вид = вид_по_атрибутам(данные->dwFileAttributes);
  if (вид == ВидЗаписи::Файл && GetFileType(описатель) != FILE_TYPE_DISK) return ВидЗаписи::Другое;
  return вид;
}

// The components of `внутри` between its separators, empty ones and "." dropped.
std::vector<std::wstring> компоненты(std::string_view внутри) {
  std::vector<std::wstring> части;
  std::size_t начало = 0;
  for (std::size_t i = 0; i <= внутри.size(); ++i) {
    if (i < внутри.size() && !разделитель(внутри[i])) continue;
    const std::string_view часть = внутри.substr(начало, i - начало);
    if (!часть.empty() && часть != ".") части.push_back(в_utf16(часть));
    начало = i + 1;
  }
  return части;
}

// The folders from `папка` down to the last component's parent, each opened as itself and held
// open without delete sharing, so that none can be renamed or swapped for a link meanwhile.
struct Родитель {
  std::wstring путь;
  std::vector<Описатель> держим;
  std::wstring имя;  // the last component
  std::wstring полное() const { return путь + L"\\" + имя; }
};

ИтогФайла<Родитель> открыть_родителя(std::string_view папка, std::string_view внутри) {
  const std::vector<std::wstring> части = компоненты(внутри);
  Родитель р;
  р.путь = windows::системный_путь(папка);
  while (!р.путь.empty() && разделитель_w(р.путь.back()) && р.путь.size() > 7) р.путь.pop_back();
  Описатель начало(CreateFileW(р.путь.c_str(), FILE_READ_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                               OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  if (!начало.есть()) return Неудача{ошибка_системы()};
  р.держим.push_back(std::move(начало));
  for (std::size_t i = 0; i + 1 < части.size(); ++i) {
    р.путь += L"\\" + части[i];
    Описатель папка_ = открыть_запись(р.путь, FILE_READ_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE);
    if (!папка_.есть()) return Неудача{ошибка_системы()};
    const ВидЗаписи вид = вид_открытого(папка_.get());
    if (вид == ВидЗаписи::Ссылка) return Неудача{своя(ПричинаОшибки::Ссылка)};
    if (вид != ВидЗаписи::Папка) return Неудача{ошибка_системы(ERROR_DIRECTORY)};
    р.держим.push_back(std::move(папка_));
  }
  р.имя = части.empty() ? L"" : части.back();
  return р;
}

// A regular disk file, opened as itself for reading; a link, folder or device is refused.
ИтогФайла<Описатель> открыть_обычный(const std::wstring& путь) {
  Описатель файл = открыть_запись(путь, GENERIC_READ);
  if (!файл.есть()) return Неудача{ошибка_системы()};
  switch (вид_открытого(файл.get())) {
    case ВидЗаписи::Файл: return файл;
    case ВидЗаписи::Ссылка: return Неудача{своя(ПричинаОшибки::Ссылка)};
    case ВидЗаписи::Папка: return Неудача{ошибка_системы(ERROR_DIRECTORY)};
    case ВидЗаписи::Другое: return Неудача{своя(ПричинаОшибки::НеОбычныйФайл)};
    case ВидЗаписи::Нет: break;
  }
  return Неудача{ошибка_системы()};
}

ИтогФайла<std::string> прочитать_всё(HANDLE файл, std::size_t предел) {
  std::string байты;
  char буфер[65536];
  for (;;) {
    DWORD прочитано = 0;
    if (!ReadFile(файл, буфер, sizeof буфер, &прочитано, nullptr)) return Неудача{ошибка_системы()};
    if (прочитано == 0) return байты;
    байты.append(буфер, прочитано);
    // The file may grow after it was measured.
    if (байты.size() > предел) return Неудача{своя(ПричинаОшибки::СлишкомБольшой)};
  }
}

ИтогФайла<Пусто> записать_всё(HANDLE файл, std::string_view байты) {
  while (!байты.empty()) {
    DWORD записано = 0;
    const DWORD часть = static_cast<DWORD>(std::min<std::size_t>(байты.size(), 1u << 30));
    if (!WriteFile(файл, байты.data(), часть, &записано, nullptr)) return Неудача{ошибка_системы()};
    байты.remove_prefix(записано);
  }
  return Пусто{};
}

// The reparse tag stands in dwReserved0 of a reparse point's entry.
НайденнаяЗапись найденная(const WIN32_FIND_DATAW& данные) {
  const bool точка = (данные.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
  return {std::wstring(данные.cFileName), данные.dwFileAttributes, точка ? данные.dwReserved0 : 0};
}

class НастоящаяСистема : public windows::СистемаПапок {
 public:
  ИтогФайла<std::vector<НайденнаяЗапись>> перечислить(const std::wstring& папка) override {
    std::vector<НайденнаяЗапись> записи;
    WIN32_FIND_DATAW данные{};
    HANDLE поиск =
        FindFirstFileExW((папка + L"\\*").c_str(), FindExInfoBasic, &данные, FindExSearchNameMatch, nullptr, 0);
    if (поиск == INVALID_HANDLE_VALUE) {
      const DWORD код = GetLastError();
      if (код == ERROR_FILE_NOT_FOUND || код == ERROR_NO_MORE_FILES) return записи;
      return Неудача{ошибка_системы(код)};
    }
    std::optional<ОшибкаФайла> сбой;
    do {
      const std::wstring_view имя = данные.cFileName;
      if (имя != L"." && имя != L"..") записи.push_back(найденная(данные));
    } while (FindNextFileW(поиск, &данные));
    if (GetLastError() != ERROR_NO_MORE_FILES)
      сбой = ОшибкаФайла{ПричинаОшибки::ЧтениеЗаписи, windows::текст_ошибки(GetLastError())};
    FindClose(поиск);
    if (сбой) return Неудача{std::move(*сбой)};
    return записи;
  }
  bool удалить_папку(const std::wstring& путь) override { return RemoveDirectoryW(путь.c_str()); }
  bool удалить_файл(const std::wstring& путь) override { return DeleteFileW(путь.c_str()); }
  void снять_только_чтение(const std::wstring& путь, DWORD атрибуты) override {
    SetFileAttributesW(путь.c_str(), атрибуты & ~FILE_ATTRIBUTE_READONLY);
  }
  DWORD последняя_ошибка() override { return GetLastError(); }
};

// One entry that is not a real folder with contents: a link or junction goes itself.
bool удалить_одну(windows::СистемаПапок& система, const std::wstring& путь, DWORD атрибуты) {
  if (атрибуты & FILE_ATTRIBUTE_DIRECTORY) return система.удалить_папку(путь);
  // Read-only files (git makes its packs so) would refuse to go; a link's attributes would be set
  // on what it leads to.
  if ((атрибуты & FILE_ATTRIBUTE_READONLY) && !(атрибуты & FILE_ATTRIBUTE_REPARSE_POINT)) {
    система.снять_только_чтение(путь, атрибуты);
  }
  return система.удалить_файл(путь);
}

bool удалить_одну(const std::wstring& путь, DWORD атрибуты) {
  НастоящаяСистема система;
  return удалить_одну(система, путь, атрибуты);
}

// A descriptor that lets only the current user in, for a folder nobody else may enter.
class ЛичныйДоступ {
 public:
  ЛичныйДоступ() {
    HANDLE маркер = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &маркер)) return;
    Описатель держать(маркер);
    DWORD размер = 0;
    GetTokenInformation(маркер, TokenUser, nullptr, 0, &размер);
    std::vector<unsigned char> данные(размер);
    if (размер == 0 || !GetTokenInformation(маркер, TokenUser, данные.data(), размер, &размер)) return;
    wchar_t* sid = nullptr;
    if (!ConvertSidToStringSidW(reinterpret_cast<TOKEN_USER*>(данные.data())->User.Sid, &sid)) return;
    const std::wstring sddl = L"D:P(A;OICI;FA;;;" + std::wstring(sid) + L")";
    LocalFree(sid);
    PSECURITY_DESCRIPTOR описание = nullptr;
    if (!ConvertStringSecurityDescriptorToSecurityDescriptorW(sddl.c_str(), SDDL_REVISION_1, &описание, nullptr))
      return;
    описание_ = описание;
    свойства_.nLength = sizeof свойства_;
    свойства_.lpSecurityDescriptor = описание_;
  }
  ЛичныйДоступ(const ЛичныйДоступ&) = delete;
  ЛичныйДоступ& operator=(const ЛичныйДоступ&) = delete;
  ~ЛичныйДоступ() {
    if (описание_ != nullptr) LocalFree(описание_);
  }
  SECURITY_ATTRIBUTES* свойства() { return описание_ != nullptr ? &свойства_ : nullptr; }

 private:
  PSECURITY_DESCRIPTOR описание_ = nullptr;
  SECURITY_ATTRIBUTES свойства_{};
};

ИтогФайла<std::pair<Описатель, std::wstring>> создать_черновик(const Родитель& р) {
  for (int попытка = 0;; ++попытка) {
    const std::string имя = имя_черновика(в_utf8(р.имя), GetCurrentProcessId(), попытка);
    std::wstring путь = р.путь + L"\\" + в_utf16(имя);
    Описатель файл(CreateFileW(путь.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (файл.есть()) return std::pair{std::move(файл), std::move(путь)};
    const DWORD код = GetLastError();
    if (код != ERROR_FILE_EXISTS || попытка == 99) return Неудача{ошибка_системы(код)};
  }
}

// The old file may be replaced when it is absent or a regular file that is not read-only.
ИтогФайла<Пусто> проверить_заменяемый(const std::wstring& путь) {
  const DWORD атрибуты = GetFileAttributesW(путь.c_str());
  if (атрибуты == INVALID_FILE_ATTRIBUTES) {
    const DWORD код = GetLastError();
    if (код == ERROR_FILE_NOT_FOUND) return Пусто{};
    return Неудача{ошибка_системы(код)};
  }
  auto файл = открыть_обычный(путь);
  if (!файл) return Неудача{std::move(файл).error()};
  // Replacing needs only the folder's permission; a read-only file stays as protected as before.
  if (атрибуты & FILE_ATTRIBUTE_READONLY) return Неудача{ошибка_системы(ERROR_ACCESS_DENIED)};
  return Пусто{};
}

std::string текущая_папка() {
  std::wstring буфер(MAX_PATH, L'\0');
  for (;;) {
    const DWORD длина = GetCurrentDirectoryW(static_cast<DWORD>(буфер.size()), буфер.data());
    if (длина < буфер.size()) {
      буфер.resize(длина);
      return без_приставки(буфер);
    }
    буфер.resize(длина);
  }
}

}  // namespace

std::string соединить_пути(std::string_view а, std::string_view б) {
  if (а.empty()) return std::string(б);
  std::string путь(а);
  if (!разделитель(путь.back())) путь += '/';
  путь.append(б);
  return путь;
}

std::string_view родитель_пути(std::string_view путь) {
  const std::size_t черта = путь.find_last_of("/\\");
  if (черта == std::string_view::npos) return {};
  // The root keeps its separator: "C:/", "/".
  if (черта == 0 || (черта == 2 && windows::буква_диска(путь))) return путь.substr(0, черта + 1);
  return путь.substr(0, черта);
}

std::string_view последний_компонент(std::string_view путь) {
  const std::size_t черта = путь.find_last_of("/\\");
  return черта == std::string_view::npos ? путь : путь.substr(черта + 1);
}

bool путь_абсолютный(std::string_view путь) {
  if (путь.size() >= 3 && windows::буква_диска(путь) && разделитель(путь[2])) return true;
  return путь.size() >= 2 && разделитель(путь[0]) && разделитель(путь[1]);
}

ИтогФайла<std::string> абсолютный_путь(std::string_view путь) {
  if (путь_абсолютный(путь)) return std::string(путь);
  const std::string текущая = текущая_папка();
  // "/x" is rooted on the current folder's drive.
  if (!путь.empty() && разделитель(путь[0])) {
    const std::string_view корень = windows::буква_диска(текущая) ? std::string_view(текущая).substr(0, 2) : "";
    return std::string(корень) + std::string(путь);
  }
  if (windows::буква_диска(путь)) return без_приставки(windows::системный_путь(путь));
  return соединить_пути(текущая, путь);
}

ИтогФайла<std::string> полный_путь(std::string_view путь) {
  Описатель цель(CreateFileW(windows::системный_путь(путь).c_str(), FILE_READ_ATTRIBUTES, кДелитьВсё, nullptr,
                             OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  if (!цель.есть()) return Неудача{ошибка_системы()};
  std::wstring буфер(MAX_PATH, L'\0');
  for (;;) {
    const DWORD длина = GetFinalPathNameByHandleW(цель.get(), буфер.data(), static_cast<DWORD>(буфер.size()),
                                                  FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
    if (длина == 0) return Неудача{ошибка_системы()};
    if (длина < буфер.size()) {
      буфер.resize(длина);
      return без_приставки(буфер);
    }
    буфер.resize(длина);
  }
}

ВидЗаписи вид_записи(std::string_view путь) {
  const std::wstring системный_путь = windows::системный_путь(путь);
  const DWORD атрибуты = GetFileAttributesW(системный_путь.c_str());
  if (атрибуты == INVALID_FILE_ATTRIBUTES) return ВидЗаписи::Нет;
  const ВидЗаписи вид = вид_по_атрибутам(атрибуты);
  if (вид != ВидЗаписи::Файл) return вид;
  Описатель файл = открыть_запись(системный_путь, FILE_READ_ATTRIBUTES);
  return файл.есть() ? вид_открытого(файл.get()) : вид;
}

ВидЗаписи вид_цели(std::string_view путь) {
  Описатель цель(CreateFileW(windows::системный_путь(путь).c_str(), FILE_READ_ATTRIBUTES, кДелитьВсё, nullptr,
                             OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  if (!цель.есть()) return ВидЗаписи::Нет;
  return вид_открытого(цель.get());
}

ИтогФайла<std::vector<ЗаписьПапки>> записи_папки(std::string_view путь) {
  const std::wstring папка = windows::системный_путь(путь);
  // Held open while it is read: it cannot be swapped for a link meanwhile.
  Описатель держать = открыть_запись(папка, FILE_READ_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE);
  if (!держать.есть()) return Неудача{ошибка_системы()};
  const ВидЗаписи вид = вид_открытого(держать.get());
  if (вид == ВидЗаписи::Ссылка) return Неудача{своя(ПричинаОшибки::Ссылка)};
  if (вид != ВидЗаписи::Папка) return Неудача{ошибка_системы(ERROR_DIRECTORY)};
  НастоящаяСистема система;
  auto найдено = система.перечислить(папка);
  if (!найдено) return Неудача{std::move(найдено).error()};
  return windows::записи_из_найденных(*найдено);
}

ИтогФайла<Пусто> создать_папки(std::string_view путь) {
  const std::wstring полный = windows::системный_путь(путь);
  // Past "\\?\C:\" or "\\?\UNC\server\share\": those exist or nothing can be made.
  std::size_t начало = полный.starts_with(L"\\\\?\\UNC\\") ? полный.find(L'\\', полный.find(L'\\', 8) + 1) : 7;
  if (начало == std::wstring::npos) начало = полный.size();
  for (std::size_t конец = начало; конец <= полный.size(); ++конец) {
    if (конец < полный.size() && полный[конец] != L'\\') continue;
    if (конец == начало) continue;
    const std::wstring часть = полный.substr(0, конец);
    const DWORD атрибуты = GetFileAttributesW(часть.c_str());
    if (атрибуты != INVALID_FILE_ATTRIBUTES && (атрибуты & FILE_ATTRIBUTE_DIRECTORY)) continue;
    if (!CreateDirectoryW(часть.c_str(), nullptr)) {
      const DWORD код = GetLastError();
      const DWORD теперь = GetFileAttributesW(часть.c_str());
      if (код == ERROR_ALREADY_EXISTS && теперь != INVALID_FILE_ATTRIBUTES && (теперь & FILE_ATTRIBUTE_DIRECTORY))
        continue;
      return Неудача{ошибка_системы(код)};
    }
  }
  return Пусто{};
}

ИтогФайла<Пусто> создать_личную_папку(std::string_view путь) {
  ЛичныйДоступ доступ;
  if (!CreateDirectoryW(windows::системный_путь(путь).c_str(), доступ.свойства())) return Неудача{ошибка_системы()};
  return Пусто{};
}

ИтогФайла<Пусто> удалить_дерево(std::string_view путь) {
  const std::wstring корень = windows::системный_путь(путь);
  const DWORD атрибуты = GetFileAttributesW(корень.c_str());
  if (атрибуты == INVALID_FILE_ATTRIBUTES) {
    const DWORD код = GetLastError();
    if (код == ERROR_FILE_NOT_FOUND || код == ERROR_PATH_NOT_FOUND) return Пусто{};
    return Неудача{ошибка_системы(код)};
  }
  НастоящаяСистема система;
  return windows::удалить_дерево_через(система, корень, атрибуты);
}

ИтогФайла<Пусто> удалить_запись(std::string_view путь) {
  const std::wstring полный = windows::системный_путь(путь);
  const DWORD атрибуты = GetFileAttributesW(полный.c_str());
  if (атрибуты == INVALID_FILE_ATTRIBUTES || !удалить_одну(полный, атрибуты)) return Неудача{ошибка_системы()};
  return Пусто{};
}

ИтогФайла<Пусто> скопировать_файл(std::string_view откуда, std::string_view куда) {
  auto источник = открыть_обычный(windows::системный_путь(откуда));
  if (!источник) return Неудача{std::move(источник).error()};
  const std::wstring цель_путь = windows::системный_путь(куда);
  Описатель цель(CreateFileW(цель_путь.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!цель.есть()) return Неудача{ошибка_системы()};
  char буфер[65536];
  for (;;) {
    DWORD прочитано = 0;
    if (!ReadFile(источник->get(), буфер, sizeof буфер, &прочитано, nullptr)) return Неудача{ошибка_системы()};
    if (прочитано == 0) break;
    if (auto записано = записать_всё(цель.get(), std::string_view(буфер, прочитано)); !записано) return записано;
  }
  if (!CloseHandle(цель.отдать())) return Неудача{ошибка_системы()};
  return Пусто{};
}

ИтогФайла<std::string> прочитать_файл(std::string_view папка, std::string_view внутри, std::size_t предел) {
  auto родитель = открыть_родителя(папка, внутри);
  if (!родитель) return Неудача{std::move(родитель).error()};
  auto файл = открыть_обычный(родитель->полное());
  if (!файл) return Неудача{std::move(файл).error()};
  LARGE_INTEGER размер{};
  if (!GetFileSizeEx(файл->get(), &размер)) return Неудача{ошибка_системы()};
  if (static_cast<unsigned long long>(размер.QuadPart) > предел) return Неудача{своя(ПричинаОшибки::СлишкомБольшой)};
  return прочитать_всё(файл->get(), предел);
}

ИтогФайла<Пусто> заменить_файл(std::string_view папка, std::string_view внутри, std::string_view байты) {
  auto родитель = открыть_родителя(папка, внутри);
  if (!родитель) return Неудача{std::move(родитель).error()};
  const std::wstring цель = родитель->полное();
  if (auto можно = проверить_заменяемый(цель); !можно) return можно;
  auto черновик = создать_черновик(*родитель);
  if (!черновик) return Неудача{std::move(черновик).error()};
  auto& [файл, путь_черновика] = *черновик;
  ИтогФайла<Пусто> готов = записать_всё(файл.get(), байты);
  if (готов && !FlushFileBuffers(файл.get())) готов = Неудача{ошибка_системы()};
  if (готов && !CloseHandle(файл.отдать())) готов = Неудача{ошибка_системы()};
  if (готов && !MoveFileExW(путь_черновика.c_str(), цель.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    готов = Неудача{ошибка_системы()};
  }
  if (!готов) {
    файл.закрыть();
    DeleteFileW(путь_черновика.c_str());
  }
  return готов;
}

ИтогФайла<Пусто> удалить_файл_внутри(std::string_view папка, std::string_view внутри) {
  auto родитель = открыть_родителя(папка, внутри);
  if (!родитель) return Неудача{std::move(родитель).error()};
  const std::wstring цель = родитель->полное();
  const DWORD атрибуты = GetFileAttributesW(цель.c_str());
  if (атрибуты == INVALID_FILE_ATTRIBUTES) return Неудача{ошибка_системы()};
  // A real folder is not a file: refused, as unlink refuses it.
  if ((атрибуты & FILE_ATTRIBUTE_DIRECTORY) && !(атрибуты & FILE_ATTRIBUTE_REPARSE_POINT)) {
    return Неудача{ошибка_системы(ERROR_DIRECTORY)};
  }
  if (!удалить_одну(цель, атрибуты)) return Неудача{ошибка_системы()};
  return Пусто{};
}

namespace windows {

ВидЗаписи вид_по_атрибутам(DWORD атрибуты) {
  if (атрибуты & FILE_ATTRIBUTE_REPARSE_POINT) return ВидЗаписи::Ссылка;
  if (атрибуты & FILE_ATTRIBUTE_DIRECTORY) return ВидЗаписи::Папка;
  return ВидЗаписи::Файл;
}

std::vector<ЗаписьПапки> записи_из_найденных(const std::vector<НайденнаяЗапись>& найденные) {
  std::vector<ЗаписьПапки> записи;
  for (const НайденнаяЗапись& н : найденные) записи.push_back({в_utf8(н.имя), вид_по_атрибутам(н.атрибуты)});
  return записи;
}

ИтогФайла<Пусто> удалить_дерево_через(СистемаПапок& система, const std::wstring& корень, DWORD атрибуты) {
  // Folders still to empty, each removed once its entries are gone; depth costs no stack.
  struct Шаг {
    std::wstring путь;
    DWORD атрибуты;
    bool раскрыт;
  };
  std::vector<Шаг> стопка{{корень, атрибуты, false}};
  while (!стопка.empty()) {
    Шаг& шаг = стопка.back();
    if (вид_по_атрибутам(шаг.атрибуты) != ВидЗаписи::Папка || шаг.раскрыт) {
      if (!удалить_одну(система, шаг.путь, шаг.атрибуты) && система.последняя_ошибка() != ERROR_FILE_NOT_FOUND)
        return Неудача{ошибка_системы(система.последняя_ошибка())};
      стопка.pop_back();
      continue;
    }
    шаг.раскрыт = true;
    const std::wstring папка = шаг.путь;
    auto записи = система.перечислить(папка);
    if (!записи) return Неудача{std::move(записи).error()};
    for (const НайденнаяЗапись& запись : *записи)
      стопка.push_back({папка + L"\\" + запись.имя, запись.атрибуты, false});
  }
  return Пусто{};
}

}  // namespace windows
}  // namespace тувра::платформа
