// Repository addresses of manifests, catalogs and the settings as git gets them. git runs in a
// folder of its own, so a local path written relative to the project is made absolute first;
// a local repository whose first-read files are devices or pipes is refused, since git would
// block on them.
#pragma once

#include <string>
#include <string_view>

#include "support/expected.h"

namespace тувра::пакеты {

// The address for git's command line, or why it is refused (`что` names it in the message).
Итог<std::string, std::string> адрес_для_git(const std::string& адрес, std::string_view что);

// Refuses the local repository at the absolute `путь` (shown as `адрес`) when a file git reads
// before anything else (config, HEAD, packed-refs, shallow, commondir, objects/info/alternates)
// is not a regular file, in any folder git would take for its git folder.
Итог<Пусто, std::string> проверить_файлы_репозитория(std::string_view путь, std::string_view адрес);

}  // namespace тувра::пакеты
