#include "word_under_cursor.h"

#include <utility>

#include "lexer/char_class.h"
#include "lexer/utf8.h"

namespace тувра::lsp {

namespace {

// Line n without its line feed (and a carriage return right before it); absent when the text
// has no such line or the line is empty.
std::optional<std::string_view> строка_текста(std::string_view текст, std::uint32_t номер) {
  std::size_t начало = 0;
  for (std::uint32_t i = 0; i < номер; ++i) {
    const std::size_t перевод = текст.find('\n', начало);
    if (перевод == std::string_view::npos) return std::nullopt;
    начало = перевод + 1;
  }
  std::string_view остаток = текст.substr(начало);
  const std::size_t перевод = остаток.find('\n');
  if (перевод != std::string_view::npos) {
    остаток = остаток.substr(0, перевод);
    if (!остаток.empty() && остаток.back() == '\r') остаток.remove_suffix(1);
  }
  if (остаток.empty()) return std::nullopt;
  return остаток;
}

bool только_ascii(std::string_view строка) {
  for (const char байт : строка) {
    if (static_cast<unsigned char>(байт) >= 0x80) return false;
  }
  return true;
}

// The bounds [начало, конец) of the word around the cursor in a non-empty sequence of
// characters, or absent. Works on bytes of ASCII text and on decoded characters alike.
template <class Символы>
std::optional<std::pair<std::size_t, std::size_t>> границы_слова(const Символы& символы, std::uint32_t знак) {
  auto буква = [&](std::size_t i) { return классы::продолжение_слова(static_cast<char32_t>(символы[i])); };
  const std::size_t длина = символы.size();
  std::size_t i = длина - 1;
  if (знак < длина) {
    i = знак;
    if (i > 0 && !буква(i)) --i;
  }
  if (!буква(i)) return std::nullopt;
  std::size_t начало = i;
  while (начало > 0 && буква(начало - 1)) --начало;
  std::size_t конец = i + 1;
  while (конец < длина && буква(конец)) ++конец;
  return std::pair{начало, конец};
}

}  // namespace

std::optional<std::string> слово_под_курсором(std::string_view текст, std::uint32_t строка, std::uint32_t знак) {
  const auto линия = строка_текста(текст, строка);
  if (!линия) return std::nullopt;
  if (только_ascii(*линия)) {
    const auto границы = границы_слова(*линия, знак);
    if (!границы) return std::nullopt;
    return std::string(линия->substr(границы->first, границы->second - границы->first));
  }
  const std::u32string символы = декодировать_utf8(*линия);
  const auto границы = границы_слова(символы, знак);
  if (!границы) return std::nullopt;
  return закодировать_utf8(std::u32string_view(символы).substr(границы->first, границы->second - границы->first));
}

}  // namespace тувра::lsp
