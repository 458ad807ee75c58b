#include "url/utf8.h"

namespace тувра::url {

namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";

// How many continuation bytes a lead byte announces, and the range its first one must lie in;
// needed == -1 marks a byte that starts no sequence.
struct Lead {
  int needed;
  unsigned char lower;
  unsigned char upper;
};

Lead lead_of(unsigned char b) {
  if (b < 0x80) return {0, 0x80, 0xBF};
  if (b >= 0xC2 && b <= 0xDF) return {1, 0x80, 0xBF};
  if (b == 0xE0) return {2, 0xA0, 0xBF};
  if (b >= 0xE1 && b <= 0xEF) return {2, 0x80, static_cast<unsigned char>(b == 0xED ? 0x9F : 0xBF)};
  if (b == 0xF0) return {3, 0x90, 0xBF};
  if (b >= 0xF1 && b <= 0xF3) return {3, 0x80, 0xBF};
  if (b == 0xF4) return {3, 0x80, 0x8F};
  return {-1, 0, 0};
}

}  // namespace

std::string valid_utf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  std::size_t i = 0;
  while (i < bytes.size()) {
    const Lead lead = lead_of(static_cast<unsigned char>(bytes[i]));
    if (lead.needed < 0) {
      out += kReplacement;
      ++i;
      continue;
    }
    std::size_t end = i + 1;
    int seen = 0;
    while (seen < lead.needed && end < bytes.size()) {
      const auto b = static_cast<unsigned char>(bytes[end]);
      const unsigned char lower = seen == 0 ? lead.lower : 0x80;
      const unsigned char upper = seen == 0 ? lead.upper : 0xBF;
      if (b < lower || b > upper) break;
      ++seen;
      ++end;
    }
    if (seen == lead.needed) {
      out.append(bytes.substr(i, end - i));
    } else {
      // The byte that broke the sequence starts the next one.
      out += kReplacement;
    }
    i = end;
  }
  return out;
}

}  // namespace тувра::url
