#include "support/platform/console.h"

namespace тувра::платформа {

// The standard streams carry the bytes as they are here.
struct КонсольныйВывод::Устройство {};

КонсольныйВывод::КонсольныйВывод() = default;
КонсольныйВывод::~КонсольныйВывод() = default;

}  // namespace тувра::платформа
