// Nesting that no real program has ends in one syntax error where it went too deep; long
// flat runs parse normally.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <variant>
#include <vector>

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

// The links of an `иначе если` chain, from the outermost, with each link's line.
std::vector<const Инструкция::Ветвление*> звенья(const Инструкция& первое, std::vector<std::size_t>& строки) {
  std::vector<const Инструкция::Ветвление*> итог;
  const Инструкция* звено = &первое;
  for (;;) {
    строки.push_back(звено->строка);
    const auto& ветвление = std::get<Инструкция::Ветвление>(звено->вид_инструкции);
    итог.push_back(&ветвление);
    if (!ветвление.тело_иначе || ветвление.тело_иначе->size() != 1 ||
        !std::holds_alternative<Инструкция::Ветвление>((*ветвление.тело_иначе)[0].вид_инструкции)) {
      return итог;
    }
    звено = &(*ветвление.тело_иначе)[0];
  }
}

// A chain nests in the tree but costs no nesting: any length reads, in every form, and every
// walk over the tree (copy, comparison, the index rewrite) gets through it without recursion.
TEST(Вложенность, ЦепочкаИначеЕслиЛюбойДлины) {
  struct Случай {
    std::string форма;
    std::string начало;  // before the chain, inside the body
    std::string звено;   // repeated; `а(1)` is element access of the local `а`
    std::string конец;
    std::size_t строк_в_звене;
  };
  const std::string глубоко = повторить("если (а)\n", static_cast<int>(предел_вложенности) - 4);
  const std::string закрыть = повторить("конец\n", static_cast<int>(предел_вложенности) - 4);
  for (const Случай& случай : {
           Случай{"конец, на одной строке", "", "если (а(1)) б = 1; иначе ", "б = 2; конец\n", 0},
           Случай{"конец, звено на строке", "", "если (а(1))\n  б = 1;\nиначе ", "\nб = 2;\nконец\n", 2},
           Случай{"скобки", "", "если (а(1)) { б = 1; } иначе\n", "{ б = 2; }\n", 1},
           Случай{"скобки без иначе в конце", "", "если (а(1)) { б = 1; } иначе ", "если (б) { }\n", 0},
           Случай{"внутри блоков у предела", глубоко, "если (а(1)) б = 1; иначе ", "б = 2; конец\n" + закрыть, 0},
       }) {
    const std::string исходник =
        "функция ф(целое() а)\n" + случай.начало + повторить(случай.звено, много) + случай.конец + "конец\n";
    auto программа = программа_из(исходник);
    ASSERT_TRUE(программа) << случай.форма << ": " << текст_ошибки(программа.error());
    const auto& функция = std::get<ОбъявлениеФункции>(программа->программа.объявления[0].вид);
    const Инструкция* первое = &функция.тело[0];
    const auto строка_цепочки =
        static_cast<std::size_t>(2 + std::count(случай.начало.begin(), случай.начало.end(), '\n'));
    while (первое->строка != строка_цепочки) {
      первое = &std::get<Инструкция::Ветвление>(первое->вид_инструкции).тело[0];
    }
    std::vector<std::size_t> строки;
    const auto цепочка = звенья(*первое, строки);
    const bool последнее_без_иначе = случай.форма == "скобки без иначе в конце";
    ASSERT_EQ(цепочка.size(), static_cast<std::size_t>(много) + (последнее_без_иначе ? 1 : 0)) << случай.форма;
    EXPECT_EQ(строки[1], строки[0] + случай.строк_в_звене) << случай.форма;
    EXPECT_EQ(строки.back(), строки[0] + случай.строк_в_звене * (цепочка.size() - 1)) << случай.форма;
    EXPECT_EQ(цепочка.back()->тело_иначе.has_value(), !последнее_без_иначе) << случай.форма;
    // The rewrite reached the last link.
    EXPECT_TRUE(std::holds_alternative<УзелВыражения::ДоступПоИндексу>(цепочка[много - 1]->условие->вид))
        << случай.форма;
    Арена арена;
    const СписокУзлов<Инструкция> копия = копия_списка_инструкций(функция.тело, арена);
    EXPECT_TRUE(копия == функция.тело) << случай.форма;
    // A change in the copy tells the two apart.
    *std::get<Инструкция::Ветвление>(копия[0].вид_инструкции).условие = УзелВыражения::ВерноЛит{true};
    EXPECT_FALSE(копия == функция.тело) << случай.форма;
  }
}

// Real blocks keep their limit, also inside a chain.
TEST(Вложенность, БлокиВнутриЦепочкиСчитаютсяВложенностью) {
  const std::string исходник =
      "функция ф()\n" + повторить("если (а) б = 1; иначе ", много) + "\n" + повторить("если (а)\n", много) + "конец\n";
  EXPECT_EQ(итог_программы(исходник),
            std::to_string(1 + предел_вложенности) + ":7: " + сообщение_вложенности("имя «а»"));
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
