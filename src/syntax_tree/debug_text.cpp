#include "syntax_tree/debug_text.h"

#include <unicode/uchar.h>

#include <charconv>
#include <cmath>
#include <system_error>

#include "lexer/utf8.h"

namespace тувра::обход {
namespace {

bool не_печатается(UChar32 символ) {
  switch (u_charType(символ)) {
    case U_CONTROL_CHAR:
    case U_FORMAT_CHAR:
    case U_SURROGATE:
    case U_PRIVATE_USE_CHAR:
    case U_UNASSIGNED:
    case U_LINE_SEPARATOR:
    case U_PARAGRAPH_SEPARATOR: return true;
    case U_SPACE_SEPARATOR: return символ != U' ';
    default: return u_hasBinaryProperty(символ, UCHAR_GRAPHEME_EXTEND);
  }
}

void дописать_код(std::string& куда, UChar32 символ) {
  char цифры[8];
  auto [конец, ошибка] = std::to_chars(цифры, цифры + sizeof цифры, static_cast<std::uint32_t>(символ), 16);
  (void)ошибка;
  куда += "\\u{";
  куда.append(цифры, конец);
  куда += '}';
}

// ASCII never reaches ICU: outside the printable range it is all control characters.
void дописать_ascii(std::string& куда, char байт) {
  switch (байт) {
    case '"': куда += "\\\""; return;
    case '\\': куда += "\\\\"; return;
    case '\n': куда += "\\n"; return;
    case '\r': куда += "\\r"; return;
    case '\t': куда += "\\t"; return;
    case '\0': куда += "\\0"; return;
    default: break;
  }
  if (байт >= 0x20 && байт < 0x7F) {
    куда += байт;
  } else {
    дописать_код(куда, static_cast<unsigned char>(байт));
  }
}

void дописать_без_знака_экспоненты(std::string& куда, std::string_view экспонента) {
  bool отрицательная = !экспонента.empty() && экспонента.front() == '-';
  if (!экспонента.empty() && (экспонента.front() == '-' || экспонента.front() == '+')) экспонента.remove_prefix(1);
  while (экспонента.size() > 1 && экспонента.front() == '0') экспонента.remove_prefix(1);
  if (отрицательная) куда += '-';
  куда += экспонента;
}

}  // namespace

void дописать_значение(std::string& куда, std::string_view текст) {
  куда += '"';
  // Texts of the tree are well-formed; a broken one still renders, with U+FFFD in its place.
  for (const char32_t символ : декодировать_utf8(текст)) {
    if (символ < 0x80) {
      дописать_ascii(куда, static_cast<char>(символ));
    } else if (не_печатается(static_cast<UChar32>(символ))) {
      дописать_код(куда, static_cast<UChar32>(символ));
    } else {
      дописать_utf8(куда, символ);
    }
  }
  куда += '"';
}

void дописать_значение(std::string& куда, const std::string& текст) {
  дописать_значение(куда, std::string_view(текст));
}

void дописать_значение(std::string& куда, bool значение) { куда += значение ? "true" : "false"; }

void дописать_значение(std::string& куда, std::int64_t значение) {
  char цифры[24];
  auto [конец, ошибка] = std::to_chars(цифры, цифры + sizeof цифры, значение);
  (void)ошибка;
  куда.append(цифры, конец);
}

void дописать_значение(std::string& куда, double значение) {
  if (std::isnan(значение)) {
    куда += "NaN";
    return;
  }
  if (std::isinf(значение)) {
    куда += значение < 0 ? "-inf" : "inf";
    return;
  }
  char цифры[64];
  const double модуль = std::fabs(значение);
  if (модуль >= 1e16 || (модуль < 1e-4 && модуль != 0)) {
    auto [конец, ошибка] = std::to_chars(цифры, цифры + sizeof цифры, значение, std::chars_format::scientific);
    (void)ошибка;
    std::string_view запись(цифры, static_cast<std::size_t>(конец - цифры));
    const auto e = запись.find('e');
    куда += запись.substr(0, e);
    куда += 'e';
    дописать_без_знака_экспоненты(куда, запись.substr(e + 1));
    return;
  }
  auto [конец, ошибка] = std::to_chars(цифры, цифры + sizeof цифры, значение, std::chars_format::fixed);
  (void)ошибка;
  std::string_view запись(цифры, static_cast<std::size_t>(конец - цифры));
  куда += запись;
  if (запись.find('.') == std::string_view::npos) куда += ".0";
}

}  // namespace тувра::обход
