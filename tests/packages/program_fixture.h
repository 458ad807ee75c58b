// A scratch world for running the built program: a project folder, HOME and TMPDIR of its own,
// and local git repositories made on the spot.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace тувра::пакеты::испытания {

namespace fs = std::filesystem;

struct Вывод {
  int код = -1;
  std::string stdout_;
  std::string stderr_;
  bool истекло = false;  // the run was stopped after the harness's time limit
};

// What a run sees beyond its arguments and environment.
struct Условия {
  // Standard input is a pipe that stays open and never delivers a byte, as a terminal nobody types into.
  bool ввод_без_конца = false;
  // Largest file size in bytes the run may write (0: no limit); a write past it fails like a full disk.
  long предел_файла = 0;
  // Where standard output and standard error go instead of being captured (/dev/full, say).
  fs::path вывод_в;
  fs::path ошибки_в;
  // Started with standard input, output and error closed, as a service or a detached start may be.
  bool потоки_закрыты = false;
  // Long enough for the slowest sanitizer build; a hang is what it catches, not slowness.
  int предел_секунд = 120;
};

// Runs a program (found on PATH) in a folder with the given environment, output to files.
// With `ссылка_временной`, the child first puts a link named like the program's own clone
// folder (which carries the process id) into `временная`, pointing at that target.
// A run that outlives the time limit is killed with everything it started, in its process
// group or not.
Вывод запустить(const std::vector<std::string>& argv, const fs::path& папка, const std::vector<std::string>& окружение,
                const fs::path& временная = {}, const fs::path& ссылка_временной = {}, const Условия& условия = {});

// Whether the program under test is another build's, run by an emulator (the Windows program
// under Wine): TUVRA_PACKAGES_PROGRAM and TUVRA_PACKAGES_EMULATOR name them.
bool под_эмулятором();

// The system's text for an error as the program under test gives it: Linux's, or Wine's words.
std::string текст_системы(std::string_view на_linux, std::string_view под_wine);

// An absolute path as the program under test prints it: Wine maps the Linux root to drive Z:.
std::string путь_в_выводе(const fs::path& путь);

std::string прочитать(const fs::path& путь);
void записать(const fs::path& путь, const std::string& текст);

// Sorted relative paths of every file below a folder.
std::vector<std::string> файлы_под(const fs::path& папка);

class Репозиторий {
 public:
  Репозиторий(fs::path папка, std::vector<std::string> окружение);
  const fs::path& путь() const { return папка_; }
  std::string адрес() const { return папка_.string(); }
  Репозиторий& файл(const std::string& имя, const std::string& текст);
  Репозиторий& удалить_файл(const std::string& имя);
  Репозиторий& коммит();
  Репозиторий& тег(const std::string& имя);
  Репозиторий& аннотированный_тег(const std::string& имя);
  Репозиторий& ветка(const std::string& имя);
  Репозиторий& на_ветку(const std::string& имя);
  // Commits one module file whose text names the version, then tags it.
  Репозиторий& выпуск(const std::string& модуль, const std::string& тег_);
  void git(const std::vector<std::string>& аргументы);

 private:
  fs::path папка_;
  std::vector<std::string> окружение_;
};

class Программа : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  Репозиторий& репозиторий(const std::string& имя);
  Вывод пакеты(const std::vector<std::string>& аргументы, const fs::path& ссылка_временной = {});
  Вывод пакеты_в_окружении(const std::vector<std::string>& аргументы, std::vector<std::string> окружение,
                           const fs::path& ссылка_временной = {});
  void манифест(const std::string& текст) { записать(проект_ / "тувра.зависимости", текст); }
  std::string метаданные(const std::string& пакет) { return прочитать(проект_ / "пакеты" / пакет / ".метаданные"); }
  std::string блокировка() { return прочитать(проект_ / "тувра.блокировка"); }
  // The lock file without its four comment lines.
  std::string строки_блокировки();
  std::vector<std::string> окружение_программы() const;
  // Keeps the run's output for the message coverage test, which reads what every test saw.
  Вывод учесть(Вывод вывод);

  Условия условия_;
  fs::path корень_;
  fs::path проект_;
  fs::path дом_;
  fs::path временная_;
  std::vector<std::string> окружение_git_;
  std::vector<std::string> дополнительное_окружение_;
  std::string путь_поиска_;
  std::map<std::string, Репозиторий> репозитории_;

 private:
  void записать_виды() const;

  std::vector<std::string> выводы_;
};

}  // namespace тувра::пакеты::испытания
