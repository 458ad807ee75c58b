#include "signatures.h"

#include <gtest/gtest.h>

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace тувра::lsp {
namespace {

// String literals outlive the arena's lists, so the names may view them directly.
Параметр параметр(std::string_view имя, СинтаксическийТип тип, bool по_ссылке = false) {
  return Параметр{имя, std::move(тип), по_ссылке};
}

СписокУзлов<Параметр> два_параметра(Арена& арена) {
  std::vector<Параметр> параметры;
  параметры.push_back(параметр("а", СинтаксическийТип::Целое{}, true));
  параметры.push_back(параметр("б", СинтаксическийТип::Пользовательский{"Точка"}));
  return арена.список(std::span<Параметр>(параметры));
}

struct Случай {
  const char* название;
  СписокУзлов<Параметр> параметры;
  std::optional<СинтаксическийТип> результат;
  std::string при_наведении;
  std::string при_дополнении;
};

// The same declarations as hover and completion write them: they differ only for a result
// type whose text is empty, where hover keeps the ": ".
TEST(Сигнатура, HoverAndCompletionForTheSameDeclarations) {
  Арена арена;
  std::vector<Случай> случаи;
  случаи.push_back({"no parameters, no result", {}, std::nullopt, "()", "()"});
  случаи.push_back(
      {"parameters, no result", два_параметра(арена), std::nullopt, "(целое а, Точка б)", "(целое а, Точка б)"});
  случаи.push_back({"written result", два_параметра(арена), СинтаксическийТип::Верно{}, "(целое а, Точка б): верно",
                    "(целое а, Точка б): верно"});
  случаи.push_back({"result with an empty text", {}, СинтаксическийТип::Пользовательский{""}, "(): ", "()"});

  for (const Случай& с : случаи) {
    EXPECT_EQ(сигнатура(с.параметры, с.результат, ПустойРезультат::с_двоеточием), с.при_наведении) << с.название;
    EXPECT_EQ(сигнатура(с.параметры, с.результат, ПустойРезультат::без_суффикса), с.при_дополнении) << с.название;
  }
}

TEST(Сигнатура, Pieces) {
  Арена арена;
  const СписокУзлов<Параметр> параметры = два_параметра(арена);
  EXPECT_EQ(строки_параметров(параметры), (std::vector<std::string>{"целое а", "Точка б"}));
  EXPECT_EQ(суффикс_возврата(СинтаксическийТип::Пользовательский{""}), ": ");

  std::vector<ПолеСтруктуры> поля;
  поля.push_back(ПолеСтруктуры{"x", СинтаксическийТип::Дробное{}, Видимость::Приватная, true});
  поля.push_back(ПолеСтруктуры{"имя", СинтаксическийТип::Текст{}});
  EXPECT_EQ(соединить(строки_полей(арена.список(std::span<ПолеСтруктуры>(поля))), "\n"),
            "    дробное x;\n    текст имя;");
  EXPECT_EQ(соединить({}, ", "), "");
}

}  // namespace
}  // namespace тувра::lsp
