#include "manifest_append.h"

#include "text.h"

namespace тувра::пакеты {

bool имя_в_манифесте(std::string_view манифест, std::string_view имя) {
  // Every piece between line feeds counts, comments and lines without "=" included.
  while (true) {
    const std::size_t конец = манифест.find('\n');
    std::string_view ключ = обрезать_пробелы(манифест.substr(0, конец));
    if (const std::size_t равно = ключ.find('='); равно != std::string_view::npos) {
      ключ = обрезать_пробелы(ключ.substr(0, равно));
    }
    if (ключ == имя) return true;
    if (конец == std::string_view::npos) return false;
    манифест.remove_prefix(конец + 1);
  }
}

std::string дописать_строку(std::string_view манифест, std::string_view строка) {
  // Room for all of it at once: a line as long as a file is not copied again on the way.
  std::string текст;
  текст.reserve(манифест.size() + строка.size() + 2);
  текст = манифест;
  if (!текст.empty() && текст.back() != '\n') текст += '\n';
  текст += строка;
  текст += '\n';
  return текст;
}

}  // namespace тувра::пакеты
