// The Windows side of the platform layer the package manager stands on, run under Wine:
// the command line a child reads back, its outputs and time limit, reparse points (made up: Wine
// makes none), long paths.
#include <windows.h>

#include <shellapi.h>

#include <algorithm>
#include <chrono>
#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/platform/environment.h"
#include "support/platform/files.h"
#include "support/platform/process.h"
#include "support/platform/windows/command_line.h"
#include "support/platform/windows/folder_entries.h"
#include "support/platform/windows/wide.h"

namespace тувра::платформа {
namespace {

using namespace std::chrono_literals;

const std::vector<std::vector<std::string>> кСлова = {
    {"просто", "два слова", ""},
    {"\"", "a\"b", "\"в кавычках\""},
    {"a\\b", "a\\\\b", "конец\\", "конец\\\\", "a\\\"b", "a\\\\\"b", "\\\\сервер\\общая\\"},
    {"-u", "--upload-pack=touch x", "-"},
    {"табуляция\tи\nстрока", "ёж ∑ 😀", " ", "\\ \\"},
};

// What CommandLineToArgvW, the reader of the C runtime's rules, makes of the line.
std::vector<std::string> прочитать_обратно(const std::wstring& строка) {
  int число = 0;
  wchar_t** слова = CommandLineToArgvW(строка.c_str(), &число);
  std::vector<std::string> итог;
  for (int i = 1; i < число; ++i) итог.push_back(windows::в_utf8(слова[i]));
  LocalFree(слова);
  return итог;
}

TEST(КоманднаяСтрокаWindows, СловаЧитаютсяОбратноКакЕсть) {
  for (const auto& слова : кСлова) {
    const std::wstring строка = windows::командная_строка(L"C:\\Program Files\\Git\\cmd\\git.exe", слова);
    EXPECT_EQ(прочитать_обратно(строка), слова) << windows::в_utf8(строка);
  }
}

class ПроцессWindows : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto путь = переменная_окружения("PATH").value_or("");
    // Only the absolute entry finds the child; a relative one naming the same folder does not.
    SetEnvironmentVariableW(L"PATH", windows::в_utf16(папка_ребёнка() + ";" + путь).c_str());
  }
  void TearDown() override {
    if (!прежний_путь_.empty()) SetEnvironmentVariableW(L"PATH", windows::в_utf16(прежний_путь_).c_str());
  }
  static std::string папка_ребёнка() { return std::string(TUVRA_TALKER_DIR); }

  Итог<ЗавершениеПрограммы, std::string> запустить(std::vector<std::string> аргументы,
                                                   std::chrono::milliseconds предел = 60s) {
    return выполнить_программу({"tuvra_wine_talker", std::move(аргументы), папка_ребёнка(), окружение(), предел});
  }

  std::string прежний_путь_ = переменная_окружения("PATH").value_or("");
};

TEST_F(ПроцессWindows, РебёнокПолучаетСловаКакЕсть) {
  for (const auto& слова : кСлова) {
    std::vector<std::string> аргументы{"аргументы"};
    аргументы.insert(аргументы.end(), слова.begin(), слова.end());
    auto итог = запустить(аргументы);
    ASSERT_TRUE(итог.has_value()) << итог.error();
    std::string ожидаемо;
    for (const std::string& слово : слова) ожидаемо.append(слово).push_back('\0');
    EXPECT_EQ(итог->вывод, ожидаемо);
    EXPECT_EQ(итог->код_выхода, 0);
  }
}

TEST_F(ПроцессWindows, МегабайтыНаОбоихВыводахБезЗатора) {
  auto итог = запустить({"много", "3000000"});
  ASSERT_TRUE(итог.has_value()) << итог.error();
  EXPECT_FALSE(итог->истекло);
  EXPECT_EQ(итог->код_выхода, 3);
  EXPECT_EQ(итог->вывод.size(), 3000000u);
  EXPECT_EQ(итог->ошибки.size(), 3000000u);
}

TEST_F(ПроцессWindows, ПределКончаетИВнука) {
  const std::string имя = "внук_" + std::to_string(номер_процесса());
  const std::string файл = соединить_пути(папка_ребёнка(), имя);
  (void)удалить_запись(файл);
  const auto начало = std::chrono::steady_clock::now();
  auto итог = запустить({"ждать", файл}, 5s);
  ASSERT_TRUE(итог.has_value()) << итог.error();
  EXPECT_TRUE(итог->истекло);
  EXPECT_LT(std::chrono::steady_clock::now() - начало, 30s);
  auto номер = прочитать_файл(папка_ребёнка(), имя, 100);
  ASSERT_TRUE(номер.has_value()) << "the grandchild had started";
  HANDLE внук = OpenProcess(SYNCHRONIZE, FALSE, static_cast<DWORD>(std::stoul(*номер)));
  if (внук != nullptr) {
    EXPECT_EQ(WaitForSingleObject(внук, 5000), WAIT_OBJECT_0) << "the grandchild was ended with the child";
    CloseHandle(внук);
  }
  (void)удалить_запись(файл);
}

TEST_F(ПроцессWindows, НетПрограммыИОтносительныйПутьПоиска) {
  SetEnvironmentVariableW(L"PATH", L".");
  auto итог = выполнить_программу({"tuvra_wine_talker", {"аргументы"}, папка_ребёнка(), окружение(), 10s});
  EXPECT_FALSE(итог.has_value()) << "a relative entry of PATH is not searched, nor the current folder";
}

class ФайлыWindows : public ::testing::Test {
 protected:
  void SetUp() override {
    auto временная = временная_папка();
    ASSERT_TRUE(временная.has_value());
    корень_ = соединить_пути(*временная, "тувра_файлы_" + std::to_string(номер_процесса()));
    (void)удалить_дерево(корень_);
    ASSERT_TRUE(создать_папки(корень_).has_value());
  }
  void TearDown() override { EXPECT_TRUE(удалить_дерево(корень_).has_value()); }
  std::string корень_;
};

TEST_F(ФайлыWindows, ПутиДлиннее260Знаков) {
  std::string внутри;
  for (int i = 0; i < 12; ++i) внутри = соединить_пути(внутри, "папка_с_длинным_именем_" + std::to_string(i));
  const std::string папка = соединить_пути(корень_, внутри);
  ASSERT_GT(папка.size(), 300u);
  ASSERT_TRUE(создать_папки(папка).has_value());
  ASSERT_TRUE(заменить_файл(корень_, соединить_пути(внутри, "файл.код"), "первый").has_value());
  ASSERT_TRUE(заменить_файл(корень_, соединить_пути(внутри, "файл.код"), "второй").has_value());
  auto прочитано = прочитать_файл(корень_, соединить_пути(внутри, "файл.код"), 100);
  ASSERT_TRUE(прочитано.has_value()) << прочитано.error().текст;
  EXPECT_EQ(*прочитано, "второй");
  auto записи = записи_папки(папка);
  ASSERT_TRUE(записи.has_value());
  ASSERT_EQ(записи->size(), 1u) << "no draft is left";
  EXPECT_EQ((*записи)[0].имя, "файл.код");
  EXPECT_EQ(вид_записи(соединить_пути(папка, "файл.код")), ВидЗаписи::Файл);
  ASSERT_TRUE(удалить_дерево(соединить_пути(корень_, "папка_с_длинным_именем_0")).has_value());
  EXPECT_EQ(вид_записи(папка), ВидЗаписи::Нет);
}

TEST_F(ФайлыWindows, ТолькоЧтениеИЗаменаИУдаление) {
  ASSERT_TRUE(заменить_файл(корень_, "замок.txt", "x").has_value());
  const std::wstring путь = windows::системный_путь(соединить_пути(корень_, "замок.txt"));
  SetFileAttributesW(путь.c_str(), FILE_ATTRIBUTE_READONLY);
  EXPECT_FALSE(заменить_файл(корень_, "замок.txt", "y").has_value()) << "a read-only file stays as it is";
  EXPECT_EQ(*прочитать_файл(корень_, "замок.txt", 10), "x");
  // git makes its packs read-only: a tree with them still goes.
  ASSERT_TRUE(создать_папки(соединить_пути(корень_, "клон/.git/objects")).has_value());
  ASSERT_TRUE(заменить_файл(корень_, "клон/.git/objects/pack", "p").has_value());
  SetFileAttributesW(windows::системный_путь(соединить_пути(корень_, "клон/.git/objects/pack")).c_str(),
                     FILE_ATTRIBUTE_READONLY);
  EXPECT_TRUE(удалить_дерево(соединить_пути(корень_, "клон")).has_value());
  EXPECT_EQ(вид_записи(соединить_пути(корень_, "клон")), ВидЗаписи::Нет);
}

TEST_F(ФайлыWindows, ТочкиПовторногоРазбораНеПроходятся) {
  const std::string снаружи = соединить_пути(корень_, "снаружи");
  ASSERT_TRUE(создать_папки(снаружи).has_value());
  ASSERT_TRUE(заменить_файл(снаружи, "тайна.код", "тайна").has_value());
  const std::string проект = соединить_пути(корень_, "проект");
  ASSERT_TRUE(создать_папки(проект).has_value());
  const std::wstring ссылка = windows::системный_путь(соединить_пути(проект, "пакеты"));
  if (!CreateSymbolicLinkW(ссылка.c_str(), windows::системный_путь(снаружи).c_str(),
                           SYMBOLIC_LINK_FLAG_DIRECTORY | SYMBOLIC_LINK_FLAG_ALLOW_UNPRIVILEGED_CREATE) ||
      GetFileAttributesW(ссылка.c_str()) == INVALID_FILE_ATTRIBUTES ||
      !(GetFileAttributesW(ссылка.c_str()) & FILE_ATTRIBUTE_REPARSE_POINT)) {
    GTEST_SKIP() << "this Wine makes no symbolic link that Windows calls see as a reparse point";
  }
  EXPECT_EQ(вид_записи(соединить_пути(проект, "пакеты")), ВидЗаписи::Ссылка);
  auto через = прочитать_файл(проект, "пакеты/тайна.код", 100);
  ASSERT_FALSE(через.has_value());
  EXPECT_EQ(через.error().причина, ПричинаОшибки::Ссылка);
  EXPECT_FALSE(заменить_файл(проект, "пакеты/тайна.код", "чужое").has_value());
  EXPECT_FALSE(записи_папки(соединить_пути(проект, "пакеты")).has_value());
  ASSERT_TRUE(удалить_дерево(соединить_пути(проект, "пакеты")).has_value());
  EXPECT_EQ(*прочитать_файл(снаружи, "тайна.код", 100), "тайна") << "the link went, never what it points to";
}

// Wine makes no junction and no symbolic link a Windows call sees, so the reparse points come
// from a made-up folder tree that answers as FindFirstFileExW would on Windows.
class ВыдуманныеПапки : public windows::СистемаПапок {
 public:
  std::map<std::wstring, std::vector<windows::НайденнаяЗапись>> папки;
  std::vector<std::wstring> перечисленные, удалённые_папки, удалённые_файлы, снятые;

  ИтогФайла<std::vector<windows::НайденнаяЗапись>> перечислить(const std::wstring& папка) override {
    перечисленные.push_back(папка);
    return папки[папка];
  }
  bool удалить_папку(const std::wstring& путь) override {
    удалённые_папки.push_back(путь);
    return true;
  }
  bool удалить_файл(const std::wstring& путь) override {
    удалённые_файлы.push_back(путь);
    return true;
  }
  void снять_только_чтение(const std::wstring& путь, DWORD) override { снятые.push_back(путь); }
  DWORD последняя_ошибка() override { return ERROR_SUCCESS; }
};

constexpr DWORD кПапка = FILE_ATTRIBUTE_DIRECTORY;
constexpr DWORD кТочка = FILE_ATTRIBUTE_REPARSE_POINT;

// Each reparse point as Windows lists it: junctions and links to folders carry the folder bit too.
const std::vector<windows::НайденнаяЗапись> кТочкиПовторногоРазбора = {
    {L"соединение", кПапка | кТочка, IO_REPARSE_TAG_MOUNT_POINT},
    {L"ссылка_на_папку", кПапка | кТочка, IO_REPARSE_TAG_SYMLINK},
    {L"ссылка_на_файл", кТочка | FILE_ATTRIBUTE_READONLY, IO_REPARSE_TAG_SYMLINK},
    {L"облако", кПапка | кТочка, IO_REPARSE_TAG_CLOUD},
    {L"приложение", кТочка | FILE_ATTRIBUTE_ARCHIVE, IO_REPARSE_TAG_APPEXECLINK},
};

TEST(ЗаписиПапкиWindows, ТочкаПовторногоРазбораВсегдаСсылка) {
  std::vector<windows::НайденнаяЗапись> найденные = кТочкиПовторногоРазбора;
  найденные.push_back({L"мат", кПапка, 0});
  найденные.push_back({L"мат.код", FILE_ATTRIBUTE_ARCHIVE, 0});
  const std::vector<ЗаписьПапки> записи = windows::записи_из_найденных(найденные);
  ASSERT_EQ(записи.size(), найденные.size());
  for (std::size_t i = 0; i < кТочкиПовторногоРазбора.size(); ++i) {
    EXPECT_EQ(записи[i].вид, ВидЗаписи::Ссылка) << записи[i].имя;
  }
  EXPECT_EQ(записи[5].имя, "мат");
  EXPECT_EQ(записи[5].вид, ВидЗаписи::Папка);
  EXPECT_EQ(записи[6].вид, ВидЗаписи::Файл);
}

TEST(ЗаписиПапкиWindows, УдалениеДереваНеВходитВТочкиПовторногоРазбора) {
  ВыдуманныеПапки система;
  const std::wstring корень = L"\\\\?\\C:\\пакеты";
  система.папки[корень] = кТочкиПовторногоРазбора;
  система.папки[корень].push_back({L"мат", кПапка, 0});
  система.папки[корень + L"\\мат"] = {{L"мат.код", FILE_ATTRIBUTE_ARCHIVE, 0}, {L"pack", FILE_ATTRIBUTE_READONLY, 0}};
  // What the links lead to, were they followed.
  for (const auto& точка : кТочкиПовторногоРазбора) {
    система.папки[корень + L"\\" + точка.имя] = {{L"тайна.код", FILE_ATTRIBUTE_ARCHIVE, 0}};
  }
  ASSERT_TRUE(windows::удалить_дерево_через(система, корень, кПапка).has_value());

  EXPECT_EQ(система.перечисленные, (std::vector<std::wstring>{корень, корень + L"\\мат"}));
  for (const std::wstring& файл : система.удалённые_файлы) {
    EXPECT_EQ(файл.find(L"тайна"), std::wstring::npos) << windows::в_utf8(файл);
  }
  auto удалена = [](const std::vector<std::wstring>& где, const std::wstring& что) {
    return std::find(где.begin(), где.end(), что) != где.end();
  };
  // Each link goes itself: one with the folder bit as a folder, the others as files.
  for (const auto& точка : кТочкиПовторногоРазбора) {
    const bool как_папка = (точка.атрибуты & кПапка) != 0;
    EXPECT_TRUE(удалена(как_папка ? система.удалённые_папки : система.удалённые_файлы, корень + L"\\" + точка.имя))
        << windows::в_utf8(точка.имя);
  }
  EXPECT_TRUE(удалена(система.удалённые_файлы, корень + L"\\мат\\мат.код"));
  // The read-only mark comes off a real file only: on a link it would be taken off what it leads to.
  EXPECT_EQ(система.снятые, std::vector<std::wstring>{корень + L"\\мат\\pack"});
  EXPECT_EQ(система.удалённые_файлы.size(), 4u);
  ASSERT_EQ(система.удалённые_папки.size(), 5u);
  EXPECT_EQ(система.удалённые_папки.back(), корень) << "the root goes last, once it is empty";
}

TEST(ОкружениеWindows, НепарныйСуррогатНеСтановитсяТекстом) {
  SetEnvironmentVariableW(L"ТУВРА_ПРОВЕРКА", L"дом\xD800");
  const auto значение = переменная_окружения("ТУВРА_ПРОВЕРКА");
  ASSERT_TRUE(значение.has_value());
  EXPECT_EQ(значение->substr(0, 6), "дом");
  EXPECT_EQ(*значение, "дом\xED\xA0\x80") << "the unpaired surrogate is kept as bytes that are not UTF-8";
  SetEnvironmentVariableW(L"ТУВРА_ПРОВЕРКА", L"");
  EXPECT_EQ(переменная_окружения("ТУВРА_ПРОВЕРКА"), std::string());
  SetEnvironmentVariableW(L"ТУВРА_ПРОВЕРКА", nullptr);
  EXPECT_FALSE(переменная_окружения("ТУВРА_ПРОВЕРКА").has_value());
  auto временная = временная_папка();
  ASSERT_TRUE(временная.has_value());
  EXPECT_EQ(временная->find('\\'), std::string::npos) << *временная;
}

}  // namespace
}  // namespace тувра::платформа
