// Domain names to their ASCII form by UTS 46 (ICU), as the URL Standard's "domain to ASCII"
// asks for non-strict parsing.
#pragma once

#include <string>
#include <string_view>

#include "support/expected.h"
#include "url/url.h"

namespace тувра::url {

// `domain` is valid UTF-8. Fails with "invalid international domain name".
Итог<std::string, ParseError> domain_to_ascii(std::string_view domain);

}  // namespace тувра::url
