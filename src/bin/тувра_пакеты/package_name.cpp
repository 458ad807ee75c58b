#include "package_name.h"

#include <array>
#include <cctype>

#include "messages.h"
#include "text.h"

namespace тувра::пакеты {
namespace {

// The name is shown replaced: the very characters it is refused for must not reach the terminal.
std::string отказ(std::string_view имя, std::string_view причина) {
  return "недопустимое имя пакета '" + имя_для_терминала(имя) + "': " + std::string(причина);
}

std::string отказ_пути(std::string_view имя, std::string_view причина) {
  return отказ(имя, причина) + " — имя пакета становится именем папки внутри 'пакеты/'";
}

bool есть_управляющий_символ(std::string_view имя) {
  for (std::size_t i = 0; i < имя.size(); ++i) {
    if (управляющий_символ(имя, i) != 0) return true;
  }
  return false;
}

bool равны_без_регистра(std::string_view а, std::string_view б) {
  if (а.size() != б.size()) return false;
  for (std::size_t i = 0; i < а.size(); ++i) {
    if (std::toupper(static_cast<unsigned char>(а[i])) != std::toupper(static_cast<unsigned char>(б[i]))) return false;
  }
  return true;
}

// Windows opens the device for such a name whatever extension follows, and blanks before it.
bool имя_устройства_windows(std::string_view имя) {
  std::string_view основа = имя.substr(0, имя.find('.'));
  while (!основа.empty() && основа.back() == ' ') основа.remove_suffix(1);
  static constexpr std::array<std::string_view, 4> простые = {"CON", "PRN", "AUX", "NUL"};
  for (std::string_view устройство : простые) {
    if (равны_без_регистра(основа, устройство)) return true;
  }
  for (std::string_view приставка : {std::string_view("COM"), std::string_view("LPT")}) {
    if (основа.size() < 4 || !равны_без_регистра(основа.substr(0, 3), приставка)) continue;
    const std::string_view номер = основа.substr(3);
    if (номер.size() == 1 && номер[0] >= '1' && номер[0] <= '9') return true;
    if (номер == "¹" || номер == "²" || номер == "³") return true;
  }
  return false;
}

}  // namespace

Итог<Пусто, std::string> проверить_путь_пакета(std::string_view имя) {
  if (имя.empty()) return Неудача{отказ_пути(имя, "имя пустое")};
  // Windows drops trailing dots, so "..." would name the folder above as well.
  if (имя.find_first_not_of('.') == std::string_view::npos) {
    return Неудача{отказ_пути(имя, "имя из одних точек ('.', '..') указывает не на папку пакета")};
  }
  if (имя.find_first_of("/\\") != std::string_view::npos) {
    return Неудача{отказ_пути(имя, "имя содержит разделитель пути ('/' или '\\')")};
  }
  // A colon names a drive ("C:") or, on Windows, a stream of another file.
  if (имя.find(':') != std::string_view::npos) {
    return Неудача{отказ_пути(имя, "имя содержит ':' и задало бы диск или абсолютный путь")};
  }
  if (имя.find('\0') != std::string_view::npos) return Неудача{отказ_пути(имя, "имя содержит нулевой байт")};
  return Пусто{};
}

Итог<Пусто, std::string> проверить_имя_пакета(std::string_view имя) {
  if (auto путь = проверить_путь_пакета(имя); !путь) return путь;
  if (есть_управляющий_символ(имя)) return Неудача{отказ(имя, причины::имя_с_управляющим_символом)};
  if (есть_невидимый_символ(имя)) return Неудача{отказ(имя, причины::имя_с_невидимым_символом)};
  if (имя.find(',') != std::string_view::npos) return Неудача{отказ(имя, причины::имя_с_запятой)};
  if (имя == ".метаданные") return Неудача{отказ(имя, причины::имя_папки_метаданных)};
  if (имя_устройства_windows(имя)) return Неудача{отказ(имя, причины::имя_устройства_windows)};
  if (имя.back() == '.' || имя.back() == ' ') return Неудача{отказ(имя, причины::имя_с_точкой_или_пробелом_в_конце)};
  return Пусто{};
}

}  // namespace тувра::пакеты
