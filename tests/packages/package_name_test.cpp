#include "package_name.h"
#include "text.h"

#include <gtest/gtest.h>

namespace тувра::пакеты {
namespace {

TEST(ИмяПакета, ОтвергаетИменаВнеСвоейПапки) {
  for (const std::string& имя :
       std::vector<std::string>{"", ".", "..", "...", "../x", "a/b", "/etc", "a\\b", "\\\\сервер\\общая", "C:", "C:\\x",
                                "c:x", "a:b", std::string("a\0b", 3)}) {
    auto итог = проверить_имя_пакета(имя);
    ASSERT_FALSE(итог.has_value()) << имя;
    EXPECT_EQ(итог.error().rfind("недопустимое имя пакета '", 0), 0u) << итог.error();
    EXPECT_FALSE(проверить_путь_пакета(имя).has_value()) << имя;
  }
}

TEST(ИмяПакета, ПринимаетОбычныеИмена) {
  for (const char* имя : {"математика",
                          "графика_доп",
                          "a.b",
                          ".скрытый",
                          "..a",
                          "x y",
                          "Zeta",
                          "#имя",
                          "CONSOLE",
                          "COM0",
                          "COM10",
                          "LPT",
                          "nul_",
                          "xCON",
                          "CONIN",
                          "conin$x",
                          "CONOUT",
                          "$CONOUT$",
                          ".метаданные2",
                          "метаданные",
                          "a\xC2\xA0"
                          "b",
                          "ёж\xC2\xA9"}) {
    EXPECT_TRUE(проверить_имя_пакета(имя).has_value()) << имя;
    EXPECT_TRUE(проверить_путь_пакета(имя).has_value()) << имя;
  }
}

// Names that stay inside `пакеты/` but break the metadata, the older layout, the terminal or Windows.
TEST(ИмяПакета, ОтвергаетИменаЛомающиеФорматы) {
  const std::vector<std::pair<std::string, std::string>> случаи = {
      {"a,b", "','"},
      {",", "','"},
      {".метаданные", "служебная папка"},
      {"a\tb", "управляющий символ"},
      {"\x1b]0;title\x07", "управляющий символ"},
      {"a\rb", "управляющий символ"},
      {"a\nb", "управляющий символ"},
      {"a\x7f", "управляющий символ"},
      {"a\xC2\x80", "управляющий символ"},
      {"\xC2\x9b"
       "2J",
       "управляющий символ"},
      {"п\u202Eдок", "невидимый символ или символ смены направления"},
      {"п\u200B", "невидимый символ"},
      {"\uFEFFп", "невидимый символ"},
      {"п\u2066x\u2069", "невидимый символ"},
      {"п\u200F", "невидимый символ"},
      {"CON", "Windows"},
      {"nul", "Windows"},
      {"Aux.код", "Windows"},
      {"prn.tar.gz", "Windows"},
      {"COM1", "Windows"},
      {"com9.txt", "Windows"},
      {"LPT1.код", "Windows"},
      {"lpt5", "Windows"},
      {"CON .код", "Windows"},
      {"COM\xC2\xB9", "Windows"},
      {"CONIN$", "Windows"},
      {"conout$", "Windows"},
      {"conin$.x", "Windows"},
      {"CoNoUt$ .код", "Windows"},
      {"a<b", "запрещённый в именах файлов Windows"},
      {"a>b", "запрещённый в именах файлов Windows"},
      {"\"кавычки\"", "запрещённый в именах файлов Windows"},
      {"a|b", "запрещённый в именах файлов Windows"},
      {"что?", "запрещённый в именах файлов Windows"},
      {"*", "запрещённый в именах файлов Windows"},
      {"имя.", "оканчивается точкой или пробелом"},
      {"имя ", "оканчивается точкой или пробелом"},
  };
  for (const auto& [имя, причина] : случаи) {
    auto итог = проверить_имя_пакета(имя);
    ASSERT_FALSE(итог.has_value()) << имя;
    // The name is shown with the characters it is refused for replaced.
    EXPECT_EQ(итог.error().rfind("недопустимое имя пакета '" + имя_для_терминала(имя) + "': ", 0), 0u) << итог.error();
    EXPECT_NE(итог.error().find(причина), std::string::npos) << итог.error();
    // What an older install may have made under such a name can still be found and removed.
    EXPECT_TRUE(проверить_путь_пакета(имя).has_value()) << имя;
  }
}

// Windows upper-cases each UTF-16 unit of a file name before comparing: such names share a folder.
TEST(ИмяПакета, РегистрБукв) {
  const std::vector<std::string> выбранные = {"Сеть", "ёлка", "ǅ", "straße", "\U0001D400"};
  const std::vector<std::pair<std::string, std::string>> одна_папка = {
      {"сеть", "Сеть"}, {"СЕТЬ", "Сеть"}, {"Ёлка", "ёлка"}, {"ǆ", "ǅ"}, {"STRAßE", "straße"}};
  РазличимыеИмена имена;
  for (const std::string& имя : выбранные) ASSERT_TRUE(имена.добавить(имя).has_value()) << имя;
  for (const auto& [имя, другое] : одна_папка) {
    auto итог = РазличимыеИмена(имена).добавить(имя);
    ASSERT_FALSE(итог.has_value()) << имя;
    EXPECT_EQ(итог.error(), "недопустимое имя пакета '" + имя + "': имя отличается от имени пакета '" + другое +
                                "' только регистром букв — в Windows у них была бы одна папка внутри 'пакеты/'");
  }
  // The same name again is the same package; full case folding (ß → SS) and letters outside the
  // Basic Multilingual Plane are not compared by Windows.
  for (const std::string имя : {"Сеть", "strasse", "STRASSE", "\U0001D41A", "сети", "елка"}) {
    EXPECT_TRUE(РазличимыеИмена(имена).добавить(имя).has_value()) << имя;
  }
}

// macOS and many editors bring names to Unicode normal form C: a name written otherwise would
// become another name there, and two spellings of one name would be two packages.
TEST(ИмяПакета, НормальнаяФормаЮникода) {
  const std::vector<std::string> не_в_nfc = {
      "\u0438\u0306",        // и and a combining breve: й written as two characters
      "e\u0301clair",        // é likewise
      "\u212B",              // the angstrom sign, which NFC makes Å
      "a\u0301\u0323",       // two marks in the wrong order
      "\u0439\u0438\u0306",  // й twice, once in each spelling
  };
  for (const std::string& имя : не_в_nfc) {
    auto итог = проверить_имя_пакета(имя);
    ASSERT_FALSE(итог.has_value()) << имя;
    EXPECT_EQ(итог.error(), "недопустимое имя пакета '" + имя +
                                "': имя не в нормальной форме Юникода NFC — macOS и многие редакторы записали бы те "
                                "же буквы иначе, и у пакета было бы два разных имени");
  }
  for (const std::string имя : {"\u0439", "\u00E9clair", "\u00C5", "\u1EA1\u0301", "i\u0307", "\u0131\u0301"}) {
    EXPECT_TRUE(проверить_имя_пакета(имя).has_value()) << имя;
  }

  // Names that Windows keeps apart, but that are one name once upper-cased and brought to that
  // form: i with a dot above as two characters, and the capital İ; ı with an acute, and í.
  РазличимыеИмена имена;
  ASSERT_TRUE(имена.добавить("\u0130").has_value());
  ASSERT_TRUE(имена.добавить("\u00ED").has_value());
  for (const auto& [имя, другое] :
       std::vector<std::pair<std::string, std::string>>{{"i\u0307", "\u0130"}, {"\u0131\u0301", "\u00ED"}}) {
    auto итог = РазличимыеИмена(имена).добавить(имя);
    ASSERT_FALSE(итог.has_value()) << имя;
    EXPECT_EQ(итог.error(), "недопустимое имя пакета '" + имя + "': имя отличается от имени пакета '" + другое +
                                "' только регистром букв и записью символов Юникода — в macOS, которая приводит "
                                "имена к одной форме, у них была бы одна папка внутри 'пакеты/'");
  }
  EXPECT_TRUE(РазличимыеИмена(имена).добавить("i").has_value());
}

}  // namespace
}  // namespace тувра::пакеты
