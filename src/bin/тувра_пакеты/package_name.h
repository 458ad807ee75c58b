// A package name becomes one path component under `пакеты/` and a word of the metadata
// and lock lines; these checks keep every write and removal inside that package's own folder
// and every written line readable back.
#pragma once

#include <map>
#include <string>
#include <string_view>

#include "support/expected.h"

namespace тувра::пакеты {

// Only that the name stays one component inside `пакеты/`: enough to find or remove
// what an older install put there.
Итог<Пусто, std::string> проверить_путь_пакета(std::string_view имя);

// Everything a name must satisfy to be installed or added.
Итог<Пусто, std::string> проверить_имя_пакета(std::string_view имя);

// The names of one install, kept by the forms in which two different names would be one folder:
// Windows upper-cases each UTF-16 unit; macOS also brings the name to one Unicode spelling.
class РазличимыеИмена {
 public:
  // Refuses a name that an earlier, different one matches in either form; remembers it otherwise.
  // The same name again is the same package.
  Итог<Пусто, std::string> добавить(std::string_view имя);

 private:
  std::map<std::u16string, std::string> по_регистру_;
  std::map<std::u16string, std::string> по_записи_;
};

}  // namespace тувра::пакеты
