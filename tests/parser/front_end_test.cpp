// One call from text to program: the first error of either stage, or the rewritten tree,
// which refers to nothing but its own arena.
#include "parser/front_end.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <variant>

#include "source_parse.h"
#include "tree_text.h"

namespace тувра::тест {
namespace {

TEST(РазборТекста, ПерваяОшибкаЛюбойСтадии) {
  const auto лексическая = разобрать_текст("функция ф()\n  @\nконец");
  ASSERT_FALSE(лексическая);
  EXPECT_EQ(лексическая.error().строка, 2u);
  EXPECT_EQ(лексическая.error().столбец, 3u);

  const auto синтаксическая = разобрать_текст("функция ф(\nконец");
  ASSERT_FALSE(синтаксическая);
  EXPECT_EQ(текст_ошибки(синтаксическая.error()), "2:1: ожидался тип, встретилось «конец»");
}

// The tokens are read as the parse goes, yet a lexical error anywhere still comes first:
// after a parse error, after a whole program, past a parse stopped by the nesting limit.
TEST(РазборТекста, ЛексическаяОшибкаПозжеСинтаксическойПервая) {
  const std::string глубоко = "функция ф()\n  целое" + std::string(3000, '[') + "\n  @\nконец";
  for (const std::string& исходник : {std::string("функция ф(\nконец\n@"), std::string("функция ф()\nконец\n\"открыто"),
                                      глубоко, std::string("функция ф() конец функция г( ] @")}) {
    const auto итог = разобрать_текст(исходник);
    ASSERT_FALSE(итог) << исходник;
    EXPECT_TRUE(std::holds_alternative<ВидОшибкиЛексера>(итог.error().вид))
        << исходник << ": " << текст_ошибки(итог.error());
  }
}

TEST(РазборТекста, ДеревоСПереписываниемНеЗависитОтТекста) {
  std::string исходник = "функция ф(целое() а) печать(а(1), \"с ${а(2)}\"); конец\nподключить а.б;";
  auto программа = разобрать_текст(исходник);
  ASSERT_TRUE(программа) << текст_ошибки(программа.error());
  // The text goes away; the names and literal texts of the tree were copied out of it.
  исходник.assign(исходник.size(), '#');
  исходник.clear();
  исходник.shrink_to_fit();
  РазобраннаяПрограмма перенесённая = std::move(*программа);
  EXPECT_EQ(текст_программы(перенесённая.программа),
            "[ОбъявлениеФункции { позиция: Some(1:1), имя: \"ф\", параметры_типа: [], параметры: [Параметр { имя: "
            "\"а\", тип: Массив { элемент: Целое, размер: None }, по_ссылке: false }], тип_возврата: None, "
            "видимость: НеУказана, тело: [1:ИнструкцияВыражение(ВызовФункции { имя: \"печать\", "
            "типовые_параметры: [], аргументы: [ДоступПоИндексу { массив: Идентификатор(\"а\"), индекс: "
            "ЦелоеЛит(1) }, ИнтерполированныйТекст([Текст(\"с \"), Выражение(ДоступПоИндексу { массив: "
            "Идентификатор(\"а\"), индекс: ЦелоеЛит(2) })])] })] }, ПодключениеМодуля(\"а.б\")]");
}

}  // namespace
}  // namespace тувра::тест
