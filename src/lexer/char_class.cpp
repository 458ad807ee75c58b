#include "lexer/char_class.h"

#include <unicode/uchar.h>

namespace тувра::классы {

// ICU answers false outside the code space, so any char32_t is safe here.
bool пробел_юникода(char32_t символ) { return u_hasBinaryProperty(static_cast<UChar32>(символ), UCHAR_WHITE_SPACE); }

bool буква_юникода(char32_t символ) { return u_hasBinaryProperty(static_cast<UChar32>(символ), UCHAR_ALPHABETIC); }

bool буква_или_число_юникода(char32_t символ) {
  if (буква_юникода(символ)) return true;
  const auto категория = u_charType(static_cast<UChar32>(символ));
  return категория == U_DECIMAL_DIGIT_NUMBER || категория == U_LETTER_NUMBER || категория == U_OTHER_NUMBER;
}

}  // namespace тувра::классы
