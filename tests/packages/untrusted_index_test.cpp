// An index made by someone else, and a project's manifest that `добавить` rewrites: links,
// devices and odd names must not reach outside, hang or reach the terminal raw.
#include <gmock/gmock.h>

#include "program_fixture.h"

namespace тувра::пакеты::испытания {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;
using ::testing::StartsWith;

constexpr const char* кСнаружи = "не трогать\nвторая строка\n";

class ЧужойИндекс : public Программа {
 protected:
  void SetUp() override {
    Программа::SetUp();
    записать(снаружи_(), кСнаружи);
    дополнительное_окружение_.push_back("TUVRA_TEST_SECRET=ТАЙНА-токен-31337");
    условия_.ввод_без_конца = true;
  }

  fs::path снаружи_() const { return корень_ / "снаружи" / "важное.txt"; }
  fs::path настройки_() const { return дом_ / ".тувра"; }

  Репозиторий& индекс() { return репозиторий("индекс"); }
  void настроить() { ASSERT_EQ(пакеты({"индекс-настроить", индекс().адрес()}).код, 0); }

  void отказ(const Вывод& в, const std::string& ошибка) {
    EXPECT_FALSE(в.истекло) << "the run hung";
    EXPECT_EQ(в.код, 1) << в.stdout_;
    EXPECT_EQ(в.stderr_, "Ошибка: " + ошибка + "\n");
    for (const std::string* поток : {&в.stdout_, &в.stderr_}) {
      EXPECT_THAT(*поток, Not(HasSubstr("ТАЙНА")));
      EXPECT_THAT(*поток, Not(HasSubstr("не трогать")));
    }
    EXPECT_EQ(прочитать(снаружи_()), кСнаружи);
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(снаружи_())));
  }
};

TEST_F(ЧужойИндекс, КаталогПоСсылкеНеЧитается) {
  if (под_эмулятором())
    GTEST_SKIP() << "Wine shows a Linux symbolic link as what it points to, never as a reparse point";
  настроить();
  for (const std::string& цель :
       {std::string(), std::string("/proc/self/environ"), std::string("/dev/zero"), std::string("/dev/stdin")}) {
    SCOPED_TRACE("цель " + цель);
    fs::remove(индекс().путь() / "каталог.пакеты");
    fs::create_symlink(цель.empty() ? снаружи_() : fs::path(цель), индекс().путь() / "каталог.пакеты");
    индекс().коммит();
    fs::remove_all(настройки_() / "индекс");
    const fs::path каталог = настройки_() / "индекс" / "каталог.пакеты";
    for (const char* команда : {"искать", "добавить"}) {
      const Вывод в = пакеты({команда, "мат"});
      отказ(в, "не удалось прочитать '" + каталог.string() + "': символическая ссылка");
    }
    const Вывод обновить = пакеты({"индекс-обновить"});
    EXPECT_THAT(обновить.stdout_, StartsWith("Обновляю локальную копию индекса ("));
    отказ(обновить, "не удалось прочитать '" + каталог.string() + "': символическая ссылка");
  }
  EXPECT_FALSE(fs::exists(проект_ / "тувра.зависимости"));
}

TEST_F(ЧужойИндекс, АдресИндексаПоСсылкеНеЧитаетсяИНеПишется) {
  if (под_эмулятором())
    GTEST_SKIP() << "Wine shows a Linux symbolic link as what it points to, never as a reparse point";
  fs::create_directories(настройки_());
  fs::create_symlink(снаружи_(), настройки_() / "индекс_url.txt");
  отказ(пакеты({"индекс-обновить"}),
        "адрес индекса ещё не настроен — сначала: тувра_пакеты индекс-настроить URL_ИНДЕКСА");
  отказ(пакеты({"индекс-настроить", "https://example.com/индекс"}),
        "не удалось сохранить адрес индекса: символическая ссылка");
}

TEST_F(ЧужойИндекс, ДобавлениеНеПишетМимоМанифеста) {
  if (под_эмулятором())
    GTEST_SKIP() << "Wine shows a Linux symbolic link as what it points to, never as a reparse point";
  индекс().файл("каталог.пакеты", "мат = git https://example.com/мат\n").коммит();
  настроить();
  // A link as the manifest: the command neither appends to its target nor replaces the link.
  fs::create_symlink(снаружи_(), проект_ / "тувра.зависимости");
  отказ(пакеты({"добавить", "мат"}), "не удалось записать 'тувра.зависимости': символическая ссылка");
  EXPECT_TRUE(fs::is_symlink(проект_ / "тувра.зависимости"));

  // A manifest too large to read is kept, not replaced by the one new line.
  fs::remove(проект_ / "тувра.зависимости");
  const std::string большой(16u * 1024u * 1024u + 1u, '\n');
  записать(проект_ / "тувра.зависимости", большой);
  отказ(пакеты({"добавить", "мат"}), "не удалось записать 'тувра.зависимости': файл больше 16 МиБ");
  EXPECT_EQ(fs::file_size(проект_ / "тувра.зависимости"), большой.size());

  // A missing manifest is still made, and an existing one extended in place of the old file.
  fs::remove(проект_ / "тувра.зависимости");
  EXPECT_EQ(пакеты({"добавить", "мат"}).код, 0);
  EXPECT_EQ(прочитать(проект_ / "тувра.зависимости"), "мат = git https://example.com/мат\n");
}

TEST_F(ЧужойИндекс, ИменаИУправляющиеСимволыКаталога) {
  индекс()
      .файл("каталог.пакеты",
            "a,b = git https://example.com/ab\n"
            "NUL.код = git https://example.com/nul\n"
            "цвет = git https://example.com/\x1b]0;x\x07 описание=\"\x1b[2Jстёрто\xc2\x9b\"\n")
      .коммит();
  настроить();
  отказ(пакеты({"добавить", "a,b"}),
        "недопустимое имя пакета 'a,b': имя содержит ',' — в метаданных запятая разделяет имена требующих пакетов");
  const Вывод nul = пакеты({"добавить", "NUL.код"});
  EXPECT_THAT(nul.stderr_, HasSubstr("зарезервировано в Windows"));
  EXPECT_FALSE(fs::exists(проект_ / "тувра.зависимости"));

  const Вывод найдено = пакеты({"искать", "цвет"});
  EXPECT_EQ(найдено.код, 0) << найдено.stderr_;
  EXPECT_THAT(найдено.stdout_, HasSubstr("  цвет\n    https://example.com/\xEF\xBF\xBD]0;x\xEF\xBF\xBD\n"
                                         "    \xEF\xBF\xBD[2Jстёрто\xEF\xBF\xBD\n"));
  const Вывод добавлено = пакеты({"добавить", "цвет"});
  EXPECT_EQ(добавлено.код, 0) << добавлено.stderr_;
  EXPECT_THAT(добавлено.stdout_, StartsWith("Добавлено в 'тувра.зависимости': цвет = git https://example.com/"
                                            "\xEF\xBF\xBD]0;x\xEF\xBF\xBD описание=\"\xEF\xBF\xBD[2J"));
  // The manifest itself keeps the catalog's text exactly.
  EXPECT_THAT(прочитать(проект_ / "тувра.зависимости"), HasSubstr("\x1b]0;x\x07"));
  for (const Вывод* в : {&найдено, &добавлено}) EXPECT_THAT(в->stdout_, Not(HasSubstr("\x1b")));
}

}  // namespace
}  // namespace тувра::пакеты::испытания
