// Where token texts live: views of the source where written as is, copies kept by the token
// list where escapes were resolved or ill-formed bytes replaced.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "lex_helpers.h"

namespace тувра {
namespace {

bool внутри(std::string_view часть, std::string_view целое) {
  const std::less_equal<const char*> не_дальше;
  return не_дальше(целое.data(), часть.data()) && не_дальше(часть.data() + часть.size(), целое.data() + целое.size());
}

struct Случай {
  std::string исходник;  // one token
  std::string текст;     // its text
  bool вид_исходника;    // the text views the source
};

TEST(ТекстыТокенов, ВидИсходникаИлиКопия) {
  const std::vector<Случай> таблица = {
      {"имя_1", "имя_1", true},
      {"𝑥²", "𝑥²", true},
      {"\"обычный текст\"", "обычный текст", true},
      {"\"\"", "", true},
      {"\"строки\nи ${x} %y%\"", "строки\nи ${x} %y%", true},
      {"\"U+FFFD as such: \xEF\xBF\xBD\"", "U+FFFD as such: \xEF\xBF\xBD", true},
      {"\"a\\nb\"", "a\nb", false},
      {"\"\\\"\\$\\\\\\r\\t\"", "\"$\\\r\t", false},
      {"\"\\q\\ж\"", "\\q\\ж", false},
      {"\"\\\n\"", "\\\n", false},
      {"\"a\xFF\"", "a\uFFFD", false},
      {"\"\\\xC0\"", "\\\uFFFD", false},
      {"\"x\xE2\x82y\xF0\x9F\x98\"", "x\uFFFDy\uFFFD", false},
  };
  for (const auto& [исходник, текст, вид_исходника] : таблица) {
    SCOPED_TRACE(testing::PrintToString(исходник));
    auto итог = тест::лексировать(исходник);
    ASSERT_TRUE(итог) << итог.error().сообщение_ошибки;
    ASSERT_EQ(итог->size(), 2u);
    const std::string_view найдено = (*итог)[0].вид.текст();
    EXPECT_EQ(найдено, текст);
    if (!найдено.empty()) {
      EXPECT_EQ(внутри(найдено, исходник), вид_исходника);
    }
  }
}

// Many built texts, some larger than any block, stay intact however the list moves.
TEST(ТекстыТокенов, КопииЖивутСоСписком) {
  std::string исходник;
  std::vector<std::string> ожидание;
  for (int i = 0; i < 3000; ++i) {
    const std::string хвост = i % 500 == 0 ? std::string(5000, 'z') : std::to_string(i);
    исходник += "\"\\t" + хвост + "\" ";
    ожидание.push_back("\t" + хвост);
  }
  СписокТокенов список;
  {
    auto лексер = новый_лексер(исходник);
    auto итог = разбить_на_токены(лексер);
    ASSERT_TRUE(итог);
    СписокТокенов промежуточный(std::move(итог).value());
    список = std::move(промежуточный);
    EXPECT_TRUE(промежуточный.empty());
  }
  ASSERT_EQ(список.size(), ожидание.size() + 1);
  for (std::size_t i = 0; i < ожидание.size(); ++i) {
    ASSERT_EQ(список[i].вид.текст(), ожидание[i]) << "token " << i;
    EXPECT_FALSE(внутри(список[i].вид.текст(), исходник));
  }
}

// A list moved from keeps nothing it could write into.
TEST(ТекстыТокенов, ПеремещённыйСписокНеПишетВЧужое) {
  СписокТокенов первый;
  const std::string_view сохранённый = первый.сохранить("первый");
  СписокТокенов второй(std::move(первый));
  const std::string_view новый = первый.сохранить("второй текст");
  EXPECT_EQ(сохранённый, "первый");
  EXPECT_EQ(новый, "второй текст");
  EXPECT_TRUE(второй.empty());
}

// The tokens lie in pieces: those after a stretch given back read as before, across the
// pieces' borders and after moves, and the texts the list built stay.
TEST(ТекстыТокенов, ОтпущенныеКускиНеТрогаютОстальные) {
  constexpr std::size_t токенов = 100000;
  // Appended piece by piece: GCC 12 at -O3 warns falsely (-Wrestrict) on `"литерал" + строка`.
  const auto текст_номер = [](std::size_t i) {
    std::string т(i % 1000 == 0 ? "\t" : "x");
    т.append(std::to_string(i));
    return т;
  };
  std::string исходник;
  for (std::size_t i = 0; i < токенов; ++i) {
    if (i % 1000 == 0) {
      исходник.append("\"\\t").append(std::to_string(i)).append("\" ");
    } else {
      исходник.append(текст_номер(i)).append(" ");
    }
  }
  auto лексер = новый_лексер(исходник);
  auto итог = разбить_на_токены(лексер);
  ASSERT_TRUE(итог);
  СписокТокенов список(std::move(итог).value());
  ASSERT_EQ(список.size(), токенов + 1);
  for (const std::size_t до : {std::size_t{0}, std::size_t{10}, std::size_t{40000}, std::size_t{65536}, токенов}) {
    список.отпустить_до(до);
    for (std::size_t i = до; i < токенов; i += 997) {
      ASSERT_EQ(список[i].вид.текст(), текст_номер(i)) << "token " << i << " after giving back up to " << до;
    }
    EXPECT_EQ(список.back().вид.номер(), ВидТокена::КонецФайла);
  }
  СписокТокенов перемещённый(std::move(список));
  EXPECT_EQ(перемещённый.size(), токенов + 1);
  EXPECT_EQ(перемещённый.back().вид.номер(), ВидТокена::КонецФайла);
  EXPECT_TRUE(список.empty());
}

// A list read as it is used holds the same tokens as one read whole, texts and positions
// included, and a lexical error ends it with a КонецФайла and the same error; it asks the
// lexer for no token before it is needed.
TEST(ТекстыТокенов, ЧтениеПоМереТеЖеТокены) {
  for (const std::string& исходник :
       {std::string(), std::string("функция ф()\n  вывести(\"а\\tб ${х}\", 1.5, 42);\nконец\n"),
        std::string("а \xff б"), std::string("а б\n  @ в"), std::string("\"незакрыто"), std::string("// только\n")}) {
    auto целиком_лексер = новый_лексер(исходник);
    auto целиком = разбить_на_токены(целиком_лексер);
    auto по_мере = токены_по_мере_чтения(новый_лексер(исходник));
    ASSERT_TRUE(по_мере) << исходник;
    EXPECT_TRUE(по_мере->empty()) << исходник;
    std::size_t номер = 0;
    while (по_мере->есть(номер)) ++номер;
    ASSERT_TRUE(по_мере->дочитан());
    EXPECT_EQ(по_мере->back().вид.номер(), ВидТокена::КонецФайла) << исходник;
    if (!целиком) {
      ASSERT_TRUE(по_мере->ошибка().has_value()) << исходник;
      EXPECT_EQ(по_мере->ошибка()->сообщение_ошибки, целиком.error().сообщение_ошибки);
      EXPECT_EQ(по_мере->ошибка()->строка, целиком.error().строка);
      EXPECT_EQ(по_мере->ошибка()->столбец, целиком.error().столбец);
      continue;
    }
    EXPECT_FALSE(по_мере->ошибка().has_value()) << исходник;
    ASSERT_EQ(по_мере->size(), целиком->size()) << исходник;
    for (std::size_t и = 0; и < целиком->size(); ++и) {
      EXPECT_EQ((*по_мере)[и], (*целиком)[и]) << исходник << " #" << и;
    }
  }
}

}  // namespace
}  // namespace тувра
