// Manifests, lock files and the install queue keep their records packed: what goes in comes out
// the same, field for field, at every length of a field.
#include <gtest/gtest.h>

#include "install_state.h"
#include "lock_entries.h"
#include "packed_records.h"

namespace тувра::пакеты {
namespace {

Зависимость запись(std::string имя, std::string источник, std::optional<std::string> ветка = std::nullopt,
                   std::optional<std::string> версия = std::nullopt,
                   std::optional<std::string> описание = std::nullopt) {
  return {std::move(имя), std::move(источник), std::move(ветка), std::move(версия), std::move(описание)};
}

TEST(Упаковка, ЗаписиВозвращаютсяКакБыли) {
  // Lengths on both sides of each step of the length bytes, empty fields and absent ones.
  const std::vector<Зависимость> записи = {
      запись("а", "u"),
      запись("", "u", std::string()),
      запись(std::string(127, 'n'), std::string(128, 'u'), std::nullopt, std::string("^1.0.0")),
      запись("б", std::string(16383, 'u'), std::nullopt, std::nullopt, std::string(16384, 'd')),
      запись(std::string(20000, 'x'), "u", std::string("ветка"), std::nullopt, std::string()),
  };
  УпакованныеЗависимости упаковано;
  for (const Зависимость& з : записи) упаковано.добавить(з);
  ASSERT_EQ(упаковано.size(), записи.size());
  std::size_t место = 0, пропуск = 0;
  for (const Зависимость& з : записи) {
    EXPECT_EQ(упаковано.имя_в(место), з.имя);
    EXPECT_EQ(упаковано.прочитать(место), з);
    упаковано.пропустить(пропуск);
    EXPECT_EQ(пропуск, место);
  }
  EXPECT_EQ(место, упаковано.конец());
}

TEST(Упаковка, ИзТекста) {
  const auto упаковано = упаковать_зависимости("# заметка\nа = git 1 версия=1.0.0\n\nб = git 2 описание=\"д\"\n");
  ASSERT_TRUE(упаковано.has_value());
  std::size_t место = 0;
  EXPECT_EQ(упаковано->прочитать(место), запись("а", "1", std::nullopt, std::string("1.0.0")));
  EXPECT_EQ(упаковано->прочитать(место), запись("б", "2", std::nullopt, std::nullopt, std::string("д")));
  EXPECT_EQ(место, упаковано->конец());
  EXPECT_EQ(упаковать_зависимости("а = git 1\nб = svn 2\n").error(),
            "строка 2: пока поддерживается только 'git URL' (другие источники — следующий шаг), получено: 'svn 2'");
}

TEST(Упаковка, БлокировкаПоИмени) {
  const Блокировка блокировка(*упаковать_зависимости(
      "б = git 1 версия=1.0.0\nа = git 2 версия=2.0.0\nаб = git 3\nа = git 4 версия=4.0.0\nБ = git 5\n"));
  EXPECT_EQ(блокировка.найти("а"), запись("а", "4", std::nullopt, std::string("4.0.0")));
  EXPECT_EQ(блокировка.найти("б"), запись("б", "1", std::nullopt, std::string("1.0.0")));
  EXPECT_EQ(блокировка.найти("аб")->источник, "3");
  EXPECT_EQ(блокировка.найти("Б")->источник, "5");
  for (const char* нет : {"", "в", "ааб", "a"}) EXPECT_FALSE(блокировка.найти(нет).has_value()) << нет;
  EXPECT_FALSE(Блокировка().найти("а").has_value());
}

TEST(Упаковка, ОчередьПоПорядку) {
  ОчередьЗапросов очередь;
  очередь.добавить(*упаковать_зависимости("а = git 1\nб = git 2\n"), std::nullopt);
  очередь.добавить(УпакованныеЗависимости(), std::string("пусто"));
  очередь.добавить(*упаковать_зависимости("в = git 3\n"), std::string("а"));
  const ЗапросЗависимости первый = очередь.взять();
  EXPECT_EQ(первый.зависимость.имя, "а");
  EXPECT_FALSE(первый.запрошен_через.has_value());
  // Appended while the first manifest is still being taken: it goes after it.
  очередь.добавить(*упаковать_зависимости("г = git 4\n"), std::string("б"));
  EXPECT_EQ(очередь.взять().зависимость.имя, "б");
  const ЗапросЗависимости третий = очередь.взять();
  EXPECT_EQ(третий.зависимость.имя, "в");
  EXPECT_EQ(третий.запрошен_через, "а");
  EXPECT_EQ(очередь.взять().запрошен_через, "б");
  EXPECT_TRUE(очередь.empty());
}

}  // namespace
}  // namespace тувра::пакеты
