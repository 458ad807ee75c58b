// Dispatch of the command words, the flags and the help, through the built program.
#include <gmock/gmock.h>

#include "help.h"
#include "program_fixture.h"

namespace тувра::пакеты::испытания {
namespace {

using ::testing::HasSubstr;
using КоманднаяСтрока = Программа;

TEST_F(КоманднаяСтрока, СправкаИКодыВыхода) {
  const std::vector<std::pair<std::vector<std::string>, int>> случаи = {
      {{}, 0},         {{""}, 0},          {{"", "установить"}, 0}, {{"помощь"}, 1},  {{"help"}, 1},
      {{"--help"}, 1}, {{"установит"}, 1}, {{"Установить"}, 1},     {{"список "}, 1},
  };
  for (const auto& [аргументы, код] : случаи) {
    const Вывод в = пакеты(аргументы);
    EXPECT_EQ(в.код, код) << (аргументы.empty() ? "(нет)" : аргументы[0]);
    EXPECT_EQ(в.stdout_, текст_справки());
    EXPECT_EQ(в.stderr_, "");
  }
  EXPECT_FALSE(fs::exists(проект_ / "пакеты"));
}

TEST_F(КоманднаяСтрока, ТекстСправки) {
  const std::string справка(текст_справки());
  EXPECT_EQ(справка.rfind("тувра_пакеты — управление зависимостями языка «Тувра»\n\nКоманды:\n", 0), 0u);
  EXPECT_THAT(справка, HasSubstr("\n    ^X.Y.Z  — совместимые версии ("));
  EXPECT_THAT(справка, HasSubstr("): при X > 0 разрешено\n              любое >=X.Y.Z с тем же X;"));
  EXPECT_THAT(справка, HasSubstr("  а не выбирает версию вслепую.\n\nПример:\n  математика = git "));
  EXPECT_EQ(std::count(справка.begin(), справка.end(), '\n'), 57);
  EXPECT_EQ(справка.back(), '\n');
  // The four example lines are valid manifest lines.
  const std::string примеры = справка.substr(справка.find("Пример:\n") + 15);
  for (const char* часть : {"описание=\"Простые математические функции\"\n", "ветка=разработка\n", "утилиты = git ",
                            "версия=1.4.0\n", "сеть = git ", "версия=^1.2.0\n"}) {
    EXPECT_THAT(примеры, HasSubstr(часть));
  }
}

TEST_F(КоманднаяСтрока, НедостающийОперанд) {
  const std::vector<std::pair<std::string, std::string>> случаи = {
      {"удалить", "укажи имя пакета для удаления: тувра_пакеты удалить ИМЯ [--force]"},
      {"искать", "укажи, что искать: тувра_пакеты искать ЗАПРОС"},
      {"добавить", "укажи имя пакета: тувра_пакеты добавить ИМЯ"},
      {"индекс-настроить", "укажи адрес индекса: тувра_пакеты индекс-настроить URL_ИНДЕКСА"},
  };
  for (const auto& [слово, сообщение] : случаи) {
    const Вывод в = пакеты({слово});
    EXPECT_EQ(в.код, 1) << слово;
    EXPECT_EQ(в.stdout_, "") << слово;
    EXPECT_EQ(в.stderr_, "Ошибка: " + сообщение + "\n");
  }
}

// The lock file is read only without the flag, so a broken one shows whether the flag counted.
TEST_F(КоманднаяСтрока, ФлагГдеУгодноИТолькоЦеликом) {
  auto& a = репозиторий("a").выпуск("a", "1.0.0");
  манифест("a = git " + a.адрес() + " версия=^1.0.0\n");
  const std::vector<std::pair<std::vector<std::string>, bool>> случаи = {
      {{"установить", "--обновить-блокировку"}, true},           {{"установить", "x", "--обновить-блокировку"}, true},
      {{"установить", "x", "y", "--обновить-блокировку"}, true}, {{"установить", "--обновить"}, false},
      {{"установить", "--обновить-блокировку="}, false},         {{"установить", "--force"}, false},
  };
  for (const auto& [аргументы, флаг] : случаи) {
    записать(проект_ / "тувра.блокировка", "сломано\n");
    const Вывод в = пакеты(аргументы);
    EXPECT_EQ(в.код, 0) << в.stderr_;
    EXPECT_EQ(в.stdout_.find("⚠️") == std::string::npos, флаг) << аргументы.back();
  }
}

TEST_F(КоманднаяСтрока, ОшибкаОднойСтрокойПослеВывода) {
  auto& a = репозиторий("a").файл("readme.md", "").коммит();
  манифест("a = git " + a.адрес() + "\n");
  const Вывод в = пакеты({"установить", "лишнее"});
  EXPECT_EQ(в.код, 1);
  EXPECT_EQ(в.stdout_, "Устанавливаю 'a' из " + a.адрес() + "...\n");
  EXPECT_EQ(в.stderr_, "Ошибка: в репозитории 'a' не найдено ни одного .код файла в корне\n");
}

TEST_F(КоманднаяСтрока, НеUtf8Аргумент) {
  if (под_эмулятором()) GTEST_SKIP() << "Wine hands a Windows program U+FFFD for bytes that are not UTF-8";
  const Вывод в = пакеты({"удалить", "\xff\xfe"});
  EXPECT_EQ(в.код, 1);
  EXPECT_EQ(в.stderr_, "Ошибка: аргумент 2 командной строки не является текстом в кодировке UTF-8\n");
}

}  // namespace
}  // namespace тувра::пакеты::испытания
