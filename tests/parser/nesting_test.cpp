// Nesting that no real program has ends in one syntax error where it went too deep; long
// flat runs parse normally.
#include <gtest/gtest.h>

#include <string>
#include <variant>

#include "parser/parser.h"
#include "source_parse.h"

namespace тувра::тест {
namespace {

constexpr int много = 100000;

std::string повторить(const std::string& кусок, int раз) {
  std::string итог;
  итог.reserve(кусок.size() * раз);
  for (int к = 0; к < раз; ++к) итог += кусок;
  return итог;
}

std::string сообщение_вложенности(const std::string& встретилось) {
  return "слишком глубокая вложенность — больше " + std::to_string(предел_вложенности) + " уровней, встретилось " +
         встретилось;
}

TEST(Вложенность, ГлубокиеБлокиДаютОднуОшибку) {
  // Blocks and expressions share one count: the body is one level, each nested block one
  // more, and reading an expression one more. So the error comes in the condition or the
  // collection of the statement on line 1 + 1000, or where the block of a statement that
  // reads no expression starts.
  const std::string строка = std::to_string(1 + предел_вложенности);
  const std::string следующая = std::to_string(2 + предел_вложенности);
  struct Случай {
    std::string открытие;
    std::string ожидание;
  };
  for (const Случай& случай : {
           Случай{"если (а)\n", строка + ":7: " + сообщение_вложенности("имя «а»")},
           Случай{"если (а) {\n", строка + ":7: " + сообщение_вложенности("имя «а»")},
           Случай{"пока (а)\n", строка + ":7: " + сообщение_вложенности("имя «а»")},
           Случай{"для каждого х в с\n", строка + ":17: " + сообщение_вложенности("имя «с»")},
           Случай{"параллельно\n", следующая + ":1: " + сообщение_вложенности("«параллельно»")},
           Случай{"параллельно {\n", строка + ":13: " + сообщение_вложенности("«{»")},
       }) {
    const std::string исходник = "функция ф()\n" + повторить(случай.открытие, много);
    EXPECT_EQ(итог_программы(исходник), случай.ожидание) << случай.открытие;
  }
}

TEST(Вложенность, ЦепочкаИначеЕслиСчитаетсяВложенностью) {
  // The chain nests in the tree, one `Ветвление` inside the other.
  const std::string исходник = "функция ф()\n" + повторить("если (а) б = 1; иначе ", много) + "б = 2; конец конец";
  const std::string итог = итог_программы(исходник);
  EXPECT_EQ(итог.rfind("2:", 0), 0u) << итог.substr(0, 200);
  EXPECT_NE(итог.find(": слишком глубокая вложенность — больше "), std::string::npos) << итог.substr(0, 200);
}

TEST(Вложенность, ГлубинаНижеПределаРазбирается) {
  // The body, these blocks and the innermost statement's expression: exactly the limit.
  const int уровни = static_cast<int>(предел_вложенности) - 2;
  const std::string исходник =
      "функция ф()\n" + повторить("если (а)\n", уровни) + "б = 1;\n" + повторить("конец\n", уровни) + "конец\n";
  auto программа = программа_из(исходник);
  ASSERT_TRUE(программа) << текст_ошибки(программа.error());
  const СписокУзлов<Инструкция>* тело = &std::get<ОбъявлениеФункции>(программа->программа.объявления[0].вид).тело;
  int глубина = 0;
  while (const auto* ветвление = std::get_if<Инструкция::Ветвление>(&(*тело)[0].вид_инструкции)) {
    тело = &ветвление->тело;
    ++глубина;
  }
  EXPECT_EQ(глубина, уровни);
}

TEST(Вложенность, ДлинныеПлоскиеПоследовательности) {
  const std::string исходник =
      "функция ф()\n" + повторить("х = х + 1;\n", много) + "конец\n" + повторить("функция г() конец\n", 1000);
  auto программа = программа_из(исходник);
  ASSERT_TRUE(программа) << текст_ошибки(программа.error());
  ASSERT_EQ(программа->программа.объявления.size(), 1001u);
  const auto& тело = std::get<ОбъявлениеФункции>(программа->программа.объявления[0].вид).тело;
  ASSERT_EQ(тело.size(), static_cast<std::size_t>(много));
  EXPECT_EQ(тело.back().строка, static_cast<std::size_t>(много + 1));
}

TEST(Вложенность, ПослеОшибкиВложенностиРазборНеПродолжается) {
  // The error of the deepest level is passed up unchanged, whatever follows.
  const std::string исходник =
      "функция ф()\n" + повторить("если (а)\n", много) + повторить("конец\n", много) + "конец\nфункция г() x конец";
  EXPECT_EQ(итог_программы(исходник),
            std::to_string(предел_вложенности + 1) + ":7: " + сообщение_вложенности("имя «а»"));
}

}  // namespace
}  // namespace тувра::тест
