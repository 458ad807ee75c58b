#include "package_name.h"

namespace тувра::пакеты {
namespace {

std::string отказ(std::string_view имя, std::string_view причина) {
  return "недопустимое имя пакета '" + std::string(имя) + "': " + std::string(причина) +
         " — имя пакета становится именем папки внутри 'пакеты/'";
}

}  // namespace

Итог<Пусто, std::string> проверить_имя_пакета(std::string_view имя) {
  if (имя.empty()) return Неудача{отказ(имя, "имя пустое")};
  // Windows drops trailing dots, so "..." would name the folder above as well.
  if (имя.find_first_not_of('.') == std::string_view::npos) {
    return Неудача{отказ(имя, "имя из одних точек ('.', '..') указывает не на папку пакета")};
  }
  if (имя.find_first_of("/\\") != std::string_view::npos) {
    return Неудача{отказ(имя, "имя содержит разделитель пути ('/' или '\\')")};
  }
  // A colon names a drive ("C:") or, on Windows, a stream of another file.
  if (имя.find(':') != std::string_view::npos) {
    return Неудача{отказ(имя, "имя содержит ':' и задало бы диск или абсолютный путь")};
  }
  if (имя.find('\0') != std::string_view::npos) return Неудача{отказ(имя, "имя содержит нулевой байт")};
  return Пусто{};
}

}  // namespace тувра::пакеты
