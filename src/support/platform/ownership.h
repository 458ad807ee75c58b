// What a process may clear after another of its user that ended without clearing up.
#pragma once

#include <cstdint>
#include <string_view>

#include "support/platform/files.h"

namespace тувра::платформа {

// Whether a process with that id runs (or cannot be asked: one of another user counts as running).
bool процесс_жив(std::uint64_t номер);

// The largest id the system gives a process.
std::uint64_t наибольший_номер_процесса();

// Whether the entry is a real folder (not a link) that belongs to this process's user.
bool своя_папка(std::string_view путь);

// Renames the folder; fails when anything is at `куда` already, and never replaces it.
ИтогФайла<Пусто> переименовать_папку(std::string_view откуда, std::string_view куда);

}  // namespace тувра::платформа
