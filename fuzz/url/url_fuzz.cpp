// Any bytes as a URL: no crash, and a serialisation reads back as itself, since the server
// stores keys by their serialisation and compares them with URIs parsed again later.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "url/url.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const auto url = тувра::url::parse(input);
  if (!url) return 0;
  const auto again = тувра::url::parse(url->href());
  if (!again || again->href() != url->href()) std::abort();
  // Components are views into the serialisation; reading them must stay inside it.
  std::size_t total = url->scheme().size() + url->username().size() + url->password().size() + url->path().size();
  if (url->host()) total += url->host()->size();
  if (url->query()) total += url->query()->size();
  if (url->fragment()) total += url->fragment()->size();
  if (total > url->href().size()) std::abort();
  return 0;
}
