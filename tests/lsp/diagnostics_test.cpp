#include "diagnostics.h"

#include <gtest/gtest.h>

namespace тувра::lsp {
namespace {

TEST(Диагностики, PositionsFromFrontEndCounts) {
  struct Случай {
    std::size_t строка, столбец;
    Range диапазон;
  };
  const Случай случаи[] = {
      {3, 5, {{2, 4}, {2, 5}}},
      {1, 1, {{0, 0}, {0, 1}}},
      {0, 0, {{0, 0}, {0, 1}}},
      {1, 0, {{0, 0}, {0, 1}}},
      {std::size_t(1) << 40, std::size_t(1) << 40, {{UINT32_MAX, UINT32_MAX}, {UINT32_MAX, UINT32_MAX}}},
  };
  for (const auto& с : случаи) {
    const auto д = создать_диагностику(с.строка, с.столбец, "сообщение");
    EXPECT_EQ(д.range, с.диапазон) << с.строка << ":" << с.столбец;
    EXPECT_EQ(д.severity, DiagnosticSeverity::Error);
    EXPECT_EQ(д.source, "Тувра");
    EXPECT_EQ(д.message, "сообщение");
  }
}

TEST(Диагностики, ValidTextHasNone) {
  EXPECT_TRUE(диагностика_текста("").empty());
  EXPECT_TRUE(диагностика_текста("функция главная()\n  целое х = 1;\nконец\n").empty());
}

TEST(Диагностики, LexErrorInScalarValuesOfTheLine) {
  // Two-byte Cyrillic letters and a four-byte emoji each count as one character.
  const auto список = диагностика_текста("// ж\nтекст т = \"😀\" @\n");
  ASSERT_EQ(список.size(), 1u);
  EXPECT_EQ(список[0].range, (Range{{1, 14}, {1, 15}}));
  EXPECT_EQ(список[0].message, "неожиданный символ: '@'");
}

TEST(Диагностики, ParseErrorIsTheOnlyOne) {
  // The parse stops at its first error; the later one is never looked for.
  const auto список = диагностика_текста("функция а() конец функция б( конец\nфункция ( конец\n");
  ASSERT_EQ(список.size(), 1u);
  EXPECT_EQ(список[0].range, (Range{{0, 29}, {0, 30}}));
  EXPECT_EQ(список[0].message, "ожидался тип, встретилось «конец»");
}

}  // namespace
}  // namespace тувра::lsp

namespace тувра::lsp {
namespace {

TEST(Диагностики, AnalysisErrorStandsAtTheDocumentStart) {
  // The error is about line 3; the diagnostic still covers the first character only.
  const auto список = диагностика_текста("функция ф()\n\n  прервать;\nконец\n");
  ASSERT_EQ(список.size(), 1u);
  EXPECT_EQ(список[0].range, (Range{{0, 0}, {0, 1}}));
  EXPECT_EQ(список[0].severity, DiagnosticSeverity::Error);
  EXPECT_EQ(список[0].source, "Тувра");
  EXPECT_EQ(список[0].message,
            "[без точной позиции] 'прервать' можно использовать только внутри цикла ('пока' или 'для каждого')");
}

TEST(Диагностики, AnalysisErrorsWithoutALineGetTheSamePrefix) {
  const auto список = диагностика_текста("структура Т\nконец\nструктура Т\nконец\n");
  ASSERT_EQ(список.size(), 1u);
  EXPECT_EQ(список[0].range, (Range{{0, 0}, {0, 1}}));
  EXPECT_EQ(список[0].message.rfind("[без точной позиции] структура 'Т' объявлена повторно", 0), 0u);
}

TEST(Диагностики, AParseErrorHidesAnalysisErrors) {
  // The body would fail the analysis, but the parse fails first and alone is reported.
  const auto список = диагностика_текста("функция ф()\n  прервать;\nконец\nфункция (\n");
  ASSERT_EQ(список.size(), 1u);
  EXPECT_EQ(список[0].range.start.line, 3u);
  EXPECT_EQ(список[0].message.find("[без точной позиции]"), std::string::npos);
}

}  // namespace
}  // namespace тувра::lsp
