// Ctrl-C, a terminal's hang-up or a plain kill while git works: the run ends the git it started
// with everything below it, removes its clone folder and stops with the signal's status, leaving
// the project as a run stopped at that moment leaves it.
#include <fcntl.h>
#include <linux/fs.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <thread>

#include <gmock/gmock.h>

#include "program_fixture.h"

namespace тувра::пакеты::испытания {
namespace {

using namespace std::chrono_literals;

// The fields of /proc/<номер>/stat after the command name: the state, then the parent.
std::string сведения(pid_t номер) {
  const std::string текст = прочитать("/proc/" + std::to_string(номер) + "/stat");
  const std::size_t скобка = текст.rfind(')');
  return скобка == std::string::npos ? std::string() : текст.substr(скобка + 2);
}

// Gone, or a zombie nobody has reaped yet.
bool жив(pid_t номер) {
  const std::string поля = сведения(номер);
  return !поля.empty() && поля[0] != 'Z';
}

pid_t родитель(pid_t номер) {
  const std::string поля = сведения(номер);
  return поля.size() > 2 ? std::atoi(поля.c_str() + 2) : 0;
}

// The process of this test's run whose program is `программа`: the Windows program runs as a
// process that Wine starts apart from the launcher's tree, but in the process group that the
// run made for itself.
pid_t программа_запуска(const std::string& программа) {
  const auto группа = [](pid_t номер) {
    std::istringstream поля(сведения(номер));
    std::string состояние;
    pid_t родитель = 0, группа = 0;
    поля >> состояние >> родитель >> группа;
    return группа;
  };
  for (const auto& запись : fs::directory_iterator("/proc")) {
    const std::string имя = запись.path().filename().string();
    if (имя.find_first_not_of("0123456789") != std::string::npos) continue;
    const std::string строка = прочитать(запись.path() / "cmdline");
    if (строка.substr(0, строка.find('\0')) != программа) continue;
    if (родитель(группа(std::stoi(имя))) == ::getpid()) return std::stoi(имя);
  }
  return 0;
}

pid_t номер_из(const fs::path& файл) {
  for (int i = 0; i < 3000; ++i) {
    const std::string текст = прочитать(файл);
    if (!текст.empty() && текст.back() == '\n') return std::stoi(текст);
    std::this_thread::sleep_for(10ms);
  }
  return 0;
}

class Прерывание : public Программа {
 protected:
  // A git that starts a child, leaves half a clone and never ends; with `глухой` it ignores
  // SIGTERM, and so does its child.
  void медленный_git(bool глухой) {
    const fs::path папка = корень_ / "медленный";
    записать(папка / "git", "#!/bin/sh\n" + std::string(глухой ? "trap '' TERM\n" : "") +
                                "for last in \"$@\"; do :; done\n"
                                "mkdir -p \"$last/.git\" && echo '// часть' > \"$last/п.код\"\n"
                                "sleep 600 &\n"
                                "echo $! > '" +
                                (корень_ / "потомок").string() +
                                "'\n"
                                "echo $$ > '" +
                                (корень_ / "git").string() +
                                "'\n"
                                "echo $PPID > '" +
                                (корень_ / "программа").string() +
                                "'\n"
                                "wait\n");
    fs::permissions(папка / "git", fs::perms::owner_all);
    путь_поиска_ = папка.string() + ":" + путь_поиска_;
  }
};

// Under Wine the signal is Ctrl-C to the Windows program, which exits with STATUS_CONTROL_C_EXIT (Wine
// keeps its low byte); the Linux git behind the bridge git.exe is beyond the reach of its job.
TEST_F(Прерывание, СигналОстанавливаетGitИУбираетКлон) {
  struct Случай {
    int сигнал;
    bool глухой;
  };
  for (const Случай& с : {Случай{SIGINT, true}, Случай{SIGTERM, false}, Случай{SIGHUP, false}}) {
    if (под_эмулятором() && с.сигнал != SIGINT) continue;
    SCOPED_TRACE(::strsignal(с.сигнал));
    const std::string путь_поиска = путь_поиска_;
    медленный_git(с.глухой);
    манифест("п = git https://example.com/п версия=1.0.0\n");
    записать(проект_ / "тувра.блокировка", "# прежняя\n");
    записать(проект_ / "пакеты/старый/старый.код", "// старый\n");
    const std::vector<std::string> было = файлы_под(проект_);
    for (const char* файл : {"потомок", "git", "программа"}) fs::remove(корень_ / файл);

    Вывод в;
    std::thread запуск([&] { в = пакеты({"установить"}); });
    pid_t программа = номер_из(корень_ / "программа");
    const pid_t git = номер_из(корень_ / "git");
    const pid_t потомок = номер_из(корень_ / "потомок");
    if (под_эмулятором()) программа = программа_запуска(std::getenv("TUVRA_PACKAGES_PROGRAM"));
    ASSERT_NE(программа, 0);
    const auto клоны = [&] {
      std::vector<std::string> найдено;
      for (const auto& запись : fs::directory_iterator(временная_)) {
        if (запись.path().filename().string().starts_with("тувра_пакет_")) найдено.push_back(запись.path().string());
      }
      return найдено;
    };
    ASSERT_EQ(клоны().size(), 1u);
    EXPECT_TRUE(fs::exists(fs::path(клоны()[0]) / "п.код"));
    ::kill(программа, с.сигнал);
    запуск.join();

    EXPECT_FALSE(в.истекло);
    EXPECT_EQ(в.код, под_эмулятором() ? 0x3A : 128 + с.сигнал) << в.stderr_;
    EXPECT_EQ(в.stdout_, "Устанавливаю 'п' из https://example.com/п...\n");
    EXPECT_EQ(в.stderr_, "");
    if (под_эмулятором()) {
      ::kill(git, SIGKILL);
      ::kill(потомок, SIGKILL);
    }
    for (int i = 0; i < 100 && (жив(git) || жив(потомок)); ++i) std::this_thread::sleep_for(10ms);
    EXPECT_FALSE(жив(git));
    EXPECT_FALSE(жив(потомок));
    EXPECT_TRUE(клоны().empty());
    EXPECT_EQ(файлы_под(проект_), было);
    EXPECT_EQ(прочитать(проект_ / "тувра.блокировка"), "# прежняя\n");
    путь_поиска_ = путь_поиска;
  }
}

// A run that waits for another's lock stops at once, and touches nothing.
TEST_F(Прерывание, СигналВоВремяОжиданияЗамка) {
  if (под_эмулятором()) GTEST_SKIP() << "Wine's Ctrl-C reaches the program through its console, not this signal";
  медленный_git(false);
  манифест("п = git https://example.com/п версия=1.0.0\n");
  std::thread первый([&] { пакеты({"установить"}); });
  const pid_t занявший = номер_из(корень_ / "программа");
  ASSERT_NE(занявший, 0);
  fs::remove(корень_ / "программа");

  Вывод в;
  const auto начало = std::chrono::steady_clock::now();
  std::thread второй([&] { в = пакеты({"установить"}); });
  // The second run is the other child of this process that runs the program.
  std::this_thread::sleep_for(500ms);
  for (const auto& запись : fs::directory_iterator("/proc")) {
    const std::string имя = запись.path().filename().string();
    if (имя.find_first_not_of("0123456789") != std::string::npos || std::stoi(имя) == занявший) continue;
    if (родитель(std::stoi(имя)) == ::getpid() &&
        прочитать(запись.path() / "cmdline").find("тувра_пакеты") != std::string::npos) {
      ::kill(std::stoi(имя), SIGINT);
    }
  }
  второй.join();
  EXPECT_LT(std::chrono::steady_clock::now() - начало, 4s);
  EXPECT_EQ(в.код, 130);
  EXPECT_EQ(в.stdout_, "");
  EXPECT_EQ(в.stderr_, "");
  ::kill(занявший, SIGTERM);
  первый.join();
}

// A killed run leaves its clone folder; the next install clears those of ended runs of this user,
// and leaves what a running process or another user owns, links and anything else named alike.
TEST_F(Прерывание, БрошенныеПапкиКлоновУбираются) {
  if (под_эмулятором()) GTEST_SKIP() << "Windows process ids and owners are Wine's, not these";
  // Ids of ended processes: each was reaped, and none gets reused in a moment.
  std::vector<pid_t> ушедшие;
  for (int i = 0; i < 3; ++i) {
    const pid_t п = ::fork();
    if (п == 0) ::_exit(0);
    ::waitpid(п, nullptr, 0);
    ушедшие.push_back(п);
  }
  const auto папка = [&](pid_t номер) { return временная_ / ("тувра_пакет_" + std::to_string(номер)); };
  записать(папка(ушедшие[0]) / "п.код", "// брошено\n");
  записать(папка(ушедшие[0]) / ".git/config", "");
  записать(папка(::getpid()) / "п.код", "// работает\n");
  записать(папка(ушедшие[1]) / "чужое", "");
  ASSERT_EQ(::chown(папка(ушедшие[1]).c_str(), 65534, 65534), 0);
  записать(корень_ / "цель/своё", "");
  fs::create_symlink(корень_ / "цель", папка(ушедшие[2]));
  const std::vector<std::string> похожие = {"тувра_пакет_", "тувра_пакет_12x", "тувра_пакет_-1",
                                            "тувра_пакет_01.старый"};
  for (const std::string& имя : похожие) записать(временная_ / имя / "ф", "");
  записать(временная_ / ("тувра_пакет_" + std::to_string(ушедшие[0] + 1000000)), "файл");

  auto& п = репозиторий("п").выпуск("п", "1.0.0");
  манифест("п = git " + п.адрес() + " версия=1.0.0\n");
  const Вывод в = пакеты({"установить"});
  ASSERT_EQ(в.код, 0) << в.stderr_;
  EXPECT_FALSE(fs::exists(папка(ушедшие[0])));
  EXPECT_EQ(прочитать(папка(::getpid()) / "п.код"), "// работает\n");
  EXPECT_TRUE(fs::exists(папка(ушедшие[1]) / "чужое"));
  EXPECT_TRUE(fs::is_symlink(папка(ушедшие[2])));
  EXPECT_TRUE(fs::exists(корень_ / "цель/своё"));
  for (const std::string& имя : похожие) EXPECT_TRUE(fs::exists(временная_ / имя / "ф")) << имя;
  EXPECT_TRUE(fs::exists(временная_ / ("тувра_пакет_" + std::to_string(ушедшие[0] + 1000000))));
  // Nothing of the run itself stays either.
  std::vector<std::string> свои;
  for (const auto& запись : fs::directory_iterator(временная_)) свои.push_back(запись.path().filename().string());
  EXPECT_EQ(свои.size(), 4u + похожие.size()) << ::testing::PrintToString(свои);
}

// The id of a process that has ended and been reaped.
pid_t ушедший() {
  const pid_t п = ::fork();
  if (п == 0) ::_exit(0);
  ::waitpid(п, nullptr, 0);
  return п;
}

// A file no one can remove, root included: the immutable attribute (for root) or a folder above
// it that nobody may write; undone when it goes.
class Неудаляемый {
 public:
  explicit Неудаляемый(const fs::path& файл) : файл_(файл) {
    записать(файл_, "");
    if (::geteuid() == 0) {
      const int fd = ::open(файл_.c_str(), O_RDONLY);
      int флаги = FS_IMMUTABLE_FL;
      держится_ = fd >= 0 && ::ioctl(fd, FS_IOC_SETFLAGS, &флаги) == 0;
      if (fd >= 0) ::close(fd);
    }
    держится_ = ::chmod(файл_.parent_path().c_str(), 0555) == 0 && (держится_ || ::geteuid() != 0);
  }
  Неудаляемый(const Неудаляемый&) = delete;
  Неудаляемый& operator=(const Неудаляемый&) = delete;
  ~Неудаляемый() {
    ::chmod(файл_.parent_path().c_str(), 0755);
    const int fd = ::open(файл_.c_str(), O_RDONLY);
    int флаги = 0;
    if (fd >= 0) {
      ::ioctl(fd, FS_IOC_SETFLAGS, &флаги);
      ::close(fd);
    }
  }
  bool держится() const { return держится_; }

 private:
  fs::path файл_;
  bool держится_ = false;
};

std::vector<std::string> имена_в(const fs::path& папка) {
  std::vector<std::string> имена;
  for (const auto& запись : fs::directory_iterator(папка)) имена.push_back(запись.path().filename().string());
  std::sort(имена.begin(), имена.end());
  return имена;
}

// A leftover of an ended run that cannot be removed whole stays where it was, and every install
// goes on past it.
TEST_F(Прерывание, НеудаляемаяБрошеннаяПапкаНеМешает) {
  if (под_эмулятором()) GTEST_SKIP() << "Windows process ids and owners are Wine's, not these";
  const std::string имя = "тувра_пакет_" + std::to_string(ушедший());
  const Неудаляемый файл(временная_ / имя / "ro/f");
  if (!файл.держится()) GTEST_SKIP() << "this file system cannot make a file that cannot be removed";
  auto& п = репозиторий("п").выпуск("п", "1.0.0");
  манифест("п = git " + п.адрес() + " версия=1.0.0\n");
  for (int раз = 0; раз < 2; ++раз) {
    const Вывод в = пакеты({"установить"});
    EXPECT_EQ(в.код, 0) << в.stderr_;
    EXPECT_EQ(в.stderr_, "");
    EXPECT_EQ(прочитать(проект_ / "пакеты/п/п.код"), "// 1.0.0\n");
    EXPECT_EQ(имена_в(временная_), std::vector<std::string>{имя});
    EXPECT_TRUE(fs::exists(временная_ / имя / "ro/f"));
  }
}

// Only a name a run makes, "тувра_пакет_" and a process id as written in decimal, is a clone
// folder; anything else named alike stays, even when a number in it is an ended process's.
TEST_F(Прерывание, ПапкаКлонаТолькоСНастоящимНомером) {
  if (под_эмулятором()) GTEST_SKIP() << "Windows process ids and owners are Wine's, not these";
  const std::string ушёл = std::to_string(ушедший());
  std::uint64_t предел = 0;
  std::istringstream(прочитать("/proc/sys/kernel/pid_max")) >> предел;
  ASSERT_GT(предел, 1u);
  const bool последний_жив = ::kill(static_cast<pid_t>(предел - 1), 0) == 0;
  struct Случай {
    std::string номер;
    bool убирается;
  };
  const std::vector<Случай> случаи = {
      {ушёл, true},
      {std::to_string(предел - 1), !последний_жив},
      {"0", false},
      {"00300", false},
      {"0" + ушёл, false},
      {"+" + ушёл, false},
      {"-" + ушёл, false},
      {"+5", false},
      {"-5", false},
      {"4294967296", false},
      {std::to_string(4294967296ull + std::stoull(ушёл)), false},
      {"1234567890123456789", false},
      {"18446744073709551617", false},
      {std::to_string(предел), false},
      {"1", false},  // init, which runs
      {std::to_string(::getpid()), false},
  };
  for (const Случай& с : случаи) записать(временная_ / ("тувра_пакет_" + с.номер) / "ф", "");
  auto& п = репозиторий("п").выпуск("п", "1.0.0");
  манифест("п = git " + п.адрес() + " версия=1.0.0\n");
  const Вывод в = пакеты({"установить"});
  ASSERT_EQ(в.код, 0) << в.stderr_;
  for (const Случай& с : случаи) {
    EXPECT_EQ(fs::exists(временная_ / ("тувра_пакет_" + с.номер)), !с.убирается) << с.номер;
  }
}

}  // namespace
}  // namespace тувра::пакеты::испытания
