#include "installed.h"

#include <algorithm>
#include <system_error>

#include "package_name.h"
#include "text.h"

namespace тувра::пакеты {
namespace fs = std::filesystem;

fs::path папка_пакетов() { return fs::path("пакеты"); }

bool это_модуль(const fs::path& путь) { return путь.extension() == ".код"; }

std::string имя_модуля(const fs::path& путь) { return декодировать_с_заменой(путь.stem().string()); }

std::optional<std::vector<std::string>> модули_пакета(const fs::path& папка) {
  std::error_code код;
  // A linked package folder lies elsewhere; what it holds is not listed.
  if (fs::is_symlink(fs::symlink_status(папка, код))) return std::nullopt;
  fs::directory_iterator обход(папка, код);
  if (код) return std::nullopt;
  std::vector<std::string> модули;
  for (const fs::directory_iterator конец; обход != конец; обход.increment(код)) {
    if (код) break;
    if (это_модуль(обход->path())) модули.push_back(имя_модуля(обход->path()));
  }
  std::sort(модули.begin(), модули.end());
  return модули;
}

bool пакет_установлен(std::string_view имя) {
  if (!проверить_путь_пакета(имя) || имя == кПапкаСтарыхМетаданных) return false;
  std::error_code код;
  return fs::is_directory(папка_пакетов() / std::string(имя), код);
}

std::vector<std::string> установленные_требующие(std::string_view значение) {
  std::vector<std::string> имена;
  while (true) {
    const std::size_t запятая = значение.find(',');
    const std::string_view имя = значение.substr(0, запятая);
    if (!имя.empty() && пакет_установлен(имя)) имена.emplace_back(имя);
    if (запятая == std::string_view::npos) break;
    значение.remove_prefix(запятая + 1);
  }
  return имена;
}

}  // namespace тувра::пакеты
