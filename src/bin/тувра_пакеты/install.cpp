#include "commands.h"

namespace тувра::пакеты {

ИтогКоманды команда_установить(bool) { return Неудача{std::string("не реализовано")}; }

}  // namespace тувра::пакеты
