// The inline fast paths of the character classes agree with ICU over the whole code space.
#include <gtest/gtest.h>

#include <unicode/uchar.h>

#include <cctype>

#include "lexer/char_class.h"

namespace тувра {
namespace {

bool число(UChar32 символ) {
  const auto категория = u_charType(символ);
  return категория == U_DECIMAL_DIGIT_NUMBER || категория == U_LETTER_NUMBER || категория == U_OTHER_NUMBER;
}

TEST(КлассыСимволов, СовпадаютСicuНаВсёмПространстве) {
  int расхождений = 0;
  for (UChar32 c = 0; c <= 0x10FFFF && расхождений < 10; ++c) {
    const auto символ = static_cast<char32_t>(c);
    const bool буква = u_hasBinaryProperty(c, UCHAR_ALPHABETIC) || c == '_' || (c < 0x80 && std::isalpha(c));
    const bool ожидаемое[] = {
        static_cast<bool>(u_hasBinaryProperty(c, UCHAR_WHITE_SPACE)),
        буква,
        буква || число(c),
    };
    const bool найденное[] = {
        классы::пробел(символ),
        классы::начало_слова(символ),
        классы::продолжение_слова(символ),
    };
    for (int i = 0; i < 3; ++i) {
      if (ожидаемое[i] != найденное[i]) {
        ++расхождений;
        ADD_FAILURE() << "U+" << std::hex << c << " class " << i;
      }
    }
  }
}

TEST(КлассыСимволов, ВнеПространстваНичегоНет) {
  for (char32_t символ : {char32_t{0x110000}, char32_t{0xFFFFFFFF}}) {
    EXPECT_FALSE(классы::пробел(символ));
    EXPECT_FALSE(классы::начало_слова(символ));
    EXPECT_FALSE(классы::продолжение_слова(символ));
    EXPECT_FALSE(классы::цифра_ascii(символ));
  }
}

}  // namespace
}  // namespace тувра
