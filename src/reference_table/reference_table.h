// The language's built-in documentation: keywords, types and built-in functions,
// shown by the language server's hover and completion.
#pragma once

#include <string_view>
#include <vector>

namespace тувра {

enum class РазделСправки {
  КлючевоеСлово,
  ТипДанных,
  ВстроеннаяФункция,
};

struct СтатьяСправки {
  std::string_view слово;      // exactly as written in source
  std::string_view заголовок;  // one line; for functions the call form with its types
  std::string_view пояснение;  // may be empty
  РазделСправки раздел = РазделСправки::КлючевоеСлово;

  bool operator==(const СтатьяСправки&) const = default;
};

// A fresh list of the 62 rows: keywords, then types, then functions. The texts are
// constants of the program, so the list may be dropped at once after use.
std::vector<СтатьяСправки> справка_языка();

}  // namespace тувра
