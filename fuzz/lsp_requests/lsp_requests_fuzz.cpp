// Any document text and cursor through hover, completion, definition and the word under the
// cursor. Two leading bytes choose the position (255 stands for the largest one); the rest is
// the text.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "completion.h"
#include "definition.h"
#include "hover.h"
#include "word_under_cursor.h"

namespace {

std::uint32_t позиция(std::uint8_t байт, std::uint8_t делитель) {
  return байт == 255 ? UINT32_MAX : static_cast<std::uint32_t>(байт % делитель);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace тувра::lsp;
  if (size < 2) return 0;
  const std::uint32_t строка = позиция(data[0], 32);
  const std::uint32_t знак = позиция(data[1], 254);
  // An empty text the way the server sees a document that is not open: no data at all.
  const std::string_view текст =
      size == 2 ? std::string_view() : std::string_view(reinterpret_cast<const char*>(data) + 2, size - 2);

  // The word is always a piece of the text as it was sent.
  if (const auto слово = слово_под_курсором(текст, строка, знак)) {
    if (слово->empty() || текст.find(*слово) == std::string_view::npos) std::abort();
  }
  (void)подсказка_при_наведении(текст, строка, знак);
  if (список_дополнений(текст).size() < 62) std::abort();
  const auto uri = тувра::url::parse("file:///fuzz.код");
  if (!uri) std::abort();
  if (const auto место = переход_к_определению(*uri, текст, строка, знак)) {
    if (место->range.start != место->range.end || !(место->uri == *uri)) std::abort();
  }
  return 0;
}
