// git runs for the package manager only: a repository the project ships, the caller's own
// repository and its variables, a local repository with devices in it and tags that the lock
// file cannot hold must not make it run a command, touch that repository, hang or break the lock.
#include <sys/stat.h>

#include <algorithm>
#include <cctype>

#include <gmock/gmock.h>

#include "program_fixture.h"

namespace тувра::пакеты::испытания {
namespace {

using ::testing::EndsWith;
using ::testing::HasSubstr;
using ::testing::Not;
using ::testing::StartsWith;

class ЧужойGit : public Программа {
 protected:
  void SetUp() override {
    Программа::SetUp();
    // A command a hostile setting would run: it leaves a mark, then does what git expected.
    записать(сценарий_(), "#!/bin/sh\ntouch '" + метка_().string() + "'\nexec \"$@\"\n");
    fs::permissions(сценарий_(), fs::perms::owner_all);
    условия_.ввод_без_конца = true;
  }

  fs::path метка_() const { return корень_ / "метка"; }
  fs::path сценарий_() const { return корень_ / "сценарий.sh"; }

  // git run by the test itself in a folder, with the fixture's settings.
  void git_в(const fs::path& папка, const std::vector<std::string>& аргументы) {
    std::vector<std::string> argv{"git", "-C", папка.string()};
    argv.insert(argv.end(), аргументы.begin(), аргументы.end());
    std::vector<std::string> окружение = окружение_git_;
    окружение.push_back("PATH=" + путь_поиска_);
    const Вывод в = запустить(argv, корень_, окружение);
    ASSERT_EQ(в.код, 0) << в.stderr_;
  }

  std::string вывод_git(const fs::path& папка, const std::vector<std::string>& аргументы) {
    const fs::path файл = корень_ / "вывод_git";
    std::vector<std::string> argv{"sh", "-c", "git -C \"$0\" \"$@\" > '" + файл.string() + "'", папка.string()};
    argv.insert(argv.end(), аргументы.begin(), аргументы.end());
    std::vector<std::string> окружение = окружение_git_;
    окружение.push_back("PATH=" + путь_поиска_);
    EXPECT_EQ(запустить(argv, корень_, окружение).код, 0);
    return прочитать(файл);
  }

  void без_метки(const std::string& что) { EXPECT_FALSE(fs::exists(метка_())) << что << ": a command was run"; }
};

TEST_F(ЧужойGit, РепозиторийПроектаНеУправляетGit) {
  auto& п = репозиторий("п").выпуск("п", "1.0.0");
  // The project is a repository whose settings name commands: an upload-pack for the remote
  // "dep" and an ssh command.
  git_в(проект_, {"init", "-q"});
  git_в(проект_, {"config", "remote.dep.url", п.адрес()});
  git_в(проект_, {"config", "remote.dep.uploadpack", сценарий_().string() + " git-upload-pack"});
  git_в(проект_, {"config", "core.sshCommand", сценарий_().string() + " false"});
  struct Случай {
    std::string строка;
    int код;
    std::string начало_ошибки;
  };
  const std::vector<Случай> случаи = {
      {"dep = git dep версия=^1.0.0\n", 1, "Ошибка: git ls-remote не удался для 'dep': "},
      {"п = git ssh://localhost:1/п версия=~1.0.0\n", 1, "Ошибка: git ls-remote не удался для 'ssh://localhost:1/п': "},
      {"п = git ssh://localhost:1/п\n", 1, "Ошибка: git clone не удался для 'п': "},
      // A relative local path still means the path from the project folder.
      {"п = git ../репо/п версия=^1.0.0\n", 0, ""},
  };
  for (const Случай& с : случаи) {
    манифест(с.строка);
    const Вывод в = пакеты({"установить"});
    EXPECT_FALSE(в.истекло) << с.строка;
    EXPECT_EQ(в.код, с.код) << с.строка << в.stderr_;
    EXPECT_THAT(в.stderr_, StartsWith(с.начало_ошибки)) << с.строка;
    без_метки(с.строка);
  }
  EXPECT_EQ(метаданные("п"), "имя=п\nисточник=../репо/п\nверсия=1.0.0\n");
  EXPECT_EQ(строки_блокировки(), "п = git ../репо/п версия=1.0.0\n");

  // Settings that are a pipe would block every git that reads them.
  fs::remove(проект_ / ".git" / "config");
  ASSERT_EQ(::mkfifo((проект_ / ".git" / "config").c_str(), 0600), 0);
  условия_.предел_секунд = 30;
  манифест("п = git " + п.адрес() + " версия=^1.0.0\n");
  const Вывод в = пакеты({"установить", "--обновить-блокировку"});
  EXPECT_FALSE(в.истекло) << "the run hung";
  EXPECT_EQ(в.код, 0) << в.stderr_;
  EXPECT_EQ(прочитать(проект_ / "пакеты/п/п.код"), "// 1.0.0\n");
}

TEST_F(ЧужойGit, ПеременныеРепозиторияВызывающегоНеДоходятДоGit) {
  // The caller's own repository, cloned from its upstream, with a change staged but not committed.
  auto& вверх = репозиторий("вверх").файл("свой.txt", "первая\n").коммит();
  const fs::path свой = корень_ / "свой";
  git_в(корень_, {"clone", "-q", вверх.адрес(), свой.string()});
  записать(свой / "свой.txt", "в работе\n");
  git_в(свой, {"add", "свой.txt"});
  вверх.файл("свой.txt", "вторая\n").коммит();
  const std::string индекс_файлов = прочитать(свой / ".git" / "index");
  const std::string голова = вывод_git(свой, {"rev-parse", "HEAD"});

  // A hook of `git commit -a` sets GIT_INDEX_FILE; the install must leave that staging area alone.
  auto& п = репозиторий("п").выпуск("п", "1.0.0");
  манифест("п = git " + п.адрес() + " версия=^1.0.0\n");
  дополнительное_окружение_ = {"GIT_INDEX_FILE=" + (свой / ".git" / "index").string(),
                               "GIT_WORK_TREE=" + свой.string()};
  const Вывод установка = пакеты({"установить"});
  EXPECT_EQ(установка.код, 0) << установка.stderr_;
  EXPECT_EQ(прочитать(проект_ / "пакеты/п/п.код"), "// 1.0.0\n");
  EXPECT_EQ(прочитать(свой / ".git" / "index"), индекс_файлов);
  EXPECT_FALSE(fs::exists(свой / "п.код"));

  // With GIT_DIR naming the caller's repository, the update pulls the index copy, not that one.
  auto& индекс = репозиторий("индекс").файл("каталог.пакеты", "п = git " + п.адрес() + "\n").коммит();
  дополнительное_окружение_ = {};
  ASSERT_EQ(пакеты({"индекс-настроить", индекс.адрес()}).код, 0);
  ASSERT_EQ(пакеты({"индекс-обновить"}).код, 0);
  индекс.файл("каталог.пакеты", "п = git " + п.адрес() + "\nк = git " + п.адрес() + "\n").коммит();
  дополнительное_окружение_ = {"GIT_DIR=" + (свой / ".git").string(), "GIT_WORK_TREE=" + свой.string(),
                               "GIT_INDEX_FILE=" + (свой / ".git" / "index").string()};
  const Вывод обновление = пакеты({"индекс-обновить"});
  EXPECT_EQ(обновление.код, 0) << обновление.stderr_;
  EXPECT_THAT(обновление.stdout_, EndsWith("Готово: в индексе 2 пакет(ов).\n"));
  EXPECT_EQ(вывод_git(свой, {"rev-parse", "HEAD"}), голова);
  EXPECT_EQ(прочитать(свой / "свой.txt"), "в работе\n");
  EXPECT_EQ(прочитать(свой / ".git" / "index"), индекс_файлов);
}

TEST_F(ЧужойGit, ЛокальныйРепозиторийСКаналомОтвергаетсяСразу) {
  if (под_эмулятором())
    GTEST_SKIP() << "Windows has no named pipes inside folders, and Wine blocks opening a Linux FIFO";
  auto& п = репозиторий("п").выпуск("п", "1.0.0");
  условия_.предел_секунд = 30;
  // What git reads of a repository before anything else; a pipe there blocks it for good.
  const std::vector<std::string> файлы = {"config", "HEAD", "packed-refs", "objects/info/alternates", "shallow"};
  for (std::size_t i = 0; i < файлы.size(); ++i) {
    SCOPED_TRACE(файлы[i]);
    const fs::path голый = корень_ / "голые" / std::to_string(i);
    git_в(корень_, {"clone", "-q", "--bare", п.адрес(), голый.string()});
    fs::remove(голый / файлы[i]);
    fs::create_directories((голый / файлы[i]).parent_path());
    ASSERT_EQ(::mkfifo((голый / файлы[i]).c_str(), 0600), 0);
    const std::string отказ = "Ошибка: локальный репозиторий '" + голый.string() + "' не принимается: '" +
                              (голый / файлы[i]).string() +
                              "' — это не обычный файл (устройство, канал или сокет), git завис бы на нём\n";
    for (const std::string& требование : {std::string(" версия=^1.0.0"), std::string()}) {
      манифест("п = git " + голый.string() + требование + "\n");
      const Вывод в = пакеты({"установить"});
      EXPECT_FALSE(в.истекло) << требование;
      EXPECT_EQ(в.код, 1) << требование;
      EXPECT_EQ(в.stderr_, отказ) << требование;
    }
    ASSERT_EQ(пакеты({"индекс-настроить", голый.string()}).код, 0);
    const Вывод индекс = пакеты({"индекс-обновить"});
    EXPECT_FALSE(индекс.истекло);
    EXPECT_EQ(индекс.stderr_, отказ);
  }
  // A work tree's .git folder, reached through a relative path.
  auto& рабочий = репозиторий("рабочий").выпуск("рабочий", "1.0.0");
  fs::remove(рабочий.путь() / ".git" / "config");
  ASSERT_EQ(::mkfifo((рабочий.путь() / ".git" / "config").c_str(), 0600), 0);
  манифест("рабочий = git ../репо/рабочий\n");
  const Вывод в = пакеты({"установить"});
  EXPECT_FALSE(в.истекло);
  EXPECT_EQ(в.stderr_, "Ошибка: локальный репозиторий '../репо/рабочий' не принимается: '" +
                           (проект_ / "../репо/рабочий/.git/config").string() +
                           "' — это не обычный файл (устройство, канал или сокет), git завис бы на нём\n");
  EXPECT_FALSE(fs::exists(проект_ / "пакеты/рабочий"));
}

// git allows '"', '=' and blanks other than the ASCII space in tag names; a lock line holding
// one would not read back, and the whole lock file would be lost on the next run.
TEST_F(ЧужойGit, ТегиКоторыеБлокировкаНеУдержитПропускаются) {
  if (под_эмулятором()) {
    GTEST_SKIP()
        << "Wine cannot remove through Windows calls a Linux file whose name holds '\"', as git makes for such a tag";
  }
  auto& а = репозиторий("а").выпуск("а", "1.0.0");
  а.файл("а.код", "// кавычка\n").коммит().аннотированный_тег("1.9.9-описание=\"");
  auto& б = репозиторий("б").выпуск("б", "1.0.0");
  auto& в_ = репозиторий("в").выпуск("в", "1.0.0");
  в_.файл("в.код", "// пробел\n").коммит().тег("1.2.0-\u00A0x");
  манифест("а = git " + а.адрес() + " версия=^1.0.0\nб = git " + б.адрес() + " версия=^1.0.0\nв = git " + в_.адрес() +
           " версия=^1.0.0\n");
  const Вывод первый = пакеты({"установить"});
  ASSERT_EQ(первый.код, 0) << первый.stderr_;
  const std::string хвост =
      "' пропущен: в нём пробел, кавычка, '=' или управляющий символ, и строка 'тувра.блокировка' с ним не "
      "прочиталась бы обратно.\n";
  EXPECT_THAT(первый.stdout_, StartsWith("⚠️  'а' — тег '1.9.9-описание=\"" + хвост +
                                         "'а' — ^1.0.0 разрешено в тег "
                                         "'1.0.0'.\n"));
  EXPECT_THAT(первый.stdout_,
              HasSubstr("⚠️  'в' — тег '1.2.0-\u00A0x" + хвост + "'в' — ^1.0.0 разрешено в тег '1.0.0'.\n"));
  EXPECT_EQ(прочитать(проект_ / "пакеты/а/а.код"), "// 1.0.0\n");
  EXPECT_EQ(строки_блокировки(), "а = git " + а.адрес() + " версия=1.0.0\nб = git " + б.адрес() +
                                     " версия=1.0.0\nв = git " + в_.адрес() + " версия=1.0.0\n");

  // The lock reads back whole: the other package keeps its pin when a newer release appears.
  б.выпуск("б", "1.5.0");
  const Вывод второй = пакеты({"установить"});
  ASSERT_EQ(второй.код, 0) << второй.stderr_;
  EXPECT_THAT(второй.stdout_, Not(HasSubstr("⚠️")));
  EXPECT_THAT(второй.stdout_, HasSubstr("'б' — ^1.0.0 взято из 'тувра.блокировка': тег '1.0.0'"));
  EXPECT_EQ(прочитать(проект_ / "пакеты/б/б.код"), "// 1.0.0\n");
}

// With HOME empty the settings folder is `.тувра` in the current folder, so a project can bring
// its own "index copy"; pulling it must not run what the copy was given.
TEST_F(ЧужойGit, КопияИндексаИзПроектаНеЗапускаетКоманд) {
  auto& индекс = репозиторий("индекс").файл("каталог.пакеты", "п = git https://example.com/п\n").коммит();
  дополнительное_окружение_ = {"HOME="};
  const fs::path копия = проект_ / ".тувра" / "индекс";
  git_в(корень_, {"clone", "-q", индекс.адрес(), копия.string()});
  записать(проект_ / ".тувра" / "индекс_url.txt", индекс.адрес());
  const std::vector<std::pair<std::string, std::string>> настройки = {
      {"remote.origin.uploadpack", сценарий_().string() + " git-upload-pack"},
      {"core.fsmonitor", сценарий_().string() + " true"},
      {"core.sshCommand", сценарий_().string() + " ssh"},
      {"credential.helper", "!" + сценарий_().string() + " true"},
      {"filter.x.smudge", сценарий_().string() + " cat"},
      {"core.worktree", корень_.string()},
      {"include.path", (корень_ / "ещё.config").string()},
  };
  for (const auto& [ключ, значение] : настройки) {
    git_в(копия, {"config", ключ, значение});
    const Вывод в = пакеты({"индекс-обновить"});
    EXPECT_EQ(в.код, 1) << ключ;
    std::string имя = ключ;
    std::transform(имя.begin(), имя.end(), имя.begin(), [](unsigned char з) { return std::tolower(з); });
    EXPECT_EQ(в.stderr_, "Ошибка: локальная копия индекса '.тувра/индекс' не принимается: её настройка git '" + имя +
                             "' может запускать команды или вести за пределы копии — удали эту папку и повтори "
                             "'тувра_пакеты индекс-обновить'\n")
        << ключ;
    без_метки(ключ);
    git_в(копия, {"config", "--unset-all", ключ});
  }

  // A hook needs no setting; the pull runs none.
  записать(копия / ".git" / "hooks" / "post-merge", "#!/bin/sh\ntouch '" + метка_().string() + "'\n");
  fs::permissions(копия / ".git" / "hooks" / "post-merge", fs::perms::owner_all);
  индекс.файл("каталог.пакеты", "п = git https://example.com/п\nк = git https://example.com/к\n").коммит();
  const Вывод в = пакеты({"индекс-обновить"});
  EXPECT_EQ(в.код, 0) << в.stderr_;
  EXPECT_THAT(в.stdout_, EndsWith("Готово: в индексе 2 пакет(ов).\n"));
  без_метки("post-merge");

  // Settings that are a link to a file elsewhere are not handed to git.
  if (под_эмулятором()) return;  // Wine shows a Linux symbolic link as what it points to
  const fs::path чужие = корень_ / "чужие.config";
  fs::copy_file(копия / ".git" / "config", чужие);
  git_в(корень_,
        {"config", "--file", чужие.string(), "remote.origin.uploadpack", сценарий_().string() + " git-upload-pack"});
  fs::remove(копия / ".git" / "config");
  fs::create_symlink(чужие, копия / ".git" / "config");
  const Вывод настройки_ссылкой = пакеты({"индекс-обновить"});
  EXPECT_EQ(настройки_ссылкой.stderr_,
            "Ошибка: локальная копия индекса '.тувра/индекс' не принимается: '.git/config' в ней — не обычный файл "
            "— удали эту папку и повтори 'тувра_пакеты индекс-обновить'\n");
  без_метки("a linked .git/config");

  // A ".git" that sends git elsewhere is no copy of ours.
  fs::remove_all(копия / ".git");
  fs::create_directory_symlink(индекс.путь() / ".git", копия / ".git");
  const Вывод ссылка = пакеты({"индекс-обновить"});
  EXPECT_EQ(ссылка.stderr_,
            "Ошибка: локальная копия индекса '.тувра/индекс' не принимается: '.git' в ней — не обычная папка — удали "
            "эту папку и повтори 'тувра_пакеты индекс-обновить'\n");
}

}  // namespace
}  // namespace тувра::пакеты::испытания
