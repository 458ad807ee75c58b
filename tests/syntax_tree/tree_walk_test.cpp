// The field lists and the walks built on them: the compile-time check that a list names
// every member, a node's children in field order, and every node of a kind under a root
// found without recursion.
#include "syntax_tree/tree_walk.h"

#include <gtest/gtest.h>

#include <string>
#include <type_traits>
#include <vector>

#include "builders.h"
#include "syntax_tree/syntax_tree.h"

namespace тувра {

// Structs whose lists leave a member out, written as the macros write them but without
// their static_assert, so the check itself can be looked at.
namespace проверка_списков {

struct Агрегат {
  int а = 0;
  std::string_view б;
  СписокУзлов<УзелВыражения> в;
};
constexpr auto описание_полей(const Агрегат*) {
  return обход::Описание{"Агрегат", обход::Запись::Именованная,
                         std::tuple{ТУВРА_ПОЛЕ_УЗЛА(Агрегат, а), ТУВРА_ПОЛЕ_УЗЛА(Агрегат, в)}};
}

struct ПолныйАгрегат {
  int а = 0;
  std::optional<std::int64_t> б;
};
constexpr auto описание_полей(const ПолныйАгрегат*) {
  return обход::Описание{"ПолныйАгрегат", обход::Запись::Именованная,
                         std::tuple{ТУВРА_ПОЛЕ_УЗЛА(ПолныйАгрегат, а), ТУВРА_ПОЛЕ_УЗЛА(ПолныйАгрегат, б)}};
}

class Обёртка {
 public:
  explicit Обёртка(int значение) : вид(значение) {}
  int вид;
  std::size_t строка = 0;
};
constexpr auto описание_полей(const Обёртка*) {
  return обход::Описание{"Обёртка", обход::Запись::Прозрачная, std::tuple{ТУВРА_ПОЛЕ_УЗЛА(Обёртка, вид)}};
}

struct Повтор {
  int а = 0;
  int б = 0;
};
constexpr auto описание_полей(const Повтор*) {
  return обход::Описание{"Повтор", обход::Запись::Именованная,
                         std::tuple{ТУВРА_ПОЛЕ_УЗЛА(Повтор, а), ТУВРА_ПОЛЕ_УЗЛА(Повтор, а)}};
}

static_assert(!обход::проверка::покрывает_все_члены<Агрегат>());
static_assert(!обход::проверка::покрывает_все_члены<Повтор>());
static_assert(обход::проверка::покрывает_все_члены<ПолныйАгрегат>());
static_assert(!обход::проверка::покрывает_все_члены<Обёртка>());

}  // namespace проверка_списков

namespace {

using namespace проба;
using В = УзелВыражения;
using Т = СинтаксическийТип;
using И = Инструкция;

// What may hold what, worked out from the lists: walks for expressions never enter types.
static_assert(обход::может_содержать<Инструкция, СинтаксическийТип>);
static_assert(обход::может_содержать<ЦельПрисваивания, УзелВыражения>);
static_assert(обход::может_содержать<УзелВыражения, СинтаксическийТип>);
static_assert(!обход::может_содержать<СинтаксическийТип, УзелВыражения>);
static_assert(!обход::может_содержать<УзелВыражения, Инструкция>);
static_assert(!обход::может_содержать<УзелВыражения, ЦельПрисваивания>);

// Each child as its kind's first letter and rendering.
template <class Узел>
std::vector<std::string> дети(Узел& узел) {
  std::vector<std::string> итог;
  обход::для_детей(узел, [&](auto& ребёнок) {
    using Р = std::remove_cvref_t<decltype(ребёнок)>;
    if constexpr (std::is_same_v<Р, В>) итог.push_back("в:" + отладочный_текст_выражения(ребёнок));
    if constexpr (std::is_same_v<Р, Т>) итог.push_back("т:" + тип_в_текст(ребёнок));
    if constexpr (std::is_same_v<Р, И>) итог.push_back("и:" + std::to_string(ребёнок.строка));
    if constexpr (std::is_same_v<Р, ЦельПрисваивания>) итог.push_back("ц");
  });
  return итог;
}

TEST(ОбходДерева, ДетиВПорядкеПолей) {
  const В метод = В::ВызовМетода{
      ящик(имя("о")), "м", список<Т>(свой_тип("К"), Т::Текст{}),
      список<В>(целое(1), В::ИнтерполированныйТекст{список<ЧастьИнтерполяции>(
                              ЧастьИнтерполяции::Текст{"т"}, ЧастьИнтерполяции::Выражение{ящик(имя("в"))})})};
  EXPECT_EQ(дети(метод),
            (std::vector<std::string>{"в:Идентификатор(\"о\")", "т:К", "т:текст", "в:ЦелоеЛит(1)",
                                      "в:ИнтерполированныйТекст([Текст(\"т\"), Выражение(Идентификатор(\"в\"))])"}));
  // Children only: the grandchildren inside the interpolated text are not among them.
  const В лист = целое(3);
  EXPECT_TRUE(дети(лист).empty());

  const И ветвление(И::Ветвление{имя("у"), список<И>(выражение_в_строке(целое(1), 2)),
                                 список<И>(выражение_в_строке(целое(2), 4), выражение_в_строке(целое(3), 5))},
                    1);
  EXPECT_EQ(дети(ветвление), (std::vector<std::string>{"в:Идентификатор(\"у\")", "и:2", "и:4", "и:5"}));
  const И присваивание(И::Присваивание{ЦельПрисваивания::Переменная{"а"}, целое(1)}, 1);
  EXPECT_EQ(дети(присваивание), (std::vector<std::string>{"ц", "в:ЦелоеЛит(1)"}));

  // A declaration is walked the same way.
  const Параметр параметр{"п", опциональный(свой_тип("Т")), false};
  EXPECT_EQ(дети(параметр), (std::vector<std::string>{"т:Т?"}));
}

TEST(ОбходДерева, КаждыйУзелВидаБезРекурсии) {
  // A chain as deep as a long source makes it, with a type argument at its bottom.
  constexpr std::size_t глубина = 100'000;
  В цепочка = В::ВызовФункции{"ф", список<Т>(обобщённый("Список", список<Т>(свой_тип("Т")))), {}};
  for (std::size_t и = 0; и < глубина; ++и) цепочка = бинарное(std::move(цепочка), БинарныйОператор::Плюс, целое(1));

  std::size_t выражений = 0;
  обход::обойти<В>(std::as_const(цепочка), [&](const В&) {
    ++выражений;
    return true;
  });
  EXPECT_EQ(выражений, 2 * глубина + 1);

  std::size_t внешних = 0;
  обход::обойти<В>(std::as_const(цепочка), [&](const В&) {
    ++внешних;
    return false;
  });
  EXPECT_EQ(внешних, 1u);

  // Nearest types only when the callback stops at each: the generic, not its argument.
  std::vector<std::string> типы;
  обход::обойти<Т>(std::as_const(цепочка), [&](const Т& тип) {
    типы.push_back(тип_в_текст(тип));
    return false;
  });
  EXPECT_EQ(типы, (std::vector<std::string>{"Список из Т"}));
}

// The way a type-parameter substitution rewrites a copied body: every written type in place,
// names left alone, statement lines kept.
TEST(ОбходДерева, ЗаменаТиповВКопииТела) {
  std::vector<И> внутри;
  внутри.push_back(И(И::ОбъявлениеПеременной{массив(свой_тип("Т"), 3), "Т", вызов("Т", {})}, 4));
  std::vector<И> тело;
  тело.push_back(И(И::ЦиклПока{В::ВызовМетода{ящик(имя("Т")), "м", список<Т>(опциональный(свой_тип("Т"))), {}},
                               в_арену(std::move(внутри))},
                   3));
  тело.push_back(И(И::Возврат{В::ВызовФункции{"Т", список<Т>(обобщённый("Т", список<Т>(свой_тип("Т")))), {}}}, 6));
  const СписокУзлов<И> шаблон = в_арену(std::move(тело));

  СписокУзлов<И> копия = копия_списка_инструкций(шаблон, арена_копий());
  обход::обойти<Т>(копия, [&](Т& тип) {
    обход::обойти<Т>(тип, [&](Т& внутренний) {
      auto* свой = std::get_if<Т::Пользовательский>(&внутренний.вид);
      if (свой == nullptr || свой->имя != "Т") return true;
      внутренний = Т::Целое{};
      return false;
    });
    return false;
  });

  const auto& пока = std::get<И::ЦиклПока>(копия[0].вид_инструкции);
  EXPECT_EQ(отладочный_текст_выражения(пока.условие),
            "ВызовМетода { объект: Идентификатор(\"Т\"), метод: \"м\", типовые_параметры: [Опциональный(Целое)], "
            "аргументы: [] }");
  const auto& объявление = std::get<И::ОбъявлениеПеременной>(пока.тело[0].вид_инструкции);
  EXPECT_EQ(тип_в_текст(объявление.тип), "целое(3)");
  EXPECT_EQ(объявление.имя, "Т");
  EXPECT_EQ(отладочный_текст_выражения(*std::get<И::Возврат>(копия[1].вид_инструкции).значение),
            "ВызовФункции { имя: \"Т\", типовые_параметры: [Обобщённый { имя: \"Т\", параметры: [Целое] }], "
            "аргументы: [] }");
  EXPECT_EQ(копия[0].строка, 3u);
  EXPECT_EQ(пока.тело[0].строка, 4u);
  EXPECT_EQ(копия[1].строка, 6u);
  // The template itself is untouched.
  EXPECT_EQ(тип_в_текст(std::get<И::ОбъявлениеПеременной>(
                            std::get<И::ЦиклПока>(шаблон[0].вид_инструкции).тело[0].вид_инструкции)
                            .тип),
            "Т(3)");
}

TEST(ОбходДерева, КопияПереживаетАренуИсточника) {
  Арена копии;
  Инструкция копия;
  std::string ожидается;
  {
    Арена исходная;
    const СписокУзлов<И> пусто;
    const В вызов_ф = В::ВызовФункции{исходная.текст("ф"), {}, {}};
    И ветвление(И::Ветвление{В::Унарное{УнарныйОператор::Не, исходная.ящик(копия_выражения(вызов_ф, исходная))}, пусто,
                             std::nullopt},
                7);
    копия = копия_инструкции(ветвление, копии);
    ожидается = отладочный_текст_выражения(std::get<И::Ветвление>(ветвление.вид_инструкции).условие);
  }
  EXPECT_EQ(отладочный_текст_выражения(std::get<И::Ветвление>(копия.вид_инструкции).условие), ожидается);
  EXPECT_EQ(копия.строка, 7u);
}

}  // namespace
}  // namespace тувра
