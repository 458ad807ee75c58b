#include "word_under_cursor.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace тувра::lsp {
namespace {

struct Случай {
  std::string текст;
  std::uint32_t строка;
  std::uint32_t знак;
  std::optional<std::string> слово;
};

TEST(СловоПодКурсором, Table) {
  const std::optional<std::string> нет;
  const Случай случаи[] = {
      // Lines: the empty text has none, a final line feed adds none, an empty line gives nothing.
      {"", 0, 0, нет},
      {"абв\n", 1, 0, нет},
      {"а\n\nб", 1, 0, нет},
      {"а\n\nб", 2, 0, "б"},
      {"а\nб", 2, 0, нет},
      {"а\nб", UINT32_MAX, UINT32_MAX, нет},
      {"\r\n", 0, 0, нет},
      // Where the cursor stands.
      {"абв где", 0, 0, "абв"},
      {"абв где", 0, 2, "абв"},
      {"абв где", 0, 3, "абв"},  // right behind the word
      {"абв где", 0, 4, "где"},
      {"абв  где", 0, 4, нет},  // two blanks: one step back is still a blank
      {" абв", 0, 0, нет},      // no step back from character 0
      {"абв", 0, 3, "абв"},
      {"абв", 0, 1000, "абв"},  // past the end: the last character
      {"абв", 0, UINT32_MAX, "абв"},
      {"абв ", 0, 1000, нет},
      {"+-", 0, 1, нет},
      // Carriage returns: only one right before a line feed is dropped.
      {"аб\r\nвг", 0, 5, "аб"},
      {"аб\r\nвг", 1, 0, "вг"},
      {"аб\rвг", 0, 3, "вг"},
      {"аб\rвг", 0, 2, "аб"},
      {"аб\r", 0, 5, нет},
      // What belongs to a word.
      {"целое имя_2х = 1;", 0, 8, "имя_2х"},
      {"точка.сдвинуть(1)", 0, 2, "точка"},
      {"точка.сдвинуть(1)", 0, 5, "точка"},
      {"точка.сдвинуть(1)", 0, 6, "сдвинуть"},
      {"точка.сдвинуть(1)", 0, 14, "сдвинуть"},
      {"foo_bar9 + 1", 0, 3, "foo_bar9"},
      {"\tимя", 0, 1, "имя"},
      {"x² + а٣ + Ⅻ", 0, 0, "x²"},  // No, Nd and Nl count
      {"x² + а٣ + Ⅻ", 0, 6, "а٣"},
      {"x² + а٣ + Ⅻ", 0, 10, "Ⅻ"},
      // Characters outside the BMP count as one position.
      {"😀 имя", 0, 2, "имя"},
      {"😀😀😀 имя", 0, 4, "имя"},
      {"😀имя", 0, 0, нет},
      {"𝐀б в", 0, 0, "𝐀б"},
      // Ill-formed UTF-8 reads as U+FFFD, which belongs to no word.
      {"аб\xFF вг", 0, 2, "аб"},
      {"аб\xFF вг", 0, 3, нет},
      {"аб\xFF вг", 0, 4, "вг"},
      {"\xC0\xAFимя", 0, 2, "имя"},
  };
  for (const Случай& с : случаи) {
    EXPECT_EQ(слово_под_курсором(с.текст, с.строка, с.знак), с.слово)
        << "текст: " << с.текст << " (" << с.строка << ", " << с.знак << ")";
  }
  // A document that is not open is a view without any data.
  EXPECT_EQ(слово_под_курсором(std::string_view(), 1, 0), нет);
  EXPECT_EQ(слово_под_курсором(std::string_view(), UINT32_MAX, UINT32_MAX), нет);
}

TEST(СловоПодКурсором, FarLineOfALargeText) {
  std::string текст;
  for (int i = 0; i < 200000; ++i) текст += "целое х = 1;\n";
  текст += "функция последняя()\n";
  EXPECT_EQ(слово_под_курсором(текст, 200000, 10), "последняя");
  EXPECT_EQ(слово_под_курсором(текст, 200001, 0), std::nullopt);
}

}  // namespace
}  // namespace тувра::lsp
