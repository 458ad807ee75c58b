#include "installed.h"

#include <algorithm>

#include "package_name.h"
#include "support/platform/files.h"
#include "text.h"

namespace тувра::пакеты {
namespace пл = платформа;

std::string папка_пакетов() { return "пакеты"; }

bool это_модуль(std::string_view имя) {
  const std::size_t точка = имя.rfind('.');
  return точка != std::string_view::npos && точка != 0 && имя.substr(точка + 1) == "код";
}

std::string имя_модуля(std::string_view имя) { return декодировать_с_заменой(имя.substr(0, имя.rfind('.'))); }

std::optional<std::vector<std::string>> модули_пакета(const std::string& папка) {
  // A linked package folder lies elsewhere; what it holds is not listed.
  auto записи = пл::записи_папки(папка);
  if (!записи) return std::nullopt;
  std::vector<std::string> модули;
  for (const пл::ЗаписьПапки& запись : *записи) {
    if (это_модуль(запись.имя)) модули.push_back(имя_модуля(запись.имя));
  }
  std::sort(модули.begin(), модули.end());
  return модули;
}

bool пакет_установлен(std::string_view имя) {
  if (!проверить_путь_пакета(имя) || имя == кПапкаСтарыхМетаданных) return false;
  return пл::вид_цели(пл::соединить_пути(папка_пакетов(), имя)) == пл::ВидЗаписи::Папка;
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
