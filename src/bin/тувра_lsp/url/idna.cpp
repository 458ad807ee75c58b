#include "url/idna.h"

#include <unicode/uidna.h>

#include <limits>
#include <memory>

#include "lexer/utf8.h"

namespace тувра::url {

namespace {

ParseError idna_error() { return ParseError{"invalid international domain name"}; }

char ascii_lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// An ASCII domain maps to its lower-case form: where UTS 46 accepts it, that is its result,
// and where it refuses one (bad Punycode in an "xn--" label, say) the URL is taken as written,
// as browsers do, since real sites use such names.
bool is_ascii(std::string_view domain) {
  for (char c : domain) {
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  }
  return true;
}

// The UTS 46 mapping table of Unicode 16 maps or ignores these code points, which the ICU
// releases of Unicode 15 and before refuse. Applied ahead of ICU they give the newer result; with
// a newer ICU they are no-ops, as ICU maps each of them the same way.
struct Remap {
  char32_t from_first;
  char32_t from_last;
  std::string_view to;  // UTF-8; empty for an ignored code point
};

constexpr Remap kUnicode16Remaps[] = {
    {0x04C0, 0x04C0, "\u04CF"},    // CYRILLIC LETTER PALOCHKA
    {0x180E, 0x180E, ""},          // MONGOLIAN VOWEL SEPARATOR
    {0x1E9E, 0x1E9E, "\u00DF"},    // LATIN CAPITAL LETTER SHARP S
    {0x206A, 0x206F, ""},          // deprecated format characters
    {0x2183, 0x2183, "\u2184"},    // ROMAN NUMERAL REVERSED ONE HUNDRED
    {0x2F868, 0x2F868, "\u36FC"},  // CJK compatibility ideographs
    {0x2F874, 0x2F874, "\u5F53"}, {0x2F91F, 0x2F91F, "\U000243AB"},
    {0x2F95F, 0x2F95F, "\u7AEE"}, {0x2F9BF, 0x2F9BF, "\u45D7"},
};

std::string apply_unicode16_remaps(std::string_view domain) {
  std::string out;
  out.reserve(domain.size());
  for (const char32_t cp : декодировать_utf8(domain)) {
    const Remap* remap = nullptr;
    for (const Remap& r : kUnicode16Remaps) {
      if (cp >= r.from_first && cp <= r.from_last) remap = &r;
    }
    if (remap) out += remap->to;
    else дописать_utf8(out, cp);
  }
  return out;
}

struct UidnaClose {
  void operator()(UIDNA* idna) const { uidna_close(idna); }
};

// CheckHyphens and VerifyDnsLength are off for non-strict parsing; ICU checks both always,
// so their errors are not counted.
constexpr std::uint32_t kIgnoredErrors = UIDNA_ERROR_EMPTY_LABEL | UIDNA_ERROR_LABEL_TOO_LONG |
                                         UIDNA_ERROR_DOMAIN_NAME_TOO_LONG | UIDNA_ERROR_LEADING_HYPHEN |
                                         UIDNA_ERROR_TRAILING_HYPHEN | UIDNA_ERROR_HYPHEN_3_4;

}  // namespace

Итог<std::string, ParseError> domain_to_ascii(std::string_view input) {
  if (is_ascii(input)) {
    std::string out(input);
    for (char& c : out) c = ascii_lower(c);
    return out;
  }
  const std::string remapped = apply_unicode16_remaps(input);
  const std::string_view domain = remapped;
  // ICU counts in int32_t; a name this long could never be a host anyway.
  if (domain.size() > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max() / 4)) {
    return Неудача{idna_error()};
  }
  UErrorCode status = U_ZERO_ERROR;
  const std::unique_ptr<UIDNA, UidnaClose> idna(uidna_openUTS46(
      UIDNA_CHECK_BIDI | UIDNA_CHECK_CONTEXTJ | UIDNA_NONTRANSITIONAL_TO_ASCII | UIDNA_NONTRANSITIONAL_TO_UNICODE,
      &status));
  if (U_FAILURE(status)) return Неудача{idna_error()};

  const auto length = static_cast<std::int32_t>(domain.size());
  std::string out(domain.size() + 64, '\0');
  UIDNAInfo info = UIDNA_INFO_INITIALIZER;
  std::int32_t written = uidna_nameToASCII_UTF8(idna.get(), domain.data(), length, out.data(),
                                                static_cast<std::int32_t>(out.size()), &info, &status);
  if (status == U_BUFFER_OVERFLOW_ERROR) {
    status = U_ZERO_ERROR;
    info = UIDNA_INFO_INITIALIZER;
    out.assign(static_cast<std::size_t>(written), '\0');
    written = uidna_nameToASCII_UTF8(idna.get(), domain.data(), length, out.data(),
                                     static_cast<std::int32_t>(out.size()), &info, &status);
  }
  if (U_FAILURE(status) || (info.errors & ~kIgnoredErrors) != 0) return Неудача{idna_error()};
  out.resize(static_cast<std::size_t>(written));
  if (out.empty()) return Неудача{idna_error()};
  return out;
}

}  // namespace тувра::url
