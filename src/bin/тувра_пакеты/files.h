// Whole-file reading and writing with the reason in the package manager's words on failure.
// Files of projects, packages and the index come from other people: no symbolic link is
// followed below the folder a path starts from, only regular files are read or replaced,
// reads stop at a size cap, and a file is replaced whole (a new file renamed over it).
#pragma once

#include <string>
#include <string_view>

#include "support/expected.h"
#include "support/platform/files.h"

namespace тувра::пакеты {

// The file `внутри` below `папка`: `папка` itself is taken as the user gave it, every
// component of `внутри` must be a real folder or, last, a regular file.
// The one-argument forms take a relative path whole from the current folder, and of an
// absolute path only its last component.
Итог<std::string, std::string> прочитать_байты(const std::string& папка, const std::string& внутри);
Итог<std::string, std::string> прочитать_байты(const std::string& путь);

// Like прочитать_байты, but also fails when the bytes are not UTF-8.
Итог<std::string, std::string> прочитать_текст(const std::string& папка, const std::string& внутри);
Итог<std::string, std::string> прочитать_текст(const std::string& путь);

// Replaces the whole file (creating it when missing); a failure leaves the old file as it was.
Итог<Пусто, std::string> записать_текст(const std::string& папка, const std::string& внутри, std::string_view текст);
Итог<Пусто, std::string> записать_текст(const std::string& путь, std::string_view текст);

// Removes the file `внутри` below `папка`, following no link on the way; a link itself is removed.
Итог<Пусто, std::string> удалить_файл_внутри(const std::string& папка, const std::string& внутри);

// The reason of a failed file operation: the system's text, or the package manager's own words.
std::string текст_ошибки(const платформа::ОшибкаФайла& ошибка);

// The path from the root of the file system (links not resolved), for a git that runs elsewhere.
Итог<std::string, std::string> от_корня(const std::string& путь);

// True when the entry itself exists (a link counts as an entry and is not followed).
bool сведения_доступны(const std::string& путь);

// Nothing when `путь` is a real folder or absent; otherwise why it is no usable folder.
Итог<Пусто, std::string> не_ссылка_на_папку(const std::string& путь);

}  // namespace тувра::пакеты
