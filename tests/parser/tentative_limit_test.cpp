// Tentative readings near the nesting limit: a reading that failed because it went too deep
// may succeed from a shallower start, so what the parser remembers of it must not turn a
// later, shallower reading down. Sources are generated.
#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <variant>

#include "source_parse.h"
#include "tree_text.h"

namespace тувра::тест {
namespace {

std::string повтор(std::string_view часть, std::size_t раз) {
  std::string итог;
  итог.reserve(часть.size() * раз);
  for (std::size_t и = 0; и < раз; ++и) итог += часть;
  return итог;
}

// The column of the character at byte `байт`, counted from 1 in Unicode characters.
std::size_t столбец(const std::string& строка, std::size_t байт) {
  std::size_t символов = 0;
  for (std::size_t и = 0; и < байт; ++и) символов += (static_cast<unsigned char>(строка[и]) & 0xC0) != 0x80;
  return символов + 1;
}

const std::string начало_программы = "функция ф<Т>(Т х): верно\n  вернуть да;\nконец\nфункция г()\n";

// Whether the program parses with `ф<…>(…)` read as a call with type arguments, or its error.
std::string исход(const std::string& строка_тела) {
  auto программа = программа_из(начало_программы + строка_тела + "\nконец\n");
  if (!программа) return текст_ошибки(программа.error());
  const std::string текст = текст_программы(программа->программа);
  return текст.find("ВызовФункции { имя: \"ф\", типовые_параметры: [") != std::string::npos ? "вызов" : "без вызова";
}

std::string ошибка_в_строке(const std::string& строка_тела, std::size_t байт, const std::string& сообщение) {
  return "5:" + std::to_string(столбец(строка_тела, байт)) + ": " + сообщение;
}

const std::string слишком_глубоко = "слишком глубокая вложенность — больше 1000 уровней, встретилось ";

// Comparisons `а < а` before the call read `а <` as the start of a call with type arguments
// whose types nest one level per comparison, so the first readings meet the limit before
// they reach the call; the call itself then stands shallow.
struct Форма {
  const char* имя;
  std::string перед;      // up to the deep part
  std::string после;      // after it
  std::size_t уровень;    // the nesting the deep part starts on
  std::string сравнение;  // one comparison before the deep part
};

const Форма формы[] = {
    {"литерал массива", "вывести([", "][0]);", 3, "а < а, "},
    {"аргументы вызова", "вывести(", ");", 2, "а < а, "},
    {"цепочка сравнений", "вывести(", ");", 2, "а < "},
    {"аргументы метода", "м.н(", ");", 2, "а < а, "},
};

TEST(ПробныеЧтенияУПредела, ВызовВСкобкахПослеСравнений) {
  for (const Форма& форма : формы) {
    for (const std::size_t сравнений : {0, 995, 996, 997, 998, 999, 1000, 1500}) {
      const std::string перед = форма.перед + повтор(форма.сравнение, сравнений);
      // Parentheses up to the limit: the type argument `целое` stands on level `уровень` +
      // `скобок` + 1, the last level there is.
      const std::size_t до_предела = 1000 - форма.уровень - 1;
      for (std::size_t скобок = до_предела - 2; скобок <= до_предела + 2; ++скобок) {
        const std::string строка = перед + повтор("(", скобок) + "ф<целое>(1)" + повтор(")", скобок) + форма.после;
        std::string ожидание = "вызов";
        if (скобок == до_предела + 1) {
          // The call reads too deep: `ф < целое` is a comparison, and `целое` no operand.
          ожидание = ошибка_в_строке(строка, строка.find("целое"), "ожидалось выражение, встретилось «целое»");
        } else if (скобок == до_предела + 2) {
          ожидание = ошибка_в_строке(строка, строка.find("ф<"), слишком_глубоко + "имя «ф»");
        }
        EXPECT_EQ(исход(строка), ожидание) << форма.имя << ", " << сравнений << " сравнений, " << скобок << " скобок";
      }
    }
  }
}

TEST(ПробныеЧтенияУПредела, ВложенныеТипыВызоваПослеСравнений) {
  for (const Форма& форма : формы) {
    for (const std::size_t сравнений : {0, 996, 997, 998, 999, 1500}) {
      const std::string перед = форма.перед + повтор(форма.сравнение, сравнений);
      // `целое` inside `Список<…>` types, the last on level 1000.
      const std::size_t до_предела = 1000 - форма.уровень - 1;
      for (std::size_t списков = до_предела - 2; списков <= до_предела + 1; ++списков) {
        const std::string строка =
            перед + "ф<" + повтор("Список<", списков) + "целое" + повтор(">", списков) + ">(1)" + форма.после;
        std::string ожидание = "вызов";
        if (списков > до_предела) {
          // Read as comparisons, the first `Список` after `<` ends at the next `<`… and
          // `целое` is no operand.
          ожидание = ошибка_в_строке(строка, строка.find("целое"), "ожидалось выражение, встретилось «целое»");
        }
        EXPECT_EQ(исход(строка), ожидание) << форма.имя << ", " << сравнений << " сравнений, " << списков << " списков";
      }
    }
  }
}

// The issue's own shape: only the count of comparisons changes, and every count parses.
TEST(ПробныеЧтенияУПредела, ЧислоСравненийНеВажно) {
  for (std::size_t сравнений = 990; сравнений <= 1010; ++сравнений) {
    const std::string строка = "вывести([" + повтор("а < а, ", сравнений) + "ф<целое>(1)][0]);";
    EXPECT_EQ(исход(строка), "вызов") << сравнений;
  }
  const std::string без_закрытия = "вывести(" + повтор("а < ", 5000) + "ф<целое>(1));";
  EXPECT_EQ(исход(без_закрытия), "вызов");
}

// Tokens are given back while a long statement is read, but never those a tentative reading
// under way may go back to: here the call `-а<Б>(…)` reads a long array and fails only at its
// deep last element (the prefix sets the call's arguments one level below the parentheses
// the comparisons read them in), so the parser goes back over the whole array. The outcome
// is the same as with a short array.
TEST(ПробныеЧтенияУПредела, ПробаВозвращаетсяЧерезОтпущенныеТокены) {
  const auto вид_исхода = [](std::size_t элементов, std::size_t скобок) {
    const std::string строка =
        "вывести(-а < Б > ([" + повтор("1, ", элементов) + повтор("(", скобок) + "1" + повтор(")", скобок) + "]));";
    auto программа = программа_из(начало_программы + строка + "\nконец\n");
    if (!программа) return программа.error().сообщение_ошибки;
    const std::string текст = текст_программы(программа->программа);
    return std::string(текст.find("ВызовФункции { имя: \"а\"") != std::string::npos ? "вызов" : "сравнения");
  };
  bool сравнения_после_пробы = false;
  for (std::size_t скобок = 990; скобок <= 1000; ++скобок) {
    const std::string короткий = вид_исхода(2, скобок);
    EXPECT_EQ(вид_исхода(20000, скобок), короткий) << скобок;
    сравнения_после_пробы = сравнения_после_пробы || короткий == "сравнения";
  }
  EXPECT_TRUE(сравнения_после_пробы);
}

// After tokens were given back inside a statement, an error still stands where it is, and a
// lexical error further on still comes first.
TEST(ПробныеЧтенияУПредела, ОшибкиПослеОтпущенныхТокенов) {
  const std::string длинный = "вывести(" + повтор("1, ", 20000);
  EXPECT_EQ(исход(длинный + ");"),
            ошибка_в_строке(длинный + ");", длинный.size(), "ожидалось выражение, встретилось «)»"));
  const std::string с_пробой = длинный + "а < Б > (1; 2);";
  EXPECT_EQ(исход(с_пробой), ошибка_в_строке(с_пробой, с_пробой.find(';'),
                                             "закрывающая скобка выражения: ожидалось «)», но встретилось «;»"));
  for (const std::string& хвост :
       {std::string(");\n  @"), std::string("1 +);\n\"открыто"), "а < " + повтор("Б < ", 3000) + ");\n  @"}) {
    auto программа = программа_из(начало_программы + длинный + хвост + "\nконец\n");
    ASSERT_FALSE(программа);
    EXPECT_TRUE(std::holds_alternative<ВидОшибкиЛексера>(программа.error().вид)) << текст_ошибки(программа.error());
  }
}

}  // namespace
}  // namespace тувра::тест
