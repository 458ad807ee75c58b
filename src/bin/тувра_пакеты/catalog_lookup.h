// Finding entries of the index catalog: by a search text (`искать`) and by exact name (`добавить`).
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "line_format.h"
#include "support/expected.h"

namespace тувра::пакеты {

// Full Unicode lower-casing, Cyrillic included; the text must be UTF-8.
std::string в_нижний_регистр(std::string_view текст);

// The entry's name, else its description, contains the lower-cased query (both compared in lower case).
bool подходит_под_запрос(std::string_view запрос_в_нижнем_регистре, const ВидЗависимости& запись);
bool подходит_под_запрос(std::string_view запрос_в_нижнем_регистре, const Зависимость& запись);

struct НайденоВКаталоге {
  std::size_t сколько = 0;            // entries whose name equals the name byte for byte
  std::optional<Зависимость> первая;  // the first of them in catalog order
};

// Reads the catalog's text line by line, keeping only the first match; fails with the message
// of its first bad line.
Итог<НайденоВКаталоге, std::string> найти_в_каталоге(std::string_view каталог, std::string_view имя);

}  // namespace тувра::пакеты
