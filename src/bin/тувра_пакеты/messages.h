// Reasons the package manager gives in place of the system's error text when it refuses
// a file, a folder, a name or a git address itself.
#pragma once

#include <cstddef>
#include <string_view>

namespace тувра::пакеты::причины {

// Files and folders of projects, packages and the index.
inline constexpr std::string_view символическая_ссылка = "символическая ссылка";
inline constexpr std::string_view не_обычный_файл = "это не обычный файл (устройство, канал или сокет)";
inline constexpr std::string_view не_папка = "это не обычная папка";
inline constexpr std::string_view слишком_большой = "файл больше 16 МиБ";
inline constexpr std::string_view папка_пакетов_ссылка = "папка 'пакеты' — символическая ссылка";
inline constexpr std::size_t кПределЧтения = 16u * 1024u * 1024u;

// git runs.
inline constexpr std::string_view git_превысил_время =
    "git не завершился за 10 минут и остановлен вместе со всем, что он запустил";

// Package names.
inline constexpr std::string_view имя_с_запятой =
    "имя содержит ',' — в метаданных запятая разделяет имена требующих пакетов";
inline constexpr std::string_view имя_с_управляющим_символом = "имя содержит управляющий символ";
inline constexpr std::string_view имя_папки_метаданных =
    "'.метаданные' — служебная папка метаданных внутри 'пакеты/'";
inline constexpr std::string_view имя_устройства_windows =
    "имя зарезервировано в Windows за устройством (CON, PRN, AUX, NUL, COM1–COM9, LPT1–LPT9)";
inline constexpr std::string_view имя_с_точкой_или_пробелом_в_конце =
    "имя оканчивается точкой или пробелом — Windows их отбрасывает";

}  // namespace тувра::пакеты::причины
