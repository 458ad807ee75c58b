#include "catalog_lookup.h"

#include <unicode/locid.h>
#include <unicode/unistr.h>

namespace тувра::пакеты {

std::string в_нижний_регистр(std::string_view текст) {
  icu::UnicodeString юникод =
      icu::UnicodeString::fromUTF8(icu::StringPiece(текст.data(), static_cast<int32_t>(текст.size())));
  // The root locale: no Turkish dotless i or other language rules, final sigma by context.
  юникод.toLower(icu::Locale::getRoot());
  std::string итог;
  юникод.toUTF8String(итог);
  return итог;
}

bool подходит_под_запрос(std::string_view запрос_в_нижнем_регистре, const Зависимость& запись) {
  if (в_нижний_регистр(запись.имя).find(запрос_в_нижнем_регистре) != std::string::npos) return true;
  return запись.описание && в_нижний_регистр(*запись.описание).find(запрос_в_нижнем_регистре) != std::string::npos;
}

Итог<НайденоВКаталоге, std::string> найти_в_каталоге(std::string_view каталог, std::string_view имя) {
  НайденоВКаталоге найдено;
  auto обход = обойти_зависимости(каталог, [&](Зависимость запись) {
    if (запись.имя != имя) return;
    if (найдено.сколько++ == 0) найдено.первая = std::move(запись);
  });
  if (!обход) return Неудача{std::move(обход).error()};
  return найдено;
}

}  // namespace тувра::пакеты
