// Two runs in one project: the second waits a little, then gives up without touching anything;
// what a killed run left half-written is cleared by the next one.
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <thread>

#include <gmock/gmock.h>

#include "program_fixture.h"

namespace тувра::пакеты::испытания {
namespace {

using ::testing::HasSubstr;

constexpr const char* кЗанято =
    "Ошибка: в этом проекте уже работает другой запуск тувра_пакеты — дождись, пока он закончится, и повтори "
    "команду\n";

class ОдинЗапуск : public Программа {
 protected:
  // Holds the project's lock as another run would.
  int занять() {
    const int fd = ::open(проект_.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    EXPECT_GE(fd, 0);
    EXPECT_EQ(::flock(fd, LOCK_EX), 0);
    return fd;
  }
};

TEST_F(ОдинЗапуск, ВторойЗапускЖдётИОтказывается) {
  if (под_эмулятором())
    GTEST_SKIP() << "Wine's LockFileEx takes a POSIX record lock, which a Linux flock held by the test does not meet";
  auto& п = репозиторий("п").выпуск("п", "1.0.0");
  const std::string строка = "п = git " + п.адрес() + " версия=^1.0.0\n";
  манифест(строка);
  записать(проект_ / "пакеты/старый/старый.код", "// старый\n");
  const int замок = занять();
  for (const std::vector<std::string>& команда :
       std::vector<std::vector<std::string>>{{"установить"}, {"удалить", "старый"}, {"добавить", "п"}}) {
    const Вывод в = пакеты(команда);
    EXPECT_FALSE(в.истекло) << команда[0];
    EXPECT_EQ(в.код, 1) << команда[0];
    EXPECT_EQ(в.stdout_, "") << команда[0];
    EXPECT_EQ(в.stderr_, кЗанято) << команда[0];
  }
  EXPECT_EQ(файлы_под(проект_ / "пакеты"), std::vector<std::string>{"старый/старый.код"});
  EXPECT_EQ(прочитать(проект_ / "тувра.зависимости"), строка);
  EXPECT_FALSE(fs::exists(проект_ / "тувра.блокировка"));

  // Commands that change nothing do not wait.
  const Вывод список = пакеты({"список"});
  EXPECT_EQ(список.код, 0) << список.stderr_;

  // Released while the second run waits: it goes on.
  std::thread отпустить([замок] {
    std::this_thread::sleep_for(std::chrono::seconds(1));
    ::close(замок);
  });
  const Вывод в = пакеты({"установить"});
  отпустить.join();
  EXPECT_EQ(в.код, 0) << в.stderr_;
  EXPECT_EQ(файлы_под(проект_ / "пакеты"), (std::vector<std::string>{"п/.метаданные", "п/п.код", "старый/старый.код"}));
}

// The lock leaves no file of its own: not where there is no project (a command typed in the wrong
// folder), not in a project. The file earlier versions locked goes; only a regular file was theirs.
TEST_F(ОдинЗапуск, ЗамокНеОставляетФайлов) {
  const fs::path старый = проект_ / ".тувра_пакеты.замок";
  for (const std::vector<std::string>& команда :
       std::vector<std::vector<std::string>>{{"установить"}, {"удалить", "х"}, {"добавить", "х"}}) {
    const Вывод в = пакеты(команда);
    EXPECT_EQ(в.код, 1) << команда[0];
    EXPECT_TRUE(fs::is_empty(проект_)) << команда[0];
  }

  auto& п = репозиторий("п").выпуск("п", "1.0.0");
  манифест("п = git " + п.адрес() + " версия=^1.0.0\n");
  записать(старый, "");
  ASSERT_EQ(пакеты({"установить"}).код, 0);
  std::vector<std::string> в_проекте;
  for (const auto& запись : fs::directory_iterator(проект_)) в_проекте.push_back(запись.path().filename().string());
  std::sort(в_проекте.begin(), в_проекте.end());
  EXPECT_EQ(в_проекте, (std::vector<std::string>{"пакеты", "тувра.блокировка", "тувра.зависимости"}));

  // A folder or a link of that name is the user's.
  fs::create_directory(старый);
  записать(старый / "внутри", "своё");
  ASSERT_EQ(пакеты({"удалить", "п"}).код, 0);
  EXPECT_EQ(прочитать(старый / "внутри"), "своё");
  fs::remove_all(старый);
  fs::create_symlink(корень_ / "цель", старый);
  ASSERT_EQ(пакеты({"установить"}).код, 0);
  EXPECT_TRUE(fs::is_symlink(старый));
}

// Two installs started together: each finds the tree whole, neither reports success over a
// half-copied package. The second waits for the first a few seconds only, so on a slow
// machine (Wine) it may give up with the busy message instead, and touch nothing.
TEST_F(ОдинЗапуск, ОдновременныеУстановкиИдутПоОчереди) {
  std::string строки;
  for (int i = 0; i < 4; ++i) {
    const std::string имя = "п" + std::to_string(i);
    репозиторий(имя).файл(имя + "_доп.код", "// доп\n").выпуск(имя, "1.0.0");
    строки += имя + " = git " + репозиторий(имя).адрес() + " версия=^1.0.0\n";
  }
  манифест(строки);
  for (int раз = 0; раз < 3; ++раз) {
    Вывод первый, второй;
    std::thread параллельно([&] { первый = пакеты({"установить"}); });
    второй = пакеты({"установить"});
    параллельно.join();
    int успешных = 0;
    for (const Вывод* в : {&первый, &второй}) {
      if (в->код == 1 && в->stderr_ == кЗанято) {
        EXPECT_EQ(в->stdout_, "");
        continue;
      }
      EXPECT_EQ(в->код, 0) << в->stderr_;
      EXPECT_THAT(в->stdout_, HasSubstr("Готово: установлено пакетов — 4"));
      ++успешных;
    }
    EXPECT_GE(успешных, 1);
    EXPECT_EQ(файлы_под(проект_ / "пакеты").size(), 12u);
  }
}

TEST_F(ОдинЗапуск, БрошенныеЧерновикиУбираетСледующийЗапуск) {
  auto& п = репозиторий("п").выпуск("п", "1.0.0");
  манифест("п = git " + п.адрес() + " версия=1.0.0\n");
  const std::vector<std::string> черновики = {".тувра.блокировка.новый.4242.0", ".тувра.зависимости.новый.17.3",
                                              "пакеты/к/..метаданные.новый.99.12"};
  // Names that only look alike, and a folder named like a draft, are not the program's.
  const std::vector<std::string> чужие = {".тувра.блокировка.новый.x.0", ".тувра.блокировка.новый.1",
                                          "заметки.новый.1.0",           "пакеты/к/к.код",
                                          "пакеты/к/.метаданные",        ".тувра.зависимости.новый.2.2/внутри"};
  for (const std::vector<std::string>& команда :
       std::vector<std::vector<std::string>>{{"установить"}, {"удалить", "п"}, {"добавить", "нет"}}) {
    for (const std::string& имя : черновики) записать(проект_ / имя, "недописано");
    for (const std::string& имя : чужие) записать(проект_ / имя, "своё");
    пакеты(команда);
    for (const std::string& имя : черновики) EXPECT_FALSE(fs::exists(проект_ / имя)) << команда[0] << " " << имя;
    for (const std::string& имя : чужие) EXPECT_EQ(прочитать(проект_ / имя), "своё") << команда[0] << " " << имя;
  }
}

}  // namespace
}  // namespace тувра::пакеты::испытания
