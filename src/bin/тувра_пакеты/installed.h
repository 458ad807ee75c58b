// The project's `пакеты/` folder as the list and remove commands read it: package folders
// `пакеты/<имя>/` with `.метаданные`, and the older loose module files `пакеты/<имя>.код`.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace тувра::пакеты {

inline constexpr std::string_view кТребуетсяПакетами = "требуется_пакетами=";

// Where the older layout keeps its metadata; never a package itself.
inline constexpr std::string_view кПапкаСтарыхМетаданных = ".метаданные";

std::string папка_пакетов();

// An entry name whose extension (after the last '.', not a leading one) is exactly `код`.
bool это_модуль(std::string_view имя);

// The name without its extension, decoded lossily when it is not UTF-8.
std::string имя_модуля(std::string_view имя);

// The module names directly in a package folder, sorted as bytes; none when it cannot be listed.
std::optional<std::vector<std::string>> модули_пакета(const std::string& папка);

// True when `пакеты/<имя>` is a package folder; a name that is no single path component never is.
bool пакет_установлен(std::string_view имя);

// The names of a `требуется_пакетами=` value that are installed packages, in order.
std::vector<std::string> установленные_требующие(std::string_view значение);

}  // namespace тувра::пакеты
