// The host of a URL: a domain, an IPv4 or IPv6 address, or the opaque host of a scheme
// that is not special.
#pragma once

#include <string>
#include <string_view>

#include "support/expected.h"
#include "url/url.h"

namespace тувра::url {

// `input` is valid UTF-8 and not empty; the result is the host's serialisation.
Итог<std::string, ParseError> parse_host(std::string_view input, bool is_opaque);

}  // namespace тувра::url
