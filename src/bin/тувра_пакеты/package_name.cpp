#include "package_name.h"

#include <unicode/normalizer2.h>
#include <unicode/uchar.h>
#include <unicode/unistr.h>
#include <unicode/utf8.h>

#include <array>
#include <cctype>

#include "messages.h"
#include "text.h"

namespace тувра::пакеты {
namespace {

constexpr std::size_t кНаибольшееИмя = 255;
constexpr std::size_t кПоказатьИмени = 64;

// The name is shown replaced: the very characters it is refused for must not reach the terminal.
std::string отказ(std::string_view имя, std::string_view причина) {
  return сообщения::недопустимое_имя(имя_для_терминала(имя), причина);
}

std::string отказ_пути(std::string_view имя, std::string_view причина) {
  return сообщения::недопустимое_имя_папки(имя_для_терминала(имя), причина);
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
  // CONIN$ and CONOUT$ too: the full-path step turns them into the console before "\\?\" can help.
  static constexpr std::array<std::string_view, 6> простые = {"CON", "CONIN$", "CONOUT$", "PRN", "AUX", "NUL"};
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

// Windows compares file names after upper-casing each UTF-16 unit by the simple mapping: letters
// outside the Basic Multilingual Plane stay as they are.
std::u16string как_сравнивает_windows(std::string_view имя) {
  std::u16string итог;
  for (std::size_t i = 0; i < имя.size();) {
    UChar32 знак = 0;
    U8_NEXT(имя.data(), i, имя.size(), знак);
    if (знак < 0) знак = 0xFFFD;
    if (знак > 0xFFFF) {
      итог += static_cast<char16_t>(0xD7C0 + (знак >> 10));
      итог += static_cast<char16_t>(0xDC00 | (знак & 0x3FF));
      continue;
    }
    const UChar32 заглавный = u_toupper(знак);
    итог += static_cast<char16_t>(заглавный <= 0xFFFF ? заглавный : знак);
  }
  return итог;
}

// The text in Unicode normal form C; as it is when it cannot be brought there (no ICU data).
std::u16string в_nfc(const std::u16string& текст) {
  UErrorCode код = U_ZERO_ERROR;
  const icu::Normalizer2* nfc = icu::Normalizer2::getNFCInstance(код);
  if (U_FAILURE(код)) return текст;
  const icu::UnicodeString итог =
      nfc->normalize(icu::UnicodeString(текст.data(), static_cast<int32_t>(текст.size())), код);
  if (U_FAILURE(код)) return текст;
  return std::u16string(итог.getBuffer(), static_cast<std::size_t>(итог.length()));
}

// macOS and many editors bring names to this form: a name not in it would become another name.
// A name ICU cannot check is refused too, rather than let two spellings through.
bool в_форме_nfc(std::string_view имя) {
  UErrorCode код = U_ZERO_ERROR;
  const icu::Normalizer2* nfc = icu::Normalizer2::getNFCInstance(код);
  if (U_FAILURE(код)) return false;
  const bool да = nfc->isNormalized(
      icu::UnicodeString::fromUTF8(icu::StringPiece(имя.data(), static_cast<int32_t>(имя.size()))), код);
  return U_SUCCESS(код) && да;
}

}  // namespace

Итог<Пусто, std::string> РазличимыеИмена::добавить(std::string_view имя) {
  std::u16string регистр = как_сравнивает_windows(имя);
  std::u16string запись = в_nfc(регистр);
  const auto то_же = [&](const std::map<std::u16string, std::string>& имена, const std::u16string& ключ) {
    const auto место = имена.find(ключ);
    return место == имена.end() || место->second == имя ? nullptr : &место->second;
  };
  if (const std::string* другое = то_же(по_регистру_, регистр)) {
    return Неудача{отказ(имя, сообщения::имя_отличается_регистром(имя_для_терминала(*другое)))};
  }
  if (const std::string* другое = то_же(по_записи_, запись)) {
    return Неудача{отказ(имя, сообщения::имя_отличается_записью(имя_для_терминала(*другое)))};
  }
  по_регистру_.emplace(std::move(регистр), имя);
  по_записи_.emplace(std::move(запись), имя);
  return Пусто{};
}

Итог<Пусто, std::string> проверить_путь_пакета(std::string_view имя) {
  if (имя.empty()) return Неудача{отказ_пути(имя, сообщения::имя_пустое())};
  // No file system takes a longer folder name. Checked first, and shown cut, so that a name as
  // long as a whole manifest is never copied, normalised or printed whole.
  if (имя.size() > кНаибольшееИмя) {
    std::size_t конец = кПоказатьИмени;
    while (конец > 0 && (static_cast<unsigned char>(имя[конец]) & 0xC0) == 0x80) --конец;
    return Неудача{
        сообщения::недопустимое_имя_папки(имя_для_терминала(имя.substr(0, конец)) + "…", сообщения::имя_длинное())};
  }
  // Windows drops trailing dots, so "..." would name the folder above as well.
  if (имя.find_first_not_of('.') == std::string_view::npos) {
    return Неудача{отказ_пути(имя, сообщения::имя_из_точек())};
  }
  if (имя.find_first_of("/\\") != std::string_view::npos) {
    return Неудача{отказ_пути(имя, сообщения::имя_с_разделителем())};
  }
  // A colon names a drive ("C:") or, on Windows, a stream of another file.
  if (имя.find(':') != std::string_view::npos) {
    return Неудача{отказ_пути(имя, сообщения::имя_с_двоеточием())};
  }
  if (имя.find('\0') != std::string_view::npos) return Неудача{отказ_пути(имя, сообщения::имя_с_нулевым_байтом())};
  return Пусто{};
}

Итог<Пусто, std::string> проверить_имя_пакета(std::string_view имя) {
  if (auto путь = проверить_путь_пакета(имя); !путь) return путь;
  if (есть_управляющий_символ(имя)) return Неудача{отказ(имя, сообщения::имя_с_управляющим_символом())};
  if (есть_невидимый_символ(имя)) return Неудача{отказ(имя, сообщения::имя_с_невидимым_символом())};
  if (!в_форме_nfc(имя)) return Неудача{отказ(имя, сообщения::имя_не_в_nfc())};
  if (имя.find(',') != std::string_view::npos) return Неудача{отказ(имя, сообщения::имя_с_запятой())};
  // Refused everywhere, so that a project installs alike on every system.
  if (имя.find_first_of("<>\"|?*") != std::string_view::npos) {
    return Неудача{отказ(имя, сообщения::имя_с_запрещённым_символом())};
  }
  if (имя == ".метаданные") return Неудача{отказ(имя, сообщения::имя_папки_метаданных())};
  if (имя_устройства_windows(имя)) return Неудача{отказ(имя, сообщения::имя_устройства_windows())};
  if (имя.back() == '.' || имя.back() == ' ') {
    return Неудача{отказ(имя, сообщения::имя_с_точкой_или_пробелом_в_конце())};
  }
  return Пусто{};
}

}  // namespace тувра::пакеты
