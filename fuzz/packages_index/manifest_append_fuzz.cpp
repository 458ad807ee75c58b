// A manifest and a catalog from arbitrary bytes (split at the first NUL): the add command's
// duplicate test and line-feed rule, and the search's lower-casing, with their properties.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "catalog_lookup.h"
#include "line_format.h"
#include "manifest_append.h"
#include "text.h"

namespace {

using namespace тувра::пакеты;

void требовать(bool условие) {
  if (!условие) std::abort();
}

// What `добавить` writes for one catalog entry, checked against the manifest it extends.
void проверить_добавление(std::string_view манифест, const Зависимость& запись) {
  const std::string строка = строка_зависимости(запись);
  const std::string новый = дописать_строку(манифест, строка);
  требовать(новый.starts_with(манифест) && новый.ends_with(строка + "\n"));
  требовать(новый.size() - манифест.size() - строка.size() <= 2);
  // The name is found again in what was written, so a second add changes nothing.
  требовать(имя_в_манифесте(новый, запись.имя));
  // A quote in the URL, branch or version (only the first description is cut out) makes the
  // written line read differently; the line format's own fuzzer covers that.
  for (const auto* поле : {&запись.ветка, &запись.версия}) {
    if (*поле && поле->value().find('"') != std::string::npos) return;
  }
  if (запись.источник.find('"') != std::string::npos) return;
  auto было = разобрать_зависимости(манифест);
  auto стало = разобрать_зависимости(новый);
  if (!было) return;
  // The entry's line reads back to itself after the old lines.
  требовать(стало.has_value() && стало->size() == было->size() + 1 && стало->back() == запись);
}

void проверить_поиск(const Зависимость& запись) {
  требовать(это_utf8(в_нижний_регистр(запись.имя)));
  требовать(подходит_под_запрос(в_нижний_регистр(запись.имя), запись));
  требовать(подходит_под_запрос("", запись));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* данные, size_t размер) {
  const std::string_view вход(reinterpret_cast<const char*>(данные), размер);
  const std::size_t ноль = вход.find('\0');
  const std::string_view манифест = вход.substr(0, ноль);
  const std::string_view каталог = ноль == std::string_view::npos ? std::string_view() : вход.substr(ноль + 1);
  if (!это_utf8(каталог)) return 0;  // the catalog is read as UTF-8 text
  auto записи = разобрать_зависимости(каталог);
  if (!записи) return 0;
  for (const Зависимость& запись : *записи) {
    проверить_поиск(запись);
    if (!имя_в_манифесте(манифест, запись.имя)) проверить_добавление(манифест, запись);
  }
  return 0;
}
