#include "catalog_lookup.h"

#include <unicode/ucasemap.h>

#include <memory>

namespace тувра::пакеты {

// UTF-8 to UTF-8, so that a text as long as a file is held once more, not as UTF-16 twice.
std::string в_нижний_регистр(std::string_view текст) {
  UErrorCode код = U_ZERO_ERROR;
  // The root locale: no Turkish dotless i or other language rules, final sigma by context.
  const std::unique_ptr<UCaseMap, decltype(&ucasemap_close)> правила(ucasemap_open("", 0, &код), ucasemap_close);
  if (U_FAILURE(код)) return std::string(текст);
  const auto длина = static_cast<int32_t>(текст.size());
  // Lower case is seldom longer; when it is, the first call says by how much.
  std::string итог(текст.size() + 16, '\0');
  int32_t нужно =
      ucasemap_utf8ToLower(правила.get(), итог.data(), static_cast<int32_t>(итог.size()), текст.data(), длина, &код);
  if (код == U_BUFFER_OVERFLOW_ERROR) {
    код = U_ZERO_ERROR;
    итог.assign(static_cast<std::size_t>(нужно), '\0');
    нужно = ucasemap_utf8ToLower(правила.get(), итог.data(), нужно, текст.data(), длина, &код);
  }
  if (U_FAILURE(код)) return std::string(текст);
  итог.resize(static_cast<std::size_t>(нужно));
  return итог;
}

bool подходит_под_запрос(std::string_view запрос_в_нижнем_регистре, const ВидЗависимости& запись) {
  if (в_нижний_регистр(запись.имя).find(запрос_в_нижнем_регистре) != std::string::npos) return true;
  return запись.описание && в_нижний_регистр(*запись.описание).find(запрос_в_нижнем_регистре) != std::string::npos;
}

bool подходит_под_запрос(std::string_view запрос_в_нижнем_регистре, const Зависимость& запись) {
  return подходит_под_запрос(запрос_в_нижнем_регистре, вид_записи(запись));
}

Итог<НайденоВКаталоге, std::string> найти_в_каталоге(std::string_view каталог, std::string_view имя) {
  НайденоВКаталоге найдено;
  auto обход = обойти_виды(каталог, [&](const ВидЗависимости& запись) {
    if (запись.имя != имя) return;
    if (найдено.сколько++ == 0) найдено.первая = запись.запись();
  });
  if (!обход) return Неудача{std::move(обход).error()};
  return найдено;
}

}  // namespace тувра::пакеты
