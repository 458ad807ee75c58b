// The services of the platform layer the package manager stands on: child processes with a
// time limit, the project lock and the names of replacement drafts.
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include <gtest/gtest.h>

#include "support/platform/environment.h"
#include "support/platform/files.h"
#include "support/platform/folder_lock.h"
#include "support/platform/process.h"

namespace тувра::платформа {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

class Платформа : public ::testing::Test {
 protected:
  void SetUp() override {
    char шаблон[] = "/tmp/tuvra_platform_XXXXXX";
    корень_ = ::mkdtemp(шаблон);
  }
  void TearDown() override { fs::remove_all(корень_); }

  ЗавершениеПрограммы sh(const std::string& сценарий, std::chrono::milliseconds предел = 60s) {
    auto итог = выполнить_программу({"sh", {"-c", сценарий}, корень_.string(), окружение(), предел});
    EXPECT_TRUE(итог.has_value());
    return итог ? std::move(итог).value() : ЗавершениеПрограммы{};
  }

  static std::string взять(const fs::path& путь) {
    std::ostringstream текст;
    текст << std::ifstream(путь, std::ios::binary).rdbuf();
    return текст.str();
  }

  fs::path корень_;
};

TEST_F(Платформа, ПрограммаВыводКодИПапка) {
  const ЗавершениеПрограммы итог = sh("printf 'вывод'; printf 'ошибки' >&2; pwd >&2; read x || exit 7");
  EXPECT_EQ(итог.код_выхода, 7) << "standard input is empty";
  EXPECT_FALSE(итог.истекло);
  EXPECT_EQ(итог.вывод, "вывод");
  EXPECT_EQ(итог.ошибки, "ошибки" + fs::canonical(корень_).string() + "\n");

  // Megabytes on both outputs at once: neither pipe may fill up and stall the child.
  const ЗавершениеПрограммы много = sh("head -c 3000000 /dev/zero; head -c 3000000 /dev/zero >&2 & wait");
  EXPECT_EQ(много.код_выхода, 0);
  EXPECT_EQ(много.вывод.size(), 3000000u);
  EXPECT_EQ(много.ошибки.size(), 3000000u);

  auto нет = выполнить_программу({"нет-такой-программы-тувра", {}, корень_.string(), окружение(), 10s});
  ASSERT_FALSE(нет.has_value());
  EXPECT_EQ(нет.error(), std::strerror(ENOENT));
}

TEST_F(Платформа, ПределВремениКончаетВсёЧтоЗапущено) {
  // A child that starts another and both wait forever, one of them holding the pipes.
  const fs::path номер = корень_ / "номер";
  const auto начало = std::chrono::steady_clock::now();
  const ЗавершениеПрограммы итог = sh("sleep 600 & echo $! > '" + номер.string() + "'; sleep 600", 300ms);
  EXPECT_LT(std::chrono::steady_clock::now() - начало, 30s);
  EXPECT_TRUE(итог.истекло);
  EXPECT_EQ(итог.код_выхода, -1);
  const pid_t внук = std::stoi(взять(номер));
  // Ended and reaped by its parent's end, or at least dying: it must not live on.
  for (int i = 0; i < 100 && ::kill(внук, 0) == 0; ++i) std::this_thread::sleep_for(10ms);
  std::string состояние = взять("/proc/" + std::to_string(внук) + "/stat");
  EXPECT_TRUE(состояние.empty() || состояние.find(") Z") != std::string::npos) << состояние;

  // What the child started in the background and left running, with the pipes open, does not
  // hold up its end.
  const ЗавершениеПрограммы фон = sh("sleep 600 & echo $! > '" + номер.string() + "'; echo готово", 20s);
  EXPECT_FALSE(фон.истекло);
  EXPECT_EQ(фон.код_выхода, 0);
  EXPECT_EQ(фон.вывод, "готово\n");
  ::kill(std::stoi(взять(номер)), SIGKILL);
}

TEST_F(Платформа, ЗамокДержитОдинВладелец) {
  const fs::path папка = корень_ / "проект";
  fs::create_directory(папка);
  auto первый = занять_папку(папка.string(), 0ms);
  ASSERT_TRUE(первый.has_value());
  auto второй = занять_папку(папка.string(), 200ms);
  ASSERT_FALSE(второй.has_value());
  EXPECT_EQ(второй.error().причина, ПричинаОшибки::Занято);
  { auto отпущен = std::move(первый).value(); }
  EXPECT_TRUE(занять_папку(папка.string(), 0ms).has_value());
  // The lock is the folder's own: nothing is made in it or beside it.
  EXPECT_TRUE(fs::is_empty(папка));
  EXPECT_EQ(std::distance(fs::directory_iterator(корень_), fs::directory_iterator()), 1);

  // What is no folder cannot be taken, and is not made.
  std::ofstream(корень_ / "файл") << "";
  for (const fs::path& не_папка : {корень_ / "нет", корень_ / "файл"}) {
    EXPECT_FALSE(занять_папку(не_папка.string(), 0ms).has_value()) << не_папка;
  }
  EXPECT_FALSE(fs::exists(корень_ / "нет"));
}

TEST_F(Платформа, ЧерновикЗаменыУзнаётсяТочно) {
  const std::vector<std::pair<std::string, bool>> случаи = {
      {".тувра.блокировка.новый.123.0", true},  {".тувра.блокировка.новый.1.99", true},
      {"тувра.блокировка.новый.1.0", false},    {".тувра.блокировка.новый.1", false},
      {".тувра.блокировка.новый..0", false},    {".тувра.блокировка.новый.1.", false},
      {".тувра.блокировка.новый.1.0.2", false}, {".тувра.блокировка.новый.x.0", false},
      {".тувра.зависимости.новый.1.0", false},  {".тувра.блокировка.старый.1.0", false},
  };
  for (const auto& [имя, черновик] : случаи) EXPECT_EQ(черновик_замены(имя, "тувра.блокировка"), черновик) << имя;

  // The replacement leaves nothing by that name behind.
  ASSERT_TRUE(заменить_файл(корень_.string(), "тувра.блокировка", "текст\n").has_value());
  for (const auto& запись : fs::directory_iterator(корень_)) {
    EXPECT_FALSE(черновик_замены(запись.path().filename().string(), "тувра.блокировка"));
  }
}

TEST_F(Платформа, ПутиИзЧастей) {
  EXPECT_EQ(соединить_пути("", "a"), "a");
  EXPECT_EQ(соединить_пути("a", "b"), "a/b");
  EXPECT_EQ(соединить_пути("a/", "b"), "a/b");
  EXPECT_EQ(соединить_пути("/", "b"), "/b");
  EXPECT_EQ(родитель_пути("a/b/c"), "a/b");
  EXPECT_EQ(родитель_пути("/c"), "/");
  EXPECT_EQ(родитель_пути("c"), "");
  EXPECT_EQ(последний_компонент("a/b/c"), "c");
  EXPECT_EQ(последний_компонент("c"), "c");
  EXPECT_TRUE(путь_абсолютный("/a"));
  EXPECT_FALSE(путь_абсолютный("a/b"));
  EXPECT_FALSE(путь_абсолютный(""));
  EXPECT_EQ(абсолютный_путь("/a/../b").value(), "/a/../b");
  EXPECT_EQ(абсолютный_путь("x/y").value(), (fs::current_path() / "x/y").string());
}

}  // namespace
}  // namespace тувра::платформа
