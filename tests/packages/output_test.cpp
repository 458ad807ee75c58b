// What reaches the terminal: output that could not be written is a failure, names from other
// people's repositories cannot add lines or hide what they are, and a linked package folder is
// named, not shown.
#include <gmock/gmock.h>

#include <map>

#include "program_fixture.h"
#include "text.h"

namespace тувра::пакеты::испытания {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;
using ::testing::StartsWith;
using ::testing::UnorderedElementsAreArray;

constexpr const char* кВыводПотерян =
    "Ошибка: не удалось записать в стандартный вывод — часть сообщений команды потеряна\n";

using Терминал = Программа;

TEST_F(Терминал, ПотерянныйВыводНеСчитаетсяУспехом) {
  auto& п = репозиторий("п").выпуск("п", "1.0.0");
  манифест("п = git " + п.адрес() + " версия=^1.0.0\n");
  условия_.вывод_в = "/dev/full";
  for (const std::vector<std::string>& команда :
       std::vector<std::vector<std::string>>{{}, {"установить"}, {"список"}, {"помощь"}}) {
    const Вывод в = пакеты(команда);
    const std::string что = команда.empty() ? "(без аргументов)" : команда[0];
    EXPECT_EQ(в.код, 1) << что;
    EXPECT_EQ(в.stderr_, кВыводПотерян) << что;
  }
  // The install itself was done; only its messages are gone.
  EXPECT_EQ(прочитать(проект_ / "пакеты/п/п.код"), "// 1.0.0\n");

  // A failed command says why, once.
  fs::remove(проект_ / "тувра.зависимости");
  const Вывод ошибка = пакеты({"установить"});
  EXPECT_EQ(ошибка.код, 1);
  EXPECT_THAT(ошибка.stderr_, StartsWith("Ошибка: файл 'тувра.зависимости' не найден"));
  EXPECT_EQ(разбить_на_строки(ошибка.stderr_).size(), 1u);

  // Nowhere to say it: the exit code alone tells.
  условия_.вывод_в.clear();
  условия_.ошибки_в = "/dev/full";
  EXPECT_EQ(пакеты({"установить"}).код, 1);
}

// Every file below a folder with its bytes.
std::map<std::string, std::string> снимок(const fs::path& папка) {
  std::map<std::string, std::string> файлы;
  for (const std::string& файл : файлы_под(папка)) файлы[файл] = прочитать(папка / файл);
  return файлы;
}

// Started without standard streams, the program puts nothing meant for them into a pipe or file
// it opens, and the output it could not give counts as lost, as on a full device.
TEST_F(Терминал, ЗакрытыеПотокиКакПолноеУстройство) {
  auto& п = репозиторий("п").выпуск("п", "1.0.0");
  записать(дом_ / ".тувра/индекс/каталог.пакеты", "п = git " + п.адрес() + " описание=\"пакет\"\n");
  // One package installs, the next one fails.
  const std::string текст = "п = git " + п.адрес() + " версия=^1.0.0\nнет = git " + (корень_ / "нет").string() + "\n";
  Условия полное;
  полное.вывод_в = полное.ошибки_в = "/dev/full";
  Условия закрытые;
  закрытые.потоки_закрыты = true;
  for (const std::vector<std::string>& команда :
       std::vector<std::vector<std::string>>{{}, {"установить"}, {"искать", "п"}}) {
    const std::string что = команда.empty() ? "(без аргументов)" : команда[0];
    const auto прогон = [&](const Условия& условия) {
      fs::remove_all(проект_);
      fs::create_directories(проект_);
      манифест(текст);
      условия_ = условия;
      const int код = пакеты(команда).код;
      return std::pair{код, снимок(проект_)};
    };
    auto [код_обычного, обычный] = прогон({});
    const auto [код_полного, полный] = прогон(полное);
    const auto [код_закрытого, закрытый] = прогон(закрытые);
    EXPECT_EQ(код_полного, 1) << что;
    EXPECT_EQ(код_закрытого, код_полного) << что;
    EXPECT_EQ(закрытый, обычный) << что;
    EXPECT_EQ(полный, обычный) << что;
    if (что == "установить") {
      EXPECT_EQ(обычный["пакеты/п/п.код"], "// 1.0.0\n");
    }
  }
}

TEST_F(Терминал, ИменаФайловИПакетовНеДобавляютСтрок) {
  if (под_эмулятором())
    GTEST_SKIP()
        << "Windows file names cannot hold control characters, and Wine does not show such Linux names as they are";
  auto& п = репозиторий("п")
                .файл("a\nГотово: подделка.код", "")
                .файл(
                    "b\x9b"
                    "c.код",
                    "")
                .файл("d\u202Ee\u200B.код", "")
                .файл("п.код", "");
  п.коммит().тег("1.0.0");
  манифест("п = git " + п.адрес() + " версия=1.0.0\n");
  const Вывод в = пакеты({"установить"});
  ASSERT_EQ(в.код, 0) << в.stderr_;
  EXPECT_TRUE(это_utf8(в.stdout_));
  const std::vector<std::string_view> вывод = разбить_на_строки(в.stdout_);
  ASSERT_EQ(вывод.size(), 7u) << в.stdout_;
  EXPECT_THAT(std::vector<std::string_view>(вывод.begin() + 1, вывод.begin() + 5),
              UnorderedElementsAreArray({"  -> пакеты/п/a\uFFFDГотово: подделка.код", "  -> пакеты/п/b\uFFFDc.код",
                                         "  -> пакеты/п/d\uFFFDe\uFFFD.код", "  -> пакеты/п/п.код"}));
  // The files themselves keep their names.
  EXPECT_TRUE(fs::exists(проект_ / "пакеты/п/a\nГотово: подделка.код"));

  записать(проект_ / "пакеты/к\nГотово: ложь/к.код", "");
  const Вывод список = пакеты({"список"});
  ASSERT_EQ(список.код, 0) << список.stderr_;
  EXPECT_TRUE(это_utf8(список.stdout_));
  EXPECT_THAT(список.stdout_, HasSubstr("\n  к\uFFFDГотово: ложь\n    расположение: "));
  EXPECT_THAT(список.stdout_, HasSubstr("    подключить п.a\uFFFDГотово: подделка;\n    подключить п.b\uFFFDc;\n"
                                        "    подключить п.d\uFFFDe\uFFFD;\n    подключить п;\n"));
  for (std::string_view строка : разбить_на_строки(список.stdout_)) EXPECT_THAT(строка, Not(StartsWith("Готово")));

  // A package name that would show other than it is never becomes a folder.
  for (const std::string имя : {"п\u202Eкод", "п\u200B", "\uFEFFп", "п\u2066x\u2069", "п\u200F"}) {
    манифест(имя + " = git " + п.адрес() + "\n");
    const Вывод отказ = пакеты({"установить"});
    EXPECT_EQ(отказ.код, 1) << имя;
    EXPECT_EQ(отказ.stdout_, "") << имя;
    EXPECT_EQ(отказ.stderr_,
              "Ошибка: недопустимое имя пакета '" + имя_для_терминала(имя) +
                  "': имя содержит невидимый символ или символ смены направления текста (U+200B–U+200F, "
                  "U+202A–U+202E, U+2066–U+2069, U+FEFF) — на экране оно выглядело бы не тем, что есть\n");
    EXPECT_FALSE(fs::exists(проект_ / "пакеты" / имя)) << имя;
  }
}

TEST_F(Терминал, СписокНеЗаходитПоСсылкеНаПапку) {
  const fs::path чужая = корень_ / "чужая";
  записать(чужая / ".метаданные", "описание=чужое описание\n");
  записать(чужая / "м.код", "// чужой\n");
  записать(проект_ / "пакеты/а/а.код", "");
  fs::create_directory_symlink(чужая, проект_ / "пакеты" / "ссылка");
  const Вывод в = пакеты({"список"});
  ASSERT_EQ(в.код, 0) << в.stderr_;
  EXPECT_THAT(в.stdout_, StartsWith("Установленные пакеты (2):\n  а\n"));
  EXPECT_THAT(в.stdout_, testing::EndsWith("  ссылка\n    символическая ссылка — не открываю\n\n"));
  EXPECT_THAT(в.stdout_, Not(HasSubstr(чужая.string())));
  EXPECT_THAT(в.stdout_, Not(HasSubstr("чужое")));
  EXPECT_THAT(в.stdout_, Not(HasSubstr("подключить ссылка")));
}

}  // namespace
}  // namespace тувра::пакеты::испытания
