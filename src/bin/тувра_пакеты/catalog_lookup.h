// Finding entries of the index catalog: by a search text (`искать`) and by exact name (`добавить`).
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "line_format.h"

namespace тувра::пакеты {

// Full Unicode lower-casing, Cyrillic included; the text must be UTF-8.
std::string в_нижний_регистр(std::string_view текст);

// The entry's name, else its description, contains the lower-cased query (both compared in lower case).
bool подходит_под_запрос(std::string_view запрос_в_нижнем_регистре, const Зависимость& запись);

// The entries whose name equals the name byte for byte, in catalog order.
std::vector<const Зависимость*> найти_в_каталоге(const std::vector<Зависимость>& каталог, std::string_view имя);

}  // namespace тувра::пакеты
