// The index commands end to end: a local git repository as the index, HOME in a scratch folder.
#include <gmock/gmock.h>

#include "program_fixture.h"

namespace тувра::пакеты::испытания {
namespace {

using ::testing::HasSubstr;
using ::testing::StartsWith;

class Индекс : public Программа {
 protected:
  fs::path настройки() const { return дом_ / ".тувра"; }

  Репозиторий& индекс(const std::string& каталог) {
    return репозиторий("индекс").файл("каталог.пакеты", каталог).коммит();
  }

  // The program's environment with HOME and USERPROFILE replaced (an absent value is left out).
  Вывод с_домом(const std::vector<std::string>& аргументы, const char* дом, const char* профиль) {
    std::vector<std::string> окружение;
    for (const std::string& з : окружение_программы()) {
      if (!з.starts_with("HOME=") && !з.starts_with("USERPROFILE=")) окружение.push_back(з);
    }
    if (дом != nullptr) окружение.push_back(std::string("HOME=") + дом);
    if (профиль != nullptr) окружение.push_back(std::string("USERPROFILE=") + профиль);
    return пакеты_в_окружении(аргументы, окружение);
  }
};

constexpr const char* кДва = "а = git https://example.com/а\nб = git https://example.com/б\n";

TEST_F(Индекс, НастройкаПерваяКопияИОбновление) {
  auto& и = индекс(кДва);
  const Вывод настроено = пакеты({"индекс-настроить", "  " + и.адрес() + "\t"});
  ASSERT_EQ(настроено.код, 0) << настроено.stderr_;
  EXPECT_EQ(настроено.stdout_, "Индекс настроен:   " + и.адрес() +
                                   "\t\nДальше — 'тувра_пакеты индекс-обновить', чтобы скачать его локально.\n");
  EXPECT_EQ(прочитать(настройки() / "индекс_url.txt"), "  " + и.адрес() + "\t") << "kept as typed, no line feed";
  EXPECT_FALSE(fs::exists(настройки() / "индекс")) << "configuring fetches nothing";

  const Вывод первый = пакеты({"индекс-обновить"});
  ASSERT_EQ(первый.код, 0) << первый.stderr_;
  EXPECT_EQ(первый.stdout_, "Скачиваю индекс впервые (" + и.адрес() + ")...\nГотово: в индексе 2 пакет(ов).\n");
  EXPECT_TRUE(fs::exists(настройки() / "индекс/.git"));

  и.файл("каталог.пакеты", std::string(кДва) + "# третий\nв = git https://example.com/в\n").коммит();
  const Вывод второй = пакеты({"индекс-обновить"});
  ASSERT_EQ(второй.код, 0) << второй.stderr_;
  EXPECT_EQ(второй.stdout_,
            "Обновляю локальную копию индекса (" + и.адрес() + ")...\nГотово: в индексе 3 пакет(ов).\n");
  EXPECT_EQ(второй.stderr_, "");
}

TEST_F(Индекс, ОбновлениеБезНастройки) {
  for (const std::string& содержимое : {std::string("нет файла"), std::string("\xff\xfe не UTF-8")}) {
    if (содержимое != "нет файла") записать(настройки() / "индекс_url.txt", содержимое);
    const Вывод в = пакеты({"индекс-обновить"});
    EXPECT_EQ(в.код, 1);
    EXPECT_EQ(в.stdout_, "");
    EXPECT_EQ(в.stderr_,
              "Ошибка: адрес индекса ещё не настроен — сначала: тувра_пакеты индекс-настроить URL_ИНДЕКСА\n");
  }
}

TEST_F(Индекс, ПустойАдресНеПринимаетсяПриНастройке) {
  for (const std::string& адрес : {std::string(""), std::string("  \t "), std::string("\u00a0")}) {
    const Вывод в = пакеты({"индекс-настроить", адрес});
    EXPECT_EQ(в.код, 1);
    EXPECT_EQ(в.stderr_, "Ошибка: укажи адрес индекса: тувра_пакеты индекс-настроить URL_ИНДЕКСА\n");
  }
  EXPECT_FALSE(fs::exists(настройки()));
}

TEST_F(Индекс, ОшибкиGit) {
  // A pull that cannot fast-forward: the index's history was rewritten after the copy was made.
  auto& и = индекс(кДва);
  ASSERT_EQ(пакеты({"индекс-настроить", и.адрес()}).код, 0);
  ASSERT_EQ(пакеты({"индекс-обновить"}).код, 0);
  и.git({"commit", "-q", "--amend", "-m", "переписано"});
  const Вывод pull = пакеты({"индекс-обновить"});
  EXPECT_EQ(pull.код, 1);
  EXPECT_THAT(pull.stdout_, StartsWith("Обновляю локальную копию индекса ("));
  EXPECT_THAT(pull.stderr_, StartsWith("Ошибка: git pull не удался: "));
  EXPECT_GT(pull.stderr_.size(), std::string("Ошибка: git pull не удался: \n").size()) << "git's own words follow";

  // No git on the search path.
  // Under Wine the bridge git.exe stays on WINEPATH, which an empty PATH does not take away.
  if (под_эмулятором()) return;
  const std::string путь = путь_поиска_;
  путь_поиска_ = (корень_ / "пусто").string();
  const Вывод без_git = пакеты({"индекс-обновить"});
  EXPECT_EQ(без_git.код, 1);
  EXPECT_EQ(без_git.stderr_, "Ошибка: не удалось запустить git: No such file or directory\n");
  путь_поиска_ = путь;

  // A clone from nowhere.
  fs::remove_all(настройки() / "индекс");
  ASSERT_EQ(пакеты({"индекс-настроить", (корень_ / "нет_такого").string()}).код, 0);
  const Вывод clone = пакеты({"индекс-обновить"});
  EXPECT_EQ(clone.код, 1);
  EXPECT_EQ(clone.stdout_, "Скачиваю индекс впервые (" + (корень_ / "нет_такого").string() + ")...\n");
  EXPECT_THAT(clone.stderr_, StartsWith("Ошибка: git clone индекса не удался: "));
}

// Run in a folder removed after the start: a relative index address cannot be made absolute,
// and the command says so before it removes or fetches anything. From the project it works.
TEST_F(Индекс, ТекущаяПапкаУдалена) {
  if (под_эмулятором()) GTEST_SKIP() << "Windows does not let the current folder of a running program be removed";
  индекс(кДва);
  ASSERT_EQ(пакеты({"индекс-настроить", "../репо/индекс"}).код, 0);
  const fs::path удалённая = корень_ / "удалённая";
  fs::create_directories(удалённая);
  const std::vector<std::string> argv = {"sh", "-c", "rmdir \"$PWD\" && exec \"$0\" \"$@\"",
                                         std::string(std::getenv("TUVRA_BUILD_DIR")) + "/тувра_пакеты",
                                         "индекс-обновить"};
  const Вывод в = учесть(запустить(argv, удалённая, окружение_программы()));
  EXPECT_EQ(в.код, 1);
  EXPECT_EQ(в.stdout_, "Скачиваю индекс впервые (../репо/индекс)...\n");
  EXPECT_EQ(в.stderr_, "Ошибка: не удалось определить текущую папку: No such file or directory\n");
  EXPECT_FALSE(fs::exists(настройки() / "индекс"));

  const Вывод из_проекта = пакеты({"индекс-обновить"});
  EXPECT_EQ(из_проекта.код, 0) << из_проекта.stderr_;
  EXPECT_THAT(из_проекта.stdout_, HasSubstr("Готово: в индексе 2 пакет(ов).\n"));
}

TEST_F(Индекс, ПустойАдресВФайлеДоходитДоGit) {
  записать(настройки() / "индекс_url.txt", " \n");
  const Вывод в = пакеты({"индекс-обновить"});
  EXPECT_EQ(в.код, 1);
  EXPECT_EQ(в.stdout_, "Скачиваю индекс впервые ()...\n");
  EXPECT_THAT(в.stderr_, StartsWith("Ошибка: git clone индекса не удался: "));
}

TEST_F(Индекс, АдресСМинусомНеСтановитсяПараметромGit) {
  const fs::path метка = корень_ / "метка";
  const std::string адрес = "--upload-pack=touch " + метка.string();
  ASSERT_EQ(пакеты({"индекс-настроить", адрес}).код, 0);
  const Вывод в = пакеты({"индекс-обновить"});
  EXPECT_EQ(в.код, 1);
  EXPECT_THAT(в.stderr_, StartsWith("Ошибка: адрес индекса '" + адрес + "' начинается с '-'"));
  EXPECT_FALSE(fs::exists(метка)) << "git ran the option";
}

TEST_F(Индекс, ОстаткиБезGitУдаляютсяАСтараяКопияТянетСвойАдрес) {
  auto& старый = индекс(кДва);
  записать(настройки() / "индекс/мусор.txt", "от прошлой попытки");
  ASSERT_EQ(пакеты({"индекс-настроить", старый.адрес()}).код, 0);
  const Вывод первый = пакеты({"индекс-обновить"});
  ASSERT_EQ(первый.код, 0) << первый.stderr_;
  EXPECT_THAT(первый.stdout_, StartsWith("Скачиваю индекс впервые"));
  EXPECT_FALSE(fs::exists(настройки() / "индекс/мусор.txt"));

  auto& новый = репозиторий("новый").файл("каталог.пакеты", "один = git https://example.com/один\n").коммит();
  ASSERT_EQ(пакеты({"индекс-настроить", новый.адрес()}).код, 0);
  const Вывод второй = пакеты({"индекс-обновить"});
  ASSERT_EQ(второй.код, 0) << второй.stderr_;
  EXPECT_EQ(второй.stdout_,
            "Обновляю локальную копию индекса (" + новый.адрес() + ")...\nГотово: в индексе 2 пакет(ов).\n")
      << "the copy keeps its own remote";
}

TEST_F(Индекс, ПлохойКаталог) {
  struct Случай {
    std::string файл;
    std::string текст;
    std::string ошибка;
  };
  const std::vector<Случай> случаи = {
      {"README", "не индекс\n",
       "в индексе не найден файл каталога 'каталог.пакеты' — это не тот репозиторий, или его формат ещё не готов"},
      {"каталог.пакеты", "а = git https://example.com/а\nбез равенства\n",
       "строка 2: ожидался формат 'имя = git URL [ветка=ИМЯ] [описание=\"текст\"]', получено: 'без равенства'"},
  };
  for (const Случай& с : случаи) {
    fs::remove_all(настройки());
    auto& и = репозиторий("плохой_" + std::to_string(&с - случаи.data())).файл(с.файл, с.текст).коммит();
    ASSERT_EQ(пакеты({"индекс-настроить", и.адрес()}).код, 0);
    const Вывод в = пакеты({"индекс-обновить"});
    EXPECT_EQ(в.код, 1);
    EXPECT_EQ(в.stderr_, "Ошибка: " + с.ошибка + "\n");
    EXPECT_TRUE(fs::exists(настройки() / "индекс/.git")) << "the copy stays";
  }
}

TEST_F(Индекс, ПустойКаталог) {
  auto& и = индекс("# пока пусто\n");
  ASSERT_EQ(пакеты({"индекс-настроить", и.адрес()}).код, 0);
  const Вывод в = пакеты({"индекс-обновить"});
  EXPECT_EQ(в.код, 0) << в.stderr_;
  EXPECT_THAT(в.stdout_, HasSubstr("Готово: в индексе 0 пакет(ов).\n"));
  EXPECT_EQ(пакеты({"искать", ""}).stdout_, "Ничего не найдено по запросу ''.\n");
  EXPECT_THAT(пакеты({"добавить", "а"}).stderr_, StartsWith("Ошибка: пакет 'а' не найден в индексе"));
}

TEST_F(Индекс, ДомашняяПапка) {
  auto& и = индекс(кДва);
  const fs::path профиль = корень_ / "профиль";
  const std::string неверный = "\xc3(";
  struct Случай {
    const char* дом;
    const char* профиль;
    fs::path настройки;
  };
  const std::vector<Случай> случаи = {
      {"", nullptr, проект_ / ".тувра"},
      {nullptr, профиль.c_str(), профиль / ".тувра"},
      {неверный.c_str(), профиль.c_str(), профиль / ".тувра"},
  };
  for (const Случай& с : случаи) {
    // Wine hands a Windows program U+FFFD for bytes that are not UTF-8.
    if (под_эмулятором() && с.дом != nullptr && с.дом == неверный.c_str()) continue;
    const Вывод в = с_домом({"индекс-настроить", и.адрес()}, с.дом, с.профиль);
    EXPECT_EQ(в.код, 0) << в.stderr_;
    EXPECT_EQ(прочитать(с.настройки / "индекс_url.txt"), и.адрес());
    fs::remove_all(с.настройки);
  }
  ASSERT_EQ(с_домом({"индекс-настроить", и.адрес()}, "", nullptr).код, 0);
  // A relative settings folder works for the clone and for the pull alike.
  const Вывод найдено = с_домом({"искать", "б"}, "", nullptr);
  EXPECT_EQ(найдено.код, 0) << найдено.stderr_;
  EXPECT_THAT(найдено.stdout_, StartsWith("Скачиваю индекс впервые (" + и.адрес() + ")...\n"));
  EXPECT_THAT(найдено.stdout_, HasSubstr("  б\n    https://example.com/б\n"));
  const Вывод обновлено = с_домом({"индекс-обновить"}, "", nullptr);
  EXPECT_EQ(обновлено.код, 0) << обновлено.stderr_;
  EXPECT_THAT(обновлено.stdout_, StartsWith("Обновляю локальную копию индекса (" + и.адрес() + ")...\n"));
  EXPECT_TRUE(fs::exists(проект_ / ".тувра/индекс/.git"));

  // Wine sets USERPROFILE for every Windows program.
  if (под_эмулятором()) return;
  const Вывод без_дома = с_домом({"искать", "а"}, nullptr, nullptr);
  EXPECT_EQ(без_дома.код, 1);
  EXPECT_EQ(без_дома.stderr_, "Ошибка: не удалось определить домашнюю папку (нет ни HOME, ни USERPROFILE)\n");
}

TEST_F(Индекс, ПапкуНастроекНельзяСоздать) {
  записать(настройки(), "файл на месте папки");
  const Вывод в = пакеты({"индекс-настроить", "https://example.com/индекс"});
  EXPECT_EQ(в.код, 1);
  EXPECT_THAT(в.stderr_, StartsWith("Ошибка: не удалось создать '" + путь_в_выводе(настройки()) + "': "));
}

}  // namespace
}  // namespace тувра::пакеты::испытания
