// Whole-file reading and writing with the system's error text on failure.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

#include "support/expected.h"

namespace тувра::пакеты {

// The file's bytes; fails on folders too.
Итог<std::string, std::string> прочитать_байты(const std::filesystem::path& путь);

// Like прочитать_байты, but also fails when the bytes are not UTF-8.
Итог<std::string, std::string> прочитать_текст(const std::filesystem::path& путь);

// Replaces the whole file (creating it when missing).
Итог<Пусто, std::string> записать_текст(const std::filesystem::path& путь, std::string_view текст);

std::string текст_ошибки(const std::error_code& код);

// True when the entry's metadata can be read (a link is followed).
bool сведения_доступны(const std::filesystem::path& путь);

}  // namespace тувра::пакеты
