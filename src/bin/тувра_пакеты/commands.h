// The package manager's commands: each returns success or one error text and
// prints its own progress on standard output; the command line prints the error.
#pragma once

#include <string>
#include <vector>

#include "support/expected.h"

namespace тувра::пакеты {

using ИтогКоманды = Итог<Пусто, std::string>;

ИтогКоманды команда_установить(bool обновить_блокировку);
ИтогКоманды команда_список();
ИтогКоманды команда_удалить(const std::string& имя, bool принудительно);
ИтогКоманды команда_искать(const std::string& запрос);
ИтогКоманды команда_добавить(const std::string& имя);
ИтогКоманды команда_индекс_настроить(const std::string& адрес);
ИтогКоманды обновить_индекс();

void показать_справку();

// The program's body: the arguments as given to main, program name first; returns the exit code.
int главная_менеджера_пакетов(const std::vector<std::string>& аргументы);

}  // namespace тувра::пакеты
