#include "semantic/suggestions.h"

#include <algorithm>

#include "semantic/analyser.h"
#include "semantic/messages.h"

namespace тувра {

const std::array<std::string_view, 31> встроенные_имена_для_подсказки = {
    "вывести",
    "длина",
    "целое_в_текст",
    "дробное_в_текст",
    "текст_в_целое",
    "абс",
    "мин",
    "макс",
    "верно_в_текст",
    "содержит",
    "найти",
    "подстрока",
    "байт_текста",
    "прочитать_целое32",
    "записать_целое32",
    "прочитать_текст_по_смещению",
    "регистр_в_верхний",
    "регистр_в_нижний",
    "прочитать_строку",
    "аргументы_командной_строки",
    "прочитать_файл",
    "записать_файл",
    "размер_файла",
    "дописать_в_файл_бинарно",
    "прочитать_часть_файла",
    "переименовать_файл",
    "выполнить_команду",
    "дождаться_все_потоки",
    "дождаться_поток",
    "юникс_время",
    "монотонное_время_нс",
};

namespace {

// Unicode scalar values of a UTF-8 text; a byte that starts no valid sequence stands for itself
// (offset past the scalar range), so distinct texts never decode alike.
std::u32string кодовые_точки(std::string_view текст) {
  std::u32string точки;
  точки.reserve(текст.size());
  std::size_t i = 0;
  while (i < текст.size()) {
    auto байт = static_cast<unsigned char>(текст[i]);
    std::size_t длина = байт < 0x80 ? 1 : (байт >> 5) == 0x6 ? 2 : (байт >> 4) == 0xE ? 3 : (байт >> 3) == 0x1E ? 4 : 0;
    bool целая = длина > 0 && i + длина <= текст.size();
    for (std::size_t k = 1; целая && k < длина; ++k) целая = (static_cast<unsigned char>(текст[i + k]) & 0xC0) == 0x80;
    if (!целая) {
      точки.push_back(0x110000 + байт);
      ++i;
      continue;
    }
    char32_t точка = длина == 1 ? байт : длина == 2 ? (байт & 0x1F) : длина == 3 ? (байт & 0x0F) : (байт & 0x07);
    for (std::size_t k = 1; k < длина; ++k) точка = (точка << 6) | (static_cast<unsigned char>(текст[i + k]) & 0x3F);
    точки.push_back(точка);
    i += длина;
  }
  return точки;
}

std::size_t полное_расстояние(const std::u32string& а, const std::u32string& б) {
  std::vector<std::size_t> строка(б.size() + 1);
  for (std::size_t j = 0; j <= б.size(); ++j) строка[j] = j;
  for (std::size_t i = 1; i <= а.size(); ++i) {
    std::size_t по_диагонали = строка[0];
    строка[0] = i;
    for (std::size_t j = 1; j <= б.size(); ++j) {
      std::size_t сверху = строка[j];
      строка[j] = std::min({строка[j - 1] + 1, сверху + 1, по_диагонали + (а[i - 1] == б[j - 1] ? 0 : 1)});
      по_диагонали = сверху;
    }
  }
  return строка[б.size()];
}

// Only the cells within предел of the diagonal can stay within предел; a row whose every
// cell is past it ends the walk.
std::optional<std::size_t> расстояние_в_полосе(const std::u32string& а, const std::u32string& б, std::size_t предел) {
  std::size_t n = а.size();
  std::size_t m = б.size();
  if ((n > m ? n - m : m - n) > предел) return std::nullopt;
  const std::size_t далеко = предел + 1;
  std::vector<std::size_t> прежняя(m + 1, далеко);
  std::vector<std::size_t> текущая(m + 1, далеко);
  for (std::size_t j = 0; j <= std::min(m, предел); ++j) прежняя[j] = j;
  for (std::size_t i = 1; i <= n; ++i) {
    std::size_t от = i > предел ? i - предел : 1;
    std::size_t до = std::min(m, i + предел);
    текущая[0] = i <= предел ? i : далеко;
    текущая[от - 1] = от == 1 ? текущая[0] : далеко;
    std::size_t наименьшая = текущая[0];
    for (std::size_t j = от; j <= до; ++j) {
      std::size_t замена = прежняя[j - 1] + (а[i - 1] == б[j - 1] ? 0 : 1);
      std::size_t значение = std::min({замена, прежняя[j] + 1, текущая[j - 1] + 1, далеко});
      текущая[j] = значение;
      наименьшая = std::min(наименьшая, значение);
    }
    if (до < m) текущая[до + 1] = далеко;
    if (наименьшая > предел) return std::nullopt;
    std::swap(прежняя, текущая);
  }
  if (прежняя[m] > предел) return std::nullopt;
  return прежняя[m];
}

}  // namespace

std::size_t расстояние_правки(std::string_view а, std::string_view б) {
  return полное_расстояние(кодовые_точки(а), кодовые_точки(б));
}

std::optional<std::size_t> расстояние_правки_не_больше(std::string_view а, std::string_view б, std::size_t предел) {
  return расстояние_в_полосе(кодовые_точки(а), кодовые_точки(б), предел);
}

std::optional<std::string_view> ближайшее_имя(std::string_view имя, std::span<const std::string_view> кандидаты) {
  std::u32string точки = кодовые_точки(имя);
  std::size_t n = точки.size();
  if (n == 0) return std::nullopt;
  std::size_t предел = n < 3 ? 1 : std::min<std::size_t>(n / 3, 3);
  std::optional<std::string_view> выбранный;
  std::size_t лучшее = предел + 1;
  for (std::string_view кандидат : кандидаты) {
    if (кандидат == имя) continue;
    // Only a strictly nearer candidate can take the place of the chosen one.
    std::size_t допустимо = лучшее - 1;
    std::u32string точки_кандидата = кодовые_точки(кандидат);
    std::size_t длина = точки_кандидата.size();
    if ((длина > n ? длина - n : n - длина) > допустимо) continue;
    std::optional<std::size_t> расстояние = расстояние_в_полосе(точки, точки_кандидата, допустимо);
    if (!расстояние) continue;
    выбранный = кандидат;
    лучшее = *расстояние;
    if (лучшее == 0) break;
  }
  return выбранный;
}

std::string подсказка_имени(std::string_view имя, std::span<const std::string_view> кандидаты) {
  std::optional<std::string_view> ближайшее = ближайшее_имя(имя, кандидаты);
  return ближайшее ? сообщения::подсказка(*ближайшее) : std::string();
}

std::vector<std::string_view> кандидаты_переменных(const Анализатор& анализатор) {
  return анализатор.области_видимости.все_имена();
}

std::vector<std::string_view> кандидаты_функций(const Анализатор& анализатор) {
  std::vector<std::string_view> кандидаты;
  кандидаты.reserve(анализатор.реестр_функций.size() + встроенные_имена_для_подсказки.size());
  for (const auto& [имя, сигнатура] : анализатор.реестр_функций) кандидаты.push_back(имя);
  кандидаты.insert(кандидаты.end(), встроенные_имена_для_подсказки.begin(), встроенные_имена_для_подсказки.end());
  return кандидаты;
}

}  // namespace тувра
