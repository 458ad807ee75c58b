#include "text.h"

#include <cstdint>

namespace тувра::пакеты {
namespace {

struct Символ {
  char32_t код = 0;
  std::size_t длина = 0;        // 0: invalid sequence
  std::size_t недостающая = 1;  // bytes of the maximal invalid subpart when длина is 0
};

// Decodes one scalar value at the front of the bytes by the rules of well-formed UTF-8.
Символ прочитать_символ(std::string_view б, std::size_t i) {
  const auto байт = [&](std::size_t k) { return static_cast<std::uint8_t>(б[k]); };
  const std::uint8_t первый = байт(i);
  if (первый < 0x80) return {первый, 1, 0};
  std::size_t нужно = 0;
  char32_t код = 0;
  std::uint8_t мин = 0x80, макс = 0xBF;
  if (первый >= 0xC2 && первый <= 0xDF) {
    нужно = 1;
    код = первый & 0x1F;
  } else if (первый >= 0xE0 && первый <= 0xEF) {
    нужно = 2;
    код = первый & 0x0F;
    if (первый == 0xE0) мин = 0xA0;
    if (первый == 0xED) макс = 0x9F;
  } else if (первый >= 0xF0 && первый <= 0xF4) {
    нужно = 3;
    код = первый & 0x07;
    if (первый == 0xF0) мин = 0x90;
    if (первый == 0xF4) макс = 0x8F;
  } else {
    return {0, 0, 1};
  }
  std::size_t взято = 1;
  for (std::size_t k = 0; k < нужно; ++k) {
    if (i + взято >= б.size()) return {0, 0, взято};
    const std::uint8_t продолжение = байт(i + взято);
    const std::uint8_t нижний = k == 0 ? мин : 0x80;
    const std::uint8_t верхний = k == 0 ? макс : 0xBF;
    if (продолжение < нижний || продолжение > верхний) return {0, 0, взято};
    код = (код << 6) | (продолжение & 0x3F);
    ++взято;
  }
  return {код, взято, 0};
}

bool пробел(char32_t к) {
  return (к >= 0x09 && к <= 0x0D) || к == 0x20 || к == 0x85 || к == 0xA0 || к == 0x1680 ||
         (к >= 0x2000 && к <= 0x200A) || к == 0x2028 || к == 0x2029 || к == 0x202F || к == 0x205F || к == 0x3000;
}

// Length of the white-space character at i, or 0 when there is none.
std::size_t пробел_в(std::string_view т, std::size_t i) {
  const Символ с = прочитать_символ(т, i);
  return с.длина != 0 && пробел(с.код) ? с.длина : 0;
}

// Length of the white-space character that ends at `конец`, or 0.
std::size_t пробел_перед(std::string_view т, std::size_t конец) {
  for (std::size_t длина = 1; длина <= 3 && длина <= конец; ++длина) {
    const Символ с = прочитать_символ(т, конец - длина);
    if (с.длина == длина) return пробел(с.код) ? длина : 0;
  }
  return 0;
}

bool невидимый(char32_t к) {
  return (к >= 0x200B && к <= 0x200F) || (к >= 0x202A && к <= 0x202E) || (к >= 0x2066 && к <= 0x2069) || к == 0xFEFF;
}

bool управляющий(char32_t к) { return к < 0x20 || (к >= 0x7F && к <= 0x9F); }

std::string заменить_для_терминала(std::string_view текст, bool имя) {
  std::string итог;
  итог.reserve(текст.size());
  for (std::size_t i = 0; i < текст.size();) {
    const Символ с = прочитать_символ(текст, i);
    const bool оставить = с.длина != 0 && (с.код == '\n' ? !имя : !управляющий(с.код) && !(имя && невидимый(с.код)));
    if (оставить) {
      итог.append(текст.substr(i, с.длина));
    } else {
      итог += "\xEF\xBF\xBD";
    }
    i += с.длина != 0 ? с.длина : с.недостающая;
  }
  return итог;
}

}  // namespace

bool это_utf8(std::string_view байты) {
  for (std::size_t i = 0; i < байты.size();) {
    const Символ с = прочитать_символ(байты, i);
    if (с.длина == 0) return false;
    i += с.длина;
  }
  return true;
}

std::string декодировать_с_заменой(std::string_view байты) {
  std::string итог;
  итог.reserve(байты.size());
  for (std::size_t i = 0; i < байты.size();) {
    const Символ с = прочитать_символ(байты, i);
    if (с.длина == 0) {
      итог += "\xEF\xBF\xBD";
      i += с.недостающая;
    } else {
      итог.append(байты.substr(i, с.длина));
      i += с.длина;
    }
  }
  return итог;
}

std::string_view обрезать_пробелы(std::string_view текст) {
  std::size_t начало = 0;
  while (начало < текст.size()) {
    const std::size_t длина = пробел_в(текст, начало);
    if (длина == 0) break;
    начало += длина;
  }
  std::size_t конец = текст.size();
  while (конец > начало) {
    const std::size_t длина = пробел_перед(текст, конец);
    if (длина == 0) break;
    конец -= длина;
  }
  return текст.substr(начало, конец - начало);
}

std::optional<std::string_view> следующее_слово(std::string_view текст, std::size_t& начало) {
  while (начало < текст.size()) {
    const std::size_t длина = пробел_в(текст, начало);
    if (длина == 0) break;
    начало += длина;
  }
  if (начало >= текст.size()) return std::nullopt;
  const std::size_t слово = начало;
  while (начало < текст.size() && пробел_в(текст, начало) == 0) ++начало;
  return текст.substr(слово, начало - слово);
}

std::vector<std::string_view> разбить_на_слова(std::string_view текст) {
  std::vector<std::string_view> слова;
  std::size_t начало = 0;
  while (const auto слово = следующее_слово(текст, начало)) слова.push_back(*слово);
  return слова;
}

std::optional<std::string_view> следующая_строка(std::string_view текст, std::size_t& начало) {
  if (начало >= текст.size()) return std::nullopt;
  std::size_t конец = текст.find('\n', начало);
  const bool последняя = конец == std::string_view::npos;
  if (последняя) конец = текст.size();
  std::string_view строка = текст.substr(начало, конец - начало);
  if (!последняя && !строка.empty() && строка.back() == '\r') строка.remove_suffix(1);
  начало = конец + 1;
  return строка;
}

std::vector<std::string_view> разбить_на_строки(std::string_view текст) {
  std::vector<std::string_view> строки;
  std::size_t начало = 0;
  while (const auto строка = следующая_строка(текст, начало)) строки.push_back(*строка);
  return строки;
}

std::size_t управляющий_символ(std::string_view текст, std::size_t i) {
  const auto байт = static_cast<std::uint8_t>(текст[i]);
  if (байт < 0x20 || байт == 0x7F) return 1;
  if (байт != 0xC2 || i + 1 >= текст.size()) return 0;
  const auto второй = static_cast<std::uint8_t>(текст[i + 1]);
  return второй >= 0x80 && второй <= 0x9F ? 2 : 0;
}

std::string для_терминала(std::string_view текст) { return заменить_для_терминала(текст, false); }

std::string имя_для_терминала(std::string_view имя) { return заменить_для_терминала(имя, true); }

bool есть_невидимый_символ(std::string_view текст) {
  for (std::size_t i = 0; i < текст.size();) {
    const Символ с = прочитать_символ(текст, i);
    if (с.длина != 0 && невидимый(с.код)) return true;
    i += с.длина != 0 ? с.длина : с.недостающая;
  }
  return false;
}

bool начинается_с(std::string_view текст, std::string_view начало) { return текст.substr(0, начало.size()) == начало; }

}  // namespace тувра::пакеты
