// Provisional bodies until the index, list, remove, search and add commands land.
#include "commands.h"

namespace тувра::пакеты {

ИтогКоманды команда_список() { return Неудача{std::string("не реализовано")}; }
ИтогКоманды команда_удалить(const std::string&, bool) { return Неудача{std::string("не реализовано")}; }
ИтогКоманды команда_искать(const std::string&) { return Неудача{std::string("не реализовано")}; }
ИтогКоманды команда_добавить(const std::string&) { return Неудача{std::string("не реализовано")}; }
ИтогКоманды команда_индекс_настроить(const std::string&) { return Неудача{std::string("не реализовано")}; }
ИтогКоманды обновить_индекс() { return Неудача{std::string("не реализовано")}; }

}  // namespace тувра::пакеты
