// What the requests share: the word under the cursor, a parse without analysis, and the
// search of the top-level declarations by name.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "parser/front_end.h"
#include "syntax_tree/declaration.h"

namespace тувра::lsp {

// The identifier under the cursor (line and character from 0, characters in Unicode scalar
// values); a cursor right behind a word or past the end of the line finds the word before it.
std::optional<std::string> слово_под_курсором(std::string_view текст, std::uint32_t строка, std::uint32_t знак);

// Lexes and parses the text; absent on the first error, whose message is dropped. The tree
// does not refer to the text.
std::optional<РазобраннаяПрограмма> разобрать_документ(std::string_view текст);

struct НайденнаяФункция {
  const ОбъявлениеФункции* функция;
};
struct НайденнаяСтруктура {
  const ОбъявлениеСтруктуры* структура;
};
struct НайденныйМетод {
  const ОбъявлениеСтруктуры* структура;
  const ОбъявлениеФункции* метод;
};
// Points into the program it was found in.
using НайденноеОбъявление = std::variant<НайденнаяФункция, НайденнаяСтруктура, НайденныйМетод>;

// The first top-level function or struct of that name, or method of a struct, in source order;
// a struct's methods are searched right after the struct itself. Imports, contracts and
// external functions are passed over.
std::optional<НайденноеОбъявление> найти_объявление(const Программа& программа, std::string_view имя);

}  // namespace тувра::lsp
