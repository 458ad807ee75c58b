// Reasons the package manager gives in place of the system's error text when it refuses
// a file, a folder, a name or a git address itself, and the messages of its safety checks.
#pragma once

#include <cstddef>
#include <string>
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
inline constexpr std::string_view имя_с_невидимым_символом =
    "имя содержит невидимый символ или символ смены направления текста (U+200B–U+200F, U+202A–U+202E, "
    "U+2066–U+2069, U+FEFF) — на экране оно выглядело бы не тем, что есть";
inline constexpr std::string_view имя_папки_метаданных =
    "'.метаданные' — служебная папка метаданных внутри 'пакеты/'";
inline constexpr std::string_view имя_устройства_windows =
    "имя зарезервировано в Windows за устройством (CON, PRN, AUX, NUL, COM1–COM9, LPT1–LPT9)";
inline constexpr std::string_view имя_с_точкой_или_пробелом_в_конце =
    "имя оканчивается точкой или пробелом — Windows их отбрасывает";

}  // namespace тувра::пакеты::причины

namespace тувра::пакеты::сообщения {

inline std::string локальный_репозиторий_отвергнут(std::string_view адрес, std::string_view файл) {
  return "локальный репозиторий '" + std::string(адрес) + "' не принимается: '" + std::string(файл) + "' — " +
         std::string(причины::не_обычный_файл) + ", git завис бы на нём";
}

inline std::string тег_пропущен(std::string_view имя, std::string_view тег) {
  return "⚠️  '" + std::string(имя) + "' — тег '" + std::string(тег) +
         "' пропущен: в нём пробел, кавычка, '=' или управляющий символ, и строка 'тувра.блокировка' с ним "
         "не прочиталась бы обратно.\n";
}

inline constexpr std::string_view кФайлЗамка = ".тувра_пакеты.замок";

inline std::string проект_занят() {
  return "в этом проекте уже работает другой запуск тувра_пакеты (занят файл '" + std::string(кФайлЗамка) +
         "') — дождись, пока он закончится, и повтори команду";
}

inline std::string проект_не_занять(std::string_view причина) {
  return "не удалось занять проект для этой команды ('" + std::string(кФайлЗамка) + "'): " + std::string(причина);
}

inline constexpr std::string_view вывод_не_записан = "не удалось записать в стандартный вывод — часть сообщений команды потеряна";

inline constexpr std::string_view ссылка_не_открывается = "    символическая ссылка — не открываю\n";

inline std::string копия_индекса_отвергнута(std::string_view папка, std::string_view причина) {
  return "локальная копия индекса '" + std::string(папка) + "' не принимается: " + std::string(причина) +
         " — удали эту папку и повтори 'тувра_пакеты индекс-обновить'";
}

inline constexpr std::string_view git_копии_не_папка = "'.git' в ней — не обычная папка";
inline constexpr std::string_view настройки_копии_не_файл = "'.git/config' в ней — не обычный файл";

inline std::string настройка_копии_опасна(std::string_view ключ) {
  return "её настройка git '" + std::string(ключ) + "' может запускать команды или вести за пределы копии";
}

}  // namespace тувра::пакеты::сообщения
