// How git is started: what it finds in its environment and working folder, and its time limit.
// A `git` of the test's own, first on the search path, reports what it was given.
#include "git.h"

#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <optional>

#include <gmock/gmock.h>

#include "messages.h"
#include "text.h"

namespace тувра::пакеты {
namespace {

namespace fs = std::filesystem;
using ::testing::Contains;
using ::testing::Not;
using ::testing::StartsWith;

// Sets a variable for one test and puts the old value back.
class Переменная {
 public:
  Переменная(const char* имя, const std::string& значение) : имя_(имя) {
    if (const char* было = ::getenv(имя)) было_ = было;
    ::setenv(имя, значение.c_str(), 1);
  }
  ~Переменная() {
    if (было_) ::setenv(имя_, было_->c_str(), 1);
    else ::unsetenv(имя_);
  }

 private:
  const char* имя_;
  std::optional<std::string> было_;
};

class ЗапускGit : public ::testing::Test {
 protected:
  void SetUp() override {
    char шаблон[] = "/tmp/tuvra_git_XXXXXX";
    корень_ = ::mkdtemp(шаблон);
    fs::create_directories(корень_ / "bin");
    fs::create_directories(корень_ / "рабочая");
    std::ofstream(корень_ / "bin" / "git") << "#!/bin/sh\n[ \"$1\" = спать ] && exec sleep 600\npwd\nenv\n";
    fs::permissions(корень_ / "bin" / "git", fs::perms::owner_all);
    путь_.emplace("PATH", (корень_ / "bin").string() + ":" + ::getenv("PATH"));
  }
  void TearDown() override {
    путь_.reset();
    fs::remove_all(корень_);
  }

  fs::path корень_;
  std::optional<Переменная> путь_;
};

TEST_F(ЗапускGit, ОкружениеБезРепозиторияВызывающего) {
  const Переменная переменные[] = {{"GIT_DIR", "/дом/свой/.git"},
                                   {"GIT_INDEX_FILE", "/дом/свой/.git/index"},
                                   {"GIT_WORK_TREE", "/дом/свой"},
                                   {"GIT_CONFIG_PARAMETERS", "'core.sshcommand'='touch /tmp/x'"},
                                   {"GIT_CONFIG_COUNT", "1"},
                                   {"GIT_OBJECT_DIRECTORY", "/дом/свой/.git/objects"},
                                   {"GIT_COMMON_DIR", "/дом/свой/.git"},
                                   {"Git_Dir", "/дом/свой/.git"},
                                   {"git_index_file", "/дом/свой/.git/index"},
                                   {"git_allow_protocol", "ext"},
                                   {"GIT_CEILING_DIRECTORIES", "/нигде"},
                                   {"GIT_TERMINAL_PROMPT", "1"},
                                   {"HTTPS_PROXY", "http://прокси:3128"},
                                   {"GIT_SSH_COMMAND", "ssh -i ключ"}};
  const fs::path рабочая = корень_ / "рабочая";
  auto запуск = запустить_git({"ls-remote"}, рабочая.string());
  ASSERT_TRUE(запуск.has_value()) << запуск.error();
  ASSERT_TRUE(запуск->успех()) << запуск->ошибки;
  const std::vector<std::string_view> вывод = разбить_на_строки(запуск->вывод);
  ASSERT_FALSE(вывод.empty());
  EXPECT_EQ(вывод[0], fs::canonical(рабочая).string());
  for (const char* имя : {"GIT_DIR=", "GIT_INDEX_FILE=", "GIT_WORK_TREE=", "GIT_CONFIG_PARAMETERS=",
                          "GIT_CONFIG_COUNT=", "GIT_OBJECT_DIRECTORY=", "GIT_COMMON_DIR="}) {
    EXPECT_THAT(вывод, Not(Contains(StartsWith(имя))));
  }
  // Windows would read these as the variables above.
  for (const char* имя : {"Git_Dir=", "git_index_file=", "git_allow_protocol="}) {
    EXPECT_THAT(вывод, Not(Contains(StartsWith(имя))));
  }
  EXPECT_THAT(вывод, Contains("GIT_CEILING_DIRECTORIES=" + fs::canonical(корень_).string()));
  EXPECT_THAT(вывод, Contains("GIT_TERMINAL_PROMPT=0"));
  // The user's own ways to reach a server stay.
  EXPECT_THAT(вывод, Contains("HTTPS_PROXY=http://прокси:3128"));
  EXPECT_THAT(вывод, Contains("GIT_SSH_COMMAND=ssh -i ключ"));
}

TEST_F(ЗапускGit, ЗависшийGitОстанавливается) {
  auto запуск = запустить_git({"спать"}, (корень_ / "рабочая").string(), std::chrono::milliseconds(200));
  ASSERT_TRUE(запуск.has_value()) << запуск.error();
  EXPECT_TRUE(запуск->истекло);
  EXPECT_FALSE(запуск->успех());
  EXPECT_EQ(запуск->причина(), сообщения::git_превысил_время());
}

}  // namespace
}  // namespace тувра::пакеты
