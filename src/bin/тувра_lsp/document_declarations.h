// The top-level declarations of a document as the requests read them: a parse without
// analysis, and the search of functions, structs and struct methods by name.
#pragma once

#include <optional>
#include <string_view>
#include <variant>

#include "parser/front_end.h"
#include "syntax_tree/declaration.h"

namespace тувра::lsp {

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
