#include "program_fixture.h"

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fstream>
#include <set>
#include <sstream>
#include <thread>

#include "message_recognition.h"

namespace тувра::пакеты::испытания {
namespace {

std::vector<char*> указатели(std::vector<std::string>& тексты) {
  std::vector<char*> итог;
  for (std::string& т : тексты) итог.push_back(т.data());
  итог.push_back(nullptr);
  return итог;
}

std::string переменная(const char* имя) {
  const char* значение = std::getenv(имя);
  return значение ? значение : "";
}

}  // namespace

namespace {

// Every process below `корень`, from the parent links in /proc; a child that made a session
// of its own has left the process group but not the tree.
std::vector<pid_t> потомки(pid_t корень) {
  std::map<pid_t, std::vector<pid_t>> дети;
  for (const auto& запись : fs::directory_iterator("/proc")) {
    const std::string имя = запись.path().filename().string();
    if (имя.find_first_not_of("0123456789") != std::string::npos) continue;
    const std::string сведения = прочитать(запись.path() / "stat");
    const std::size_t скобка = сведения.rfind(')');
    if (скобка == std::string::npos) continue;
    std::istringstream поля(сведения.substr(скобка + 2));
    char состояние = 0;
    pid_t родитель = 0;
    поля >> состояние >> родитель;
    дети[родитель].push_back(std::stoi(имя));
  }
  std::vector<pid_t> итог;
  std::vector<pid_t> очередь{корень};
  while (!очередь.empty()) {
    const pid_t п = очередь.back();
    очередь.pop_back();
    for (pid_t ребёнок : дети[п]) {
      итог.push_back(ребёнок);
      очередь.push_back(ребёнок);
    }
  }
  return итог;
}

// Waits for the child; kills it and everything below it once the limit has passed.
int дождаться(pid_t процесс, int секунд, bool& истекло) {
  using namespace std::chrono;
  const auto предел = steady_clock::now() + seconds(секунд);
  int состояние = 0;
  // Short naps first: most runs end within milliseconds.
  for (microseconds сон(500); ::waitpid(процесс, &состояние, WNOHANG) != процесс;
       сон = std::min(сон * 2, microseconds(50'000))) {
    if (steady_clock::now() > предел) {
      истекло = true;
      ::kill(процесс, SIGSTOP);  // the tree stays as it is while it is read
      for (pid_t потомок : потомки(процесс)) ::kill(потомок, SIGKILL);
      ::kill(-процесс, SIGKILL);
      ::waitpid(процесс, &состояние, 0);
      break;
    }
    std::this_thread::sleep_for(сон);
  }
  return WIFEXITED(состояние) ? WEXITSTATUS(состояние) : -1;
}

}  // namespace

Вывод запустить(const std::vector<std::string>& argv, const fs::path& папка, const std::vector<std::string>& окружение,
                const fs::path& временная, const fs::path& ссылка_временной, const Условия& условия) {
  char шаблон[] = "/tmp/tuvra_run_XXXXXX";
  const fs::path вывод_папка = ::mkdtemp(шаблон);
  const fs::path out = вывод_папка / "out", err = вывод_папка / "err";
  std::vector<std::string> аргументы = argv, env = окружение;
  std::vector<char*> a = указатели(аргументы), e = указатели(env);
  std::string путь_поиска;
  for (const std::string& з : окружение) {
    if (з.rfind("PATH=", 0) == 0) путь_поиска = з.substr(5);
  }
  int ввод[2] = {-1, -1};
  if (условия.ввод_без_конца && ::pipe2(ввод, O_CLOEXEC) != 0) return Вывод{};
  const pid_t процесс = ::fork();
  if (процесс == 0) {
    ::setpgid(0, 0);  // the run and the git it starts can be stopped together
    const fs::path& куда_вывод = условия.вывод_в.empty() ? out : условия.вывод_в;
    const fs::path& куда_ошибки = условия.ошибки_в.empty() ? err : условия.ошибки_в;
    const int o = ::open(куда_вывод.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    const int r = ::open(куда_ошибки.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    const int n = условия.ввод_без_конца ? ввод[0] : ::open("/dev/null", O_RDONLY);
    if (o < 0 || r < 0 || n < 0 || ::chdir(папка.c_str()) != 0) ::_exit(126);
    if (!ссылка_временной.empty()) {
      const fs::path ссылка = временная / ("тувра_пакет_" + std::to_string(::getpid()));
      if (::symlink(ссылка_временной.c_str(), ссылка.c_str()) != 0) ::_exit(125);
    }
    if (условия.предел_файла > 0) {
      const rlimit предел{static_cast<rlim_t>(условия.предел_файла), static_cast<rlim_t>(условия.предел_файла)};
      ::signal(SIGXFSZ, SIG_IGN);  // a write past the limit then fails with EFBIG instead of killing
      if (::setrlimit(RLIMIT_FSIZE, &предел) != 0) ::_exit(124);
    }
    // Under the emulator its launcher starts the program without them instead.
    if (условия.потоки_закрыты && !под_эмулятором()) {
      for (int поток : {0, 1, 2}) ::close(поток);
    } else {
      ::dup2(n, 0);
      ::dup2(o, 1);
      ::dup2(r, 2);
    }
    ::setenv("PATH", путь_поиска.c_str(), 1);  // execvpe searches the parent's PATH otherwise
    ::execvpe(a[0], a.data(), e.data());
    ::_exit(127);
  }
  if (ввод[0] >= 0) ::close(ввод[0]);
  Вывод итог;
  итог.код = дождаться(процесс, условия.предел_секунд, итог.истекло);
  if (ввод[1] >= 0) ::close(ввод[1]);
  итог.stdout_ = прочитать(out);
  итог.stderr_ = прочитать(err);
  fs::remove_all(вывод_папка);
  return итог;
}

std::string прочитать(const fs::path& путь) {
  std::ifstream файл(путь, std::ios::binary);
  std::ostringstream текст;
  текст << файл.rdbuf();
  return текст.str();
}

void записать(const fs::path& путь, const std::string& текст) {
  fs::create_directories(путь.parent_path());
  std::ofstream файл(путь, std::ios::binary | std::ios::trunc);
  файл << текст;
}

std::vector<std::string> файлы_под(const fs::path& папка) {
  std::vector<std::string> файлы;
  if (!fs::exists(папка)) return файлы;
  for (const auto& запись : fs::recursive_directory_iterator(папка)) {
    if (!запись.is_directory()) файлы.push_back(fs::relative(запись.path(), папка).string());
  }
  std::sort(файлы.begin(), файлы.end());
  return файлы;
}

Репозиторий::Репозиторий(fs::path папка, std::vector<std::string> окружение)
    : папка_(std::move(папка)), окружение_(std::move(окружение)) {
  fs::create_directories(папка_);
  git({"init", "-q", "-b", "main"});
}

void Репозиторий::git(const std::vector<std::string>& аргументы) {
  std::vector<std::string> argv{"git"};
  argv.insert(argv.end(), аргументы.begin(), аргументы.end());
  const Вывод вывод = запустить(argv, папка_, окружение_);
  ASSERT_EQ(вывод.код, 0) << вывод.stderr_;
}

Репозиторий& Репозиторий::файл(const std::string& имя, const std::string& текст) {
  записать(папка_ / имя, текст);
  return *this;
}

Репозиторий& Репозиторий::удалить_файл(const std::string& имя) {
  fs::remove_all(папка_ / имя);
  return *this;
}

Репозиторий& Репозиторий::коммит() {
  git({"add", "-A"});
  git({"commit", "-q", "--allow-empty", "-m", "изменения"});
  return *this;
}

Репозиторий& Репозиторий::тег(const std::string& имя) {
  git({"tag", имя});
  return *this;
}

Репозиторий& Репозиторий::аннотированный_тег(const std::string& имя) {
  git({"tag", "-a", имя, "-m", "выпуск " + имя});
  return *this;
}

Репозиторий& Репозиторий::ветка(const std::string& имя) {
  git({"branch", имя});
  return *this;
}

Репозиторий& Репозиторий::на_ветку(const std::string& имя) {
  git({"checkout", "-q", имя});
  return *this;
}

Репозиторий& Репозиторий::выпуск(const std::string& модуль, const std::string& тег_) {
  return файл(модуль + ".код", "// " + тег_ + "\n").коммит().тег(тег_);
}

void Программа::SetUp() {
  char шаблон[] = "/tmp/tuvra_packages_XXXXXX";
  корень_ = ::mkdtemp(шаблон);
  проект_ = корень_ / "проект";
  дом_ = корень_ / "дом";
  временная_ = корень_ / "врем";
  for (const fs::path& п : {проект_, дом_, временная_}) fs::create_directories(п);
  путь_поиска_ = переменная("PATH");
  окружение_git_ = {"HOME=" + дом_.string(),
                    "GIT_CONFIG_GLOBAL=/dev/null",
                    "GIT_CONFIG_NOSYSTEM=1",
                    "GIT_AUTHOR_NAME=Испытатель",
                    "GIT_AUTHOR_EMAIL=test@example.com",
                    "GIT_COMMITTER_NAME=Испытатель",
                    "GIT_COMMITTER_EMAIL=test@example.com",
                    "LANG=C.UTF-8",
                    "LC_ALL=C.UTF-8"};
}

void Программа::TearDown() {
  записать_виды();
  fs::remove_all(корень_);
}

Вывод Программа::учесть(Вывод вывод) {
  выводы_.push_back(вывод.stdout_);
  выводы_.push_back(вывод.stderr_);
  return вывод;
}

void Программа::записать_виды() const {
  if (выводы_.empty()) return;
  const Распознаватель распознаватель;
  std::set<ВидСообщения> виды;
  for (const std::string& вывод : выводы_) {
    for (ВидСообщения вид : распознаватель.виды(вывод)) виды.insert(вид);
  }
  const auto* испытание = ::testing::UnitTest::GetInstance()->current_test_info();
  std::string имя = std::string(испытание->test_suite_name()) + "." + испытание->name();
  std::replace(имя.begin(), имя.end(), '/', '_');
  fs::create_directories(папка_видов());
  std::ofstream файл(папка_видов() / имя, std::ios::trunc);
  for (ВидСообщения вид : виды) файл << статья(вид).имя << "\n";
}

Репозиторий& Программа::репозиторий(const std::string& имя) {
  auto место = репозитории_.find(имя);
  if (место == репозитории_.end()) {
    std::vector<std::string> окружение = окружение_git_;
    окружение.push_back("PATH=" + переменная("PATH"));
    место = репозитории_.emplace(имя, Репозиторий(корень_ / "репо" / имя, окружение)).first;
  }
  return место->second;
}

std::vector<std::string> Программа::окружение_программы() const {
  std::vector<std::string> окружение = окружение_git_;
  окружение.push_back("PATH=" + путь_поиска_);
  окружение.push_back("TMPDIR=" + временная_.string());
  // A variable set again replaces the earlier value: getenv would find the first one.
  for (const std::string& своё : дополнительное_окружение_) {
    const std::string имя = своё.substr(0, своё.find('=') + 1);
    std::erase_if(окружение, [&](const std::string& з) { return з.starts_with(имя); });
    окружение.push_back(своё);
  }
  return окружение;
}

namespace {

// A Linux path as the Windows program sees it: Wine maps the Linux root to drive Z:.
std::string путь_windows(std::string_view путь) {
  if (путь.empty() || путь.front() != '/') return std::string(путь);
  return "Z:" + std::string(путь);
}

// Wine keeps HOME, TEMP and TMP from Windows programs: the launcher sets them from
// TUVRA_WINE_SET_… . Wine's own scratch files stay out of the run's temporary folder, and the
// bridge git.exe comes first on the program's search path.
std::vector<std::string> окружение_под_эмулятором(std::vector<std::string> окружение, const fs::path& временная) {
  std::vector<std::string> итог;
  for (std::string& переменная_ : окружение) {
    const std::string имя = переменная_.substr(0, переменная_.find('='));
    const std::string значение = переменная_.substr(std::min(переменная_.size(), имя.size() + 1));
    if (имя == "TMPDIR") continue;
    if (имя == "HOME" || имя == "USERPROFILE") итог.push_back("TUVRA_WINE_SET_" + имя + "=" + путь_windows(значение));
    итог.push_back(std::move(переменная_));
  }
  for (const char* имя : {"TEMP", "TMP"})
    итог.push_back(std::string("TUVRA_WINE_SET_") + имя + "=" + путь_windows(временная.string()));
  for (const char* имя : {"WINEPREFIX", "WINEDEBUG", "WINEPATH"})
    итог.push_back(std::string(имя) + "=" + переменная(имя));
  return итог;
}

}  // namespace

bool под_эмулятором() { return std::getenv("TUVRA_PACKAGES_PROGRAM") != nullptr; }

std::string текст_системы(std::string_view на_linux, std::string_view под_wine) {
  return std::string(под_эмулятором() ? под_wine : на_linux);
}

std::string путь_в_выводе(const fs::path& путь) {
  return под_эмулятором() ? путь_windows(путь.string()) : путь.string();
}

Вывод Программа::пакеты(const std::vector<std::string>& аргументы, const fs::path& ссылка_временной) {
  return пакеты_в_окружении(аргументы, окружение_программы(), ссылка_временной);
}

Вывод Программа::пакеты_в_окружении(const std::vector<std::string>& аргументы, std::vector<std::string> окружение,
                                    const fs::path& ссылка_временной) {
  std::vector<std::string> argv;
  if (под_эмулятором()) {
    argv = {переменная("TUVRA_PACKAGES_EMULATOR"), переменная("TUVRA_PACKAGES_LAUNCHER"),
            переменная("TUVRA_PACKAGES_PROGRAM")};
    окружение = окружение_под_эмулятором(std::move(окружение), временная_);
    if (условия_.потоки_закрыты) окружение.push_back("TUVRA_WINE_CLOSED_STREAMS=1");
  } else {
    argv = {переменная("TUVRA_BUILD_DIR") + "/тувра_пакеты"};
  }
  argv.insert(argv.end(), аргументы.begin(), аргументы.end());
  return учесть(запустить(argv, проект_, окружение, временная_, ссылка_временной, условия_));
}

std::string Программа::строки_блокировки() {
  const std::string текст = блокировка();
  return текст.size() >= 894 ? текст.substr(894) : текст;
}

}  // namespace тувра::пакеты::испытания
