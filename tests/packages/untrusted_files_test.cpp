// Projects, package repositories and indexes made by someone else: links, devices, odd git
// addresses and names must not let the program read, write, delete or print anything outside
// the project, nor hang. Each case checks that what lies outside is untouched.
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <gmock/gmock.h>

#include "program_fixture.h"

namespace тувра::пакеты::испытания {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;
using ::testing::StartsWith;

constexpr const char* кТайна = "ТАЙНА-токен-31337";
constexpr const char* кСнаружи = "не трогать\nвторая строка\n";

class Чужое : public Программа {
 protected:
  void SetUp() override {
    Программа::SetUp();
    записать(снаружи_(), кСнаружи);
    дополнительное_окружение_.push_back(std::string("TUVRA_TEST_SECRET=") + кТайна);
  }

  // A file outside the project that nothing may read, change or remove.
  fs::path снаружи_() const { return корень_ / "снаружи" / "важное.txt"; }
  void снаружи_цело() const {
    EXPECT_EQ(прочитать(снаружи_()), кСнаружи);
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(снаружи_())));
  }
  fs::path пакеты_() const { return проект_ / "пакеты"; }

  // A package at tag 1.0.0 with one module file.
  Репозиторий& пакет(const std::string& имя) { return репозиторий(имя).выпуск(имя, "1.0.0"); }

  // The run must end by itself with one error line, print no secret and leave the outside alone.
  void отказ(const Вывод& в, const std::string& ошибка) {
    EXPECT_FALSE(в.истекло) << "the run hung";
    EXPECT_EQ(в.код, 1) << в.stdout_;
    EXPECT_EQ(в.stderr_, "Ошибка: " + ошибка + "\n");
    for (const std::string* поток : {&в.stdout_, &в.stderr_}) {
      EXPECT_THAT(*поток, Not(HasSubstr(кТайна)));
      EXPECT_THAT(*поток, Not(HasSubstr("не трогать")));
    }
    снаружи_цело();
  }
};

// Targets a hostile link may point at: a file elsewhere, the environment, an endless device, the terminal.
const std::vector<std::string> кЦелиСсылок = {"", "/proc/self/environ", "/dev/zero", "/dev/stdin"};

TEST_F(Чужое, ФайлыПроектаПоСсылкеНеЧитаютсяИНеПишутся) {
  if (под_эмулятором())
    GTEST_SKIP() << "Wine shows a Linux symbolic link as what it points to, never as a reparse point";
  auto& п = пакет("п");
  for (const std::string& цель : кЦелиСсылок) {
    SCOPED_TRACE("цель " + цель);
    условия_.ввод_без_конца = true;
    const fs::path куда = цель.empty() ? снаружи_() : fs::path(цель);

    fs::remove_all(проект_);
    fs::create_directories(проект_);
    fs::create_symlink(куда, проект_ / "тувра.зависимости");
    отказ(пакеты({"установить"}), "не удалось прочитать 'тувра.зависимости': символическая ссылка");
    EXPECT_FALSE(fs::exists(пакеты_()));

    // The lock file: read as broken (its text never shown), then refused for writing.
    fs::remove(проект_ / "тувра.зависимости");
    манифест("п = git " + п.адрес() + " версия=1.0.0\n");
    fs::create_symlink(куда, проект_ / "тувра.блокировка");
    const Вывод в = пакеты({"установить"});
    EXPECT_THAT(
        в.stdout_,
        StartsWith(
            "⚠️  не удалось прочитать 'тувра.блокировка' (символическая ссылка) — "));
    отказ(в, "не удалось записать 'тувра.блокировка': символическая ссылка");
    EXPECT_TRUE(fs::is_symlink(проект_ / "тувра.блокировка"));
  }
}

TEST_F(Чужое, ПапкаПакетовПоСсылкеОтвергаетсяВсемиКомандами) {
  auto& п = пакет("п");
  const fs::path чужая = корень_ / "чужая";
  записать(чужая / "п" / "п.код", "// чужой\n");
  записать(чужая / "п.код", "// чужой\n");
  fs::create_directory_symlink(чужая, пакеты_());
  манифест("п = git " + п.адрес() + "\n");

  отказ(пакеты({"установить"}), "не удалось создать папку 'пакеты/': символическая ссылка");
  отказ(пакеты({"удалить", "п", "--force"}), "не удалось удалить 'пакеты/п': папка 'пакеты' — символическая ссылка");
  отказ(пакеты({"список"}), "не удалось прочитать 'пакеты/': символическая ссылка");
  EXPECT_EQ(файлы_под(чужая), (std::vector<std::string>{"п.код", "п/п.код"}));
  EXPECT_EQ(прочитать(чужая / "п" / "п.код"), "// чужой\n");
}

TEST_F(Чужое, СобственныйМанифестПакетаПоСсылкеНеЧитается) {
  if (под_эмулятором())
    GTEST_SKIP() << "Wine shows a Linux symbolic link as what it points to, never as a reparse point";
  for (const std::string& цель : кЦелиСсылок) {
    SCOPED_TRACE("цель " + цель);
    условия_.ввод_без_конца = true;
    const std::string имя = "п" + std::to_string(цель.size());
    auto& п = репозиторий(имя).файл(имя + ".код", "// код\n");
    fs::create_symlink(цель.empty() ? снаружи_() : fs::path(цель), п.путь() / "тувра.зависимости");
    п.коммит();
    манифест(имя + " = git " + п.адрес() + "\n");
    const Вывод в = пакеты({"установить"});
    отказ(в, "не удалось прочитать 'тувра.зависимости' внутри пакета '" + имя + "': символическая ссылка");
    EXPECT_EQ(в.stdout_,
              "Устанавливаю '" + имя + "' из " + п.адрес() + "...\n  -> пакеты/" + имя + "/" + имя + ".код\n");
  }
}

TEST_F(Чужое, МетаданныеИПапкиПакетовПоСсылкеНеЧитаются) {
  if (под_эмулятором())
    GTEST_SKIP() << "Wine shows a Linux symbolic link as what it points to, never as a reparse point";
  условия_.ввод_без_конца = true;
  fs::create_directories(пакеты_() / "п");
  fs::create_symlink(снаружи_(), пакеты_() / "п" / ".метаданные");
  записать(пакеты_() / "п" / "п.код", "// п\n");
  // A folder link: listed under its name, but nothing behind it is read or shown.
  записать(корень_ / "чужая" / ".метаданные", "описание=не трогать\n");
  записать(корень_ / "чужая" / "чужой.код", "// чужой\n");
  fs::create_directory_symlink(корень_ / "чужая", пакеты_() / "ссылка");
  // A pipe where metadata belongs would block a reader that waits for a writer.
  fs::create_directories(пакеты_() / "канал");
  ASSERT_EQ(::mkfifo((пакеты_() / "канал" / ".метаданные").c_str(), 0600), 0);

  const Вывод список = пакеты({"список"});
  EXPECT_FALSE(список.истекло);
  EXPECT_EQ(список.код, 0) << список.stderr_;
  EXPECT_THAT(список.stdout_, StartsWith("Установленные пакеты (3):\n  канал\n"));
  EXPECT_THAT(список.stdout_, HasSubstr("    подключить п;\n"));
  EXPECT_THAT(список.stdout_, Not(HasSubstr("не трогать")));
  EXPECT_THAT(список.stdout_, Not(HasSubstr("чужой")));

  // Unreadable metadata names no requesters; the folder and only the link go.
  for (const std::string имя : {"канал", "п", "ссылка"}) {
    const Вывод в = пакеты({"удалить", имя});
    EXPECT_FALSE(в.истекло) << имя;
    EXPECT_EQ(в.код, 0) << в.stderr_;
    EXPECT_EQ(в.stdout_, "Удалено: пакеты/" + имя + "\n");
  }
  EXPECT_EQ(файлы_под(корень_ / "чужая"), (std::vector<std::string>{".метаданные", "чужой.код"}));
  снаружи_цело();
}

TEST_F(Чужое, СтараяПапкаМетаданныхПоСсылкеНеУдаляетсяСнаружи) {
  if (под_эмулятором())
    GTEST_SKIP() << "Wine shows a Linux symbolic link as what it points to, never as a reparse point";
  записать(пакеты_() / "п.код", "// п\n");
  записать(корень_ / "чужая" / "п.метаданные", "имя=п\n");
  fs::create_directory_symlink(корень_ / "чужая", пакеты_() / ".метаданные");
  const Вывод в = пакеты({"удалить", "п"});
  EXPECT_EQ(в.stdout_, "Удалено: пакеты/п.код\n");
  отказ(в, "не удалось удалить метаданные 'пакеты/.метаданные/п.метаданные': символическая ссылка");
  EXPECT_EQ(прочитать(корень_ / "чужая" / "п.метаданные"), "имя=п\n");
}

TEST_F(Чужое, ТекстовыеФайлыЧитаютсяДо16МиБ) {
  const std::size_t предел = 16u * 1024u * 1024u;
  std::string комментарии(предел, '#');
  комментарии[предел - 1] = '\n';
  манифест(комментарии);
  const Вывод ровно = пакеты({"установить"});
  EXPECT_EQ(ровно.код, 0) << ровно.stderr_;
  EXPECT_EQ(ровно.stdout_, "Файл 'тувра.зависимости' не содержит ни одной зависимости.\n");

  манифест(комментарии + "#");
  отказ(пакеты({"установить"}), "не удалось прочитать 'тувра.зависимости': файл больше 16 МиБ");
}

// The disk fills while the lock file is written: the old one stays as it was, byte for byte.
TEST_F(Чужое, НеудачнаяЗаписьБлокировкиОставляетПрежнюю) {
  if (под_эмулятором())
    GTEST_SKIP() << "the file size limit would stop Wine itself, and Windows files have no permission bits";
  auto& п = пакет("п");
  п.выпуск("п", "1.1.0");
  манифест("п = git " + п.адрес() + " версия=^1.0.0\n");
  const std::string прежняя = "# прежняя блокировка\nп = git " + п.адрес() + " версия=1.0.0\n";
  записать(проект_ / "тувра.блокировка", прежняя);
  const fs::path шаблоны = корень_ / "шаблоны";
  fs::create_directories(шаблоны);
  дополнительное_окружение_.push_back("GIT_TEMPLATE_DIR=" + шаблоны.string());
  // Enough for the package's files and the clone, not for the 894-byte header and a line.
  условия_.предел_файла = 900;

  const Вывод в = пакеты({"установить", "--обновить-блокировку"});
  EXPECT_THAT(в.stdout_, HasSubstr("  -> пакеты/п/п.код\n"));
  отказ(в, "не удалось записать 'тувра.блокировка': " + std::string(std::strerror(EFBIG)));
  EXPECT_EQ(блокировка(), прежняя);
  // No half-written file is left beside it.
  std::vector<std::string> в_проекте;
  for (const auto& запись : fs::directory_iterator(проект_)) в_проекте.push_back(запись.path().filename().string());
  std::sort(в_проекте.begin(), в_проекте.end());
  EXPECT_EQ(в_проекте, (std::vector<std::string>{"пакеты", "тувра.блокировка", "тувра.зависимости"}));

  // With room on the disk the same run replaces it and keeps its permission bits.
  ::chmod((проект_ / "тувра.блокировка").c_str(), 0640);
  условия_.предел_файла = 0;
  const Вывод снова = пакеты({"установить", "--обновить-блокировку"});
  EXPECT_EQ(снова.код, 0) << снова.stderr_;
  EXPECT_EQ(строки_блокировки(), "п = git " + п.адрес() + " версия=1.1.0\n");
  EXPECT_EQ(fs::status(проект_ / "тувра.блокировка").permissions() & fs::perms::mask,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

// The disk fills while a package's metadata is written, or while the requester line of a package
// with a long name is added to it: the install stops and names the package; the old text stays.
TEST_F(Чужое, НеудачнаяЗаписьМетаданных) {
  if (под_эмулятором()) GTEST_SKIP() << "the file size limit would stop Wine itself";
  auto& п = пакет("п");
  const fs::path шаблоны = корень_ / "шаблоны";
  fs::create_directories(шаблоны);
  дополнительное_окружение_.push_back("GIT_TEMPLATE_DIR=" + шаблоны.string());
  условия_.предел_файла = 900;
  const std::string слишком(1000, 'x');
  манифест("п = git " + п.адрес() + " описание=\"" + слишком + "\"\n");
  Вывод в = пакеты({"установить"});
  отказ(в, "не удалось записать метаданные для 'п': " + std::string(std::strerror(EFBIG)));
  EXPECT_THAT(в.stdout_, HasSubstr("  -> пакеты/п/п.код\n"));
  EXPECT_FALSE(fs::exists(пакеты_() / "п" / ".метаданные"));

  const std::string длинное(200, 'q');
  auto& требующий = репозиторий(длинное).файл("q.код", "").файл("тувра.зависимости", "п = git " + п.адрес() + "\n");
  требующий.коммит();
  const std::string впритык(700, 'x');
  манифест("п = git " + п.адрес() + " описание=\"" + впритык + "\"\n" + длинное + " = git " + требующий.адрес() + "\n");
  в = пакеты({"установить"});
  отказ(в, "не удалось обновить метаданные 'п': " + std::string(std::strerror(EFBIG)));
  EXPECT_EQ(метаданные("п"), "имя=п\nисточник=" + п.адрес() + "\nописание=" + впритык + "\n");
}

// A temporary folder that is not there, or one in which no folder can be made: the install stops
// before git runs, with the reason.
TEST_F(Чужое, ВременнаяПапкаНедоступна) {
  if (под_эмулятором())
    GTEST_SKIP() << "a Windows program takes its temporary folder from TMP and TEMP, not from TMPDIR";
  auto& п = пакет("п");
  манифест("п = git " + п.адрес() + "\n");
  дополнительное_окружение_.push_back("TMPDIR=" + (корень_ / "нет").string());
  Вывод в = пакеты({"установить"});
  отказ(в, "не удалось найти системную временную папку: No such file or directory");

  дополнительное_окружение_.back() = "TMPDIR=/proc";
  в = пакеты({"установить"});
  EXPECT_EQ(в.код, 1);
  EXPECT_THAT(в.stderr_, StartsWith("Ошибка: не удалось создать временную папку '/proc/тувра_пакет_"));
  EXPECT_THAT(в.stderr_, ::testing::EndsWith("': No such file or directory\n"));
  EXPECT_FALSE(fs::exists(пакеты_() / "п"));
}

TEST_F(Чужое, ОпасныеТранспортыGitЗакрыты) {
  условия_.ввод_без_конца = true;
  // The user's own git settings open "ext::", which runs a command; a manifest must not use that.
  const fs::path метка = корень_ / "метка";
  const fs::path сценарий = корень_ / "сценарий.sh";
  записать(сценарий, "#!/bin/sh\ntouch '" + метка.string() + "'\n");
  fs::permissions(сценарий, fs::perms::owner_all);
  for (const char* настройка : {"GIT_CONFIG_COUNT=1", "GIT_CONFIG_KEY_0=protocol.ext.allow",
                                "GIT_CONFIG_VALUE_0=always", "GIT_ALLOW_PROTOCOL=ext:fd:file"}) {
    дополнительное_окружение_.push_back(настройка);
  }
  const std::string ext = "ext::" + сценарий.string();
  struct Случай {
    std::string строка;
    std::string начало_ошибки;
    std::string транспорт;
  };
  const std::vector<Случай> случаи = {
      {"п = git fd::0\n", "git clone не удался для 'п': ", "fd"},
      {"п = git fd::0 версия=^1.0.0\n", "git ls-remote не удался для 'fd::0': ", "fd"},
      {"п = git " + ext + "\n", "git clone не удался для 'п': ", "ext"},
      {"п = git " + ext + " версия=~1.0.0\n", "git ls-remote не удался для '" + ext + "': ", "ext"},
  };
  for (const Случай& с : случаи) {
    манифест(с.строка);
    const Вывод в = пакеты({"установить"});
    EXPECT_FALSE(в.истекло) << с.строка;
    EXPECT_EQ(в.код, 1) << с.строка;
    EXPECT_THAT(в.stderr_, StartsWith("Ошибка: " + с.начало_ошибки)) << с.строка;
    EXPECT_THAT(в.stderr_, HasSubstr("transport '" + с.транспорт + "' not allowed")) << с.строка;
    EXPECT_FALSE(fs::exists(метка)) << с.строка;
  }
}

// A user's own, narrower list of transports is kept; only the ones outside ours are dropped.
TEST_F(Чужое, СвойСписокТранспортовПользователяСужаетНаш) {
  auto& п = пакет("п");
  манифест("п = git " + п.адрес() + "\n");
  дополнительное_окружение_.push_back("GIT_ALLOW_PROTOCOL=https:ext");
  const Вывод узко = пакеты({"установить"});
  EXPECT_EQ(узко.код, 1);
  EXPECT_THAT(узко.stderr_, StartsWith("Ошибка: git clone не удался для 'п': "));
  EXPECT_THAT(узко.stderr_, HasSubstr("transport 'file' not allowed"));

  дополнительное_окружение_.back() = "GIT_ALLOW_PROTOCOL=ssh:file";
  const Вывод шире = пакеты({"установить"});
  EXPECT_EQ(шире.код, 0) << шире.stderr_;
}

TEST_F(Чужое, ВременнаяПапкаСМинусаНеСтановитсяПараметромGit) {
  auto& п = пакет("п");
  fs::create_directories(проект_ / "-врем");
  дополнительное_окружение_.push_back("TMPDIR=-врем");
  манифест("п = git " + п.адрес() + " версия=^1.0.0\n");
  const Вывод в = пакеты({"установить"});
  EXPECT_EQ(в.код, 0) << в.stderr_;
  EXPECT_EQ(прочитать(пакеты_() / "п" / "п.код"), "// 1.0.0\n");
}

// Names that would break the metadata, the older layout, the terminal or a Windows checkout.
TEST_F(Чужое, ИменаЛомающиеФорматыОтвергаются) {
  auto& п = пакет("п");
  записать(пакеты_() / ".метаданные" / "старый.метаданные", "имя=старый\n");
  const std::vector<std::pair<std::string, std::string>> случаи = {
      {"a,b", "имя содержит ','"},
      {".метаданные", "служебная папка"},
      {"CON", "зарезервировано в Windows"},
      {"lpt1.код", "зарезервировано в Windows"},
      {"CONIN$", "зарезервировано в Windows"},
      {"conout$.x", "зарезервировано в Windows"},
      {"имя.", "оканчивается точкой или пробелом"},
      {"\x1b]0;заголовок\x07", "управляющий символ"},
      {std::string("a\0b", 3), "нулевой байт"},
  };
  for (const auto& [имя, причина] : случаи) {
    манифест(имя + " = git " + п.адрес() + "\n");
    const Вывод в = пакеты({"установить"});
    EXPECT_EQ(в.код, 1) << имя;
    EXPECT_EQ(в.stdout_, "") << имя;
    EXPECT_THAT(в.stderr_, StartsWith("Ошибка: недопустимое имя пакета '")) << имя;
    EXPECT_THAT(в.stderr_, HasSubstr(причина)) << имя;
    EXPECT_THAT(в.stderr_, Not(HasSubstr("\x1b"))) << имя;
  }
  EXPECT_EQ(файлы_под(пакеты_()), std::vector<std::string>{".метаданные/старый.метаданные"});
}

// A package named "a,b" would write a requester line that reads back as the two names a and b.
TEST_F(Чужое, ИмяСЗапятойИзПакетаНеПодделываетТребующих) {
  auto& зависимость = пакет("з");
  auto& хитрый = репозиторий("хитрый")
                     .файл("хитрый.код", "// х\n")
                     .файл("тувра.зависимости", "a,b = git " + зависимость.адрес() + "\n")
                     .коммит();
  манифест("хитрый = git " + хитрый.адрес() + "\n");
  const Вывод в = пакеты({"установить"});
  EXPECT_EQ(в.код, 1);
  EXPECT_THAT(в.stderr_, StartsWith("Ошибка: недопустимое имя пакета 'a,b': имя содержит ','"));
  EXPECT_FALSE(fs::exists(пакеты_() / "a,b"));
}

TEST_F(Чужое, УправляющиеСимволыНеДоходятДоТерминала) {
  const std::string адрес =
      "/нет/\x1b[2J\xc2\x9b"
      "1;1H/\x07п";
  манифест("п = git " + адрес + " версия=\x1b]0;x\n");
  const Вывод в = пакеты({"установить"});
  EXPECT_EQ(в.код, 1);
  EXPECT_THAT(в.stdout_, StartsWith("Устанавливаю 'п' из /нет/\xEF\xBF\xBD[2J\xEF\xBF\xBD"
                                    "1;1H/\xEF\xBF\xBDп...\n"));

  // Metadata shown by the list: the line feed stays, nothing else below U+0020 does.
  записать(пакеты_() / "м" / ".метаданные", "имя=м\nописание=цвет\x1b[31mкрасный\r\tконец\n");
  const Вывод список = пакеты({"список"});
  EXPECT_EQ(список.код, 0);
  EXPECT_THAT(список.stdout_, HasSubstr("    описание: цвет\xEF\xBF\xBD[31mкрасный\xEF\xBF\xBD\xEF\xBF\xBDконец\n"));
  for (const Вывод* вывод : {&в, &список}) {
    for (const std::string* поток : {&вывод->stdout_, &вывод->stderr_}) {
      EXPECT_THAT(*поток, Not(HasSubstr("\x1b")));
      EXPECT_THAT(*поток, Not(HasSubstr("\x07")));
      EXPECT_THAT(*поток, Not(HasSubstr("\xc2\x9b")));
    }
  }
}

TEST_F(Чужое, ТребованиеЗаПределомЧиселКончаетсяОшибкой) {
  const std::string макс = "18446744073709551615";
  auto& п = репозиторий("п").выпуск("п", макс + ".0.0").выпуск("п", макс + ".1.0").выпуск("п", "1.2." + макс);
  const std::vector<std::pair<std::string, std::string>> случаи = {
      {"^" + макс + ".0.0", ">=" + макс + ".0.0, <" + макс + ".0.0"},
      {"~" + макс + "." + макс + ".0", ">=" + макс + "." + макс + ".0, <" + макс + "." + макс + ".0"},
      {"1.2." + макс, ">=1.2." + макс + ", <1.2." + макс},
  };
  for (const auto& [требование, интервал] : случаи) {
    манифест("п = git " + п.адрес() + " версия=" + требование + "\n");
    const Вывод в = пакеты({"установить"});
    EXPECT_EQ(в.код, 1) << требование;
    EXPECT_EQ(в.stdout_, "") << требование;
    EXPECT_EQ(в.stderr_, "Ошибка: не найден ни один git-тег в '" + п.адрес() +
                             "', удовлетворяющий требованию версии '" + требование + "' (интервал " + интервал +
                             ") — проверь, что у пакета вообще есть теги в формате semver ('X.Y.Z' или 'vX.Y.Z')\n");
    EXPECT_FALSE(fs::exists(пакеты_() / "п")) << требование;
  }
}

}  // namespace
}  // namespace тувра::пакеты::испытания
