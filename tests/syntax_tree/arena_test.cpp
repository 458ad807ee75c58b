// The arena hands out memory that stays put and never overlaps, whatever the sizes and
// alignments asked for, and a moved arena keeps its nodes where they are.
#include "syntax_tree/arena.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <new>
#include <span>
#include <string>
#include <vector>

#include "builders.h"
#include "syntax_tree/syntax_tree.h"

namespace тувра {
namespace {

using namespace проба;

struct alignas(16) Широкое {
  std::uint64_t а;
  std::uint64_t б;
};

TEST(Арена, РазмещённоеНеПерекрываетсяИВыровнено) {
  Арена арена;
  std::vector<std::uint8_t*> байты;
  std::vector<std::int64_t*> числа;
  std::vector<Широкое*> широкие;
  std::vector<СписокУзлов<std::int64_t>> списки;
  // Enough to fill many blocks, with odd sizes between the aligned ones and a list bigger
  // than any block now and then.
  for (std::int64_t и = 0; и < 200'000; ++и) {
    байты.push_back(арена.создать<std::uint8_t>(static_cast<std::uint8_t>(и)));
    числа.push_back(арена.создать<std::int64_t>(и));
    широкие.push_back(арена.создать<Широкое>(Широкое{static_cast<std::uint64_t>(и), ~static_cast<std::uint64_t>(и)}));
    if (и % 50'000 == 0) {
      auto список = арена.список<std::int64_t>(300'000);
      for (std::size_t к = 0; к < список.size(); ++к) список[к] = и + static_cast<std::int64_t>(к);
      списки.push_back(список);
    }
  }
  for (std::int64_t и = 0; и < 200'000; ++и) {
    const auto номер = static_cast<std::size_t>(и);
    ASSERT_EQ(*байты[номер], static_cast<std::uint8_t>(и));
    ASSERT_EQ(*числа[номер], и);
    ASSERT_EQ(reinterpret_cast<std::uintptr_t>(числа[номер]) % alignof(std::int64_t), 0u);
    ASSERT_EQ(reinterpret_cast<std::uintptr_t>(широкие[номер]) % 16, 0u);
    ASSERT_EQ(широкие[номер]->а, static_cast<std::uint64_t>(и));
    ASSERT_EQ(широкие[номер]->б, ~static_cast<std::uint64_t>(и));
  }
  for (std::size_t номер = 0; номер < списки.size(); ++номер) {
    ASSERT_EQ(списки[номер].size(), 300'000u);
    EXPECT_EQ(списки[номер].front(), static_cast<std::int64_t>(номер) * 50'000);
    EXPECT_EQ(списки[номер].back(), static_cast<std::int64_t>(номер) * 50'000 + 299'999);
  }
  EXPECT_GE(арена.занято(), 200'000u * (1 + 8 + 16) + 4u * 300'000u * 8);
}

TEST(Арена, ТекстыКопируются) {
  Арена арена;
  std::string исходный = "имя_из_буфера";
  const std::string_view копия = арена.текст(исходный);
  исходный.assign(исходный.size(), 'x');
  EXPECT_EQ(копия, "имя_из_буфера");
  EXPECT_NE(копия.data(), исходный.data());
  EXPECT_TRUE(арена.текст("").empty());
}

TEST(Арена, СписокЗабираетЭлементыПоПорядку) {
  Арена арена;
  std::vector<УзелВыражения> готовые;
  готовые.push_back(УзелВыражения::ЦелоеЛит{1});
  готовые.push_back(УзелВыражения::Идентификатор{арена.текст("б")});
  const СписокУзлов<УзелВыражения> список = арена.список(std::span<УзелВыражения>(готовые));
  готовые.clear();
  ASSERT_EQ(список.size(), 2u);
  EXPECT_EQ(отладочный_текст_выражения(список[0]), "ЦелоеЛит(1)");
  EXPECT_EQ(отладочный_текст_выражения(список[1]), "Идентификатор(\"б\")");
  EXPECT_TRUE(арена.список(std::span<УзелВыражения>()).empty());
  const СписокУзлов<СинтаксическийТип> пустые = арена.список<СинтаксическийТип>(3);
  for (const auto& тип : пустые) EXPECT_EQ(тип_в_текст(тип), "целое");
}

// A buffer from malloc, taken over as a list among blocks of the arena's own, and freed with
// them (the sanitizer build checks that it is freed once, and as what it was).
TEST(Арена, ПринятыйБуферСтановитсяСписком) {
  Арена арена;
  арена.создать<std::int64_t>(1);
  constexpr std::size_t число = 3;
  void* буфер = std::malloc(Арена::начало_списка_в_буфере<УзелВыражения> + число * sizeof(УзелВыражения));
  ASSERT_NE(буфер, nullptr);
  auto* элементы =
      reinterpret_cast<УзелВыражения*>(static_cast<char*>(буфер) + Арена::начало_списка_в_буфере<УзелВыражения>);
  for (std::size_t и = 0; и < число; ++и)
    ::new (элементы + и) УзелВыражения(УзелВыражения::ЦелоеЛит{static_cast<std::int64_t>(и)});
  const СписокУзлов<УзелВыражения> список = арена.принять_список<УзелВыражения>(буфер, число);
  const СписокУзлов<УзелВыражения> после = арена.список<УзелВыражения>(2);
  ASSERT_EQ(список.size(), число);
  EXPECT_EQ(отладочный_текст_выражения(список[2]), "ЦелоеЛит(2)");
  EXPECT_EQ(после.size(), 2u);
  Арена перемещённая(std::move(арена));
  EXPECT_EQ(отладочный_текст_выражения(список.back()), "ЦелоеЛит(2)");
}

TEST(Арена, ПеремещениеОставляетУзлыНаМесте) {
  Арена первая;
  УзелВыражения* узел = первая.создать<УзелВыражения>(
      УзелВыражения::Бинарное{первая.ящик(УзелВыражения(УзелВыражения::Идентификатор{первая.текст("а")})),
                              БинарныйОператор::Плюс, первая.ящик(УзелВыражения(УзелВыражения::ЦелоеЛит{1}))});
  const std::string ожидается = отладочный_текст_выражения(*узел);

  Арена вторая(std::move(первая));
  EXPECT_EQ(отладочный_текст_выражения(*узел), ожидается);
  Арена третья;
  третья.создать<std::int64_t>(7);
  третья = std::move(вторая);  // drops what третья held
  EXPECT_EQ(отладочный_текст_выражения(*узел), ожидается);

  // A moved-from arena is empty and serves again.
  EXPECT_EQ(первая.занято(), 0u);
  EXPECT_EQ(*первая.создать<std::int64_t>(5), 5);
}

}  // namespace
}  // namespace тувра
