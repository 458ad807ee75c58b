#include "completion.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "reference_table/reference_table.h"

namespace тувра::lsp {
namespace {

struct Ожидание {
  std::string label;
  int kind;
  std::string detail;

  bool operator==(const Ожидание&) const = default;
  friend std::ostream& operator<<(std::ostream& вывод, const Ожидание& о) {
    return вывод << о.label << " " << о.kind << " " << о.detail;
  }
};

std::vector<Ожидание> после_справки(const std::vector<CompletionItem>& элементы) {
  std::vector<Ожидание> хвост;
  for (std::size_t i = 62; i < элементы.size(); ++i) {
    EXPECT_FALSE(элементы[i].documentation) << элементы[i].label;
    хвост.push_back({элементы[i].label, элементы[i].kind, элементы[i].detail});
  }
  return хвост;
}

TEST(Дополнение, ReferenceItemsInTableOrder) {
  const auto статьи = справка_языка();
  const auto элементы = список_дополнений("");
  ASSERT_EQ(элементы.size(), 62u);
  int ключевых = 0, типов = 0, функций = 0;
  for (std::size_t i = 0; i < 62; ++i) {
    const auto& э = элементы[i];
    EXPECT_EQ(э.label, статьи[i].слово);
    EXPECT_EQ(э.detail, статьи[i].заголовок);
    if (статьи[i].пояснение.empty()) {
      EXPECT_FALSE(э.documentation) << э.label;
    } else {
      EXPECT_EQ(э.documentation, std::string(статьи[i].пояснение));
    }
    // The sections come in blocks: keywords, types, functions.
    const int ожидаемый = i < 24 ? 14 : i < 40 ? 7 : 3;
    EXPECT_EQ(э.kind, ожидаемый) << э.label;
    ключевых += э.kind == 14;
    типов += э.kind == 7;
    функций += э.kind == 3;
  }
  EXPECT_EQ(ключевых, 24);
  EXPECT_EQ(типов, 16);
  EXPECT_EQ(функций, 22);
  EXPECT_EQ(элементы[0].label, "конец");
  EXPECT_EQ(элементы[61].label, "выполнить_команду");
  EXPECT_EQ(элементы[34].label, "дробное32");
  EXPECT_FALSE(элементы[34].documentation);
}

TEST(Дополнение, SectionKinds) {
  EXPECT_EQ(виды_разделов_справки(РазделСправки::КлючевоеСлово), 14);
  EXPECT_EQ(виды_разделов_справки(РазделСправки::ТипДанных), 7);
  EXPECT_EQ(виды_разделов_справки(РазделСправки::ВстроеннаяФункция), 3);
}

TEST(Дополнение, OneItemPerDeclarationInSourceOrder) {
  const auto элементы = список_дополнений(
      "подключить мод;\n"
      "структура Точка целое x; целое y; функция сдвинуть() конец конец\n"
      "функция ф(целое а, текст б): верно вернуть да; конец\n"
      "функция главная() конец\n"
      "контракт Фигура функция площадь(): дробное; конец\n"
      "контракт Пустой конец\n"
      "внешняя функция печать(текст с, ссылка Список из целое л) как \"puts\";\n"
      "внешняя функция время(): целое64;\n"
      "функция обмен<T>(T а): T вернуть а; конец\n"
      "структура Пустая конец\n"
      "функция длина() конец\n"
      "функция главная(целое8()? н) конец\n");
  EXPECT_EQ(после_справки(элементы),
            (std::vector<Ожидание>{{"Точка", 22, "структура (2 полей)"},
                                   {"ф", 3, "функция(целое а, текст б): верно"},
                                   {"главная", 3, "функция()"},
                                   {"Фигура", 8, "контракт (1 метод(ов))"},
                                   {"Пустой", 8, "контракт (0 метод(ов))"},
                                   {"печать", 3, "внешняя функция(текст с, Список из целое л)"},
                                   {"время", 3, "внешняя функция(): целое64"},
                                   {"обмен", 3, "функция(T а): T"},
                                   {"Пустая", 22, "структура (0 полей)"},
                                   // Nothing is merged: a reference word and a repeated name are offered again.
                                   {"длина", 3, "функция()"},
                                   {"главная", 3, "функция(целое8()? н)"}}));
}

TEST(Дополнение, UnparsedTextGetsTheReferenceItems) {
  EXPECT_EQ(список_дополнений("структура Точка целое x;").size(), 62u);
  EXPECT_EQ(список_дополнений("функция ф() @").size(), 62u);
}

}  // namespace
}  // namespace тувра::lsp
