#include "lexer/lexer.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <limits>
#include <optional>
#include <string_view>
#include <utility>

#include "lexer/char_class.h"
#include "lexer/utf8.h"

namespace тувра {
namespace {

using Номер = ВидТокена::Номер;
using Ответ = Итог<ВидТокена, ОшибкаРазбора>;

constexpr char32_t нет_символа = 0xFFFFFFFF;

// The lexer's cursor, kept in locals while a text is read and stored back at the end.
class Курсор {
 public:
  explicit Курсор(const Лексер& лексер)
      : символы_(лексер.символы), позиция_(лексер.позиция), строка_(лексер.строка),
        столбец_(лексер.столбец) {}

  void сохранить_в(Лексер& лексер) const {
    лексер.позиция = позиция_;
    лексер.строка = строка_;
    лексер.столбец = столбец_;
  }

  bool в_конце() const { return позиция_ >= символы_.size(); }
  char32_t текущий() const { return в_конце() ? нет_символа : символы_[позиция_]; }
  char32_t следующий() const {
    return позиция_ + 1 < символы_.size() ? символы_[позиция_ + 1] : нет_символа;
  }

  // Every consumed character advances by this one rule: only U+000A starts a line.
  void шаг() {
    if (символы_[позиция_++] == U'\n') {
      ++строка_;
      столбец_ = 1;
    } else {
      ++столбец_;
    }
  }

  std::size_t позиция() const { return позиция_; }
  std::size_t строка() const { return строка_; }
  std::size_t столбец() const { return столбец_; }
  std::u32string_view отрезок(std::size_t от, std::size_t до) const {
    return std::u32string_view(символы_).substr(от, до - от);
  }

 private:
  const std::u32string& символы_;
  std::size_t позиция_;
  std::size_t строка_;
  std::size_t столбец_;
};

ОшибкаРазбора ошибка(std::string сообщение, std::size_t строка, std::size_t столбец) {
  return ОшибкаРазбора{std::move(сообщение), строка, столбец};
}

void пропустить_блочный_комментарий(Курсор& к) {
  к.шаг();
  к.шаг();
  while (!к.в_конце()) {
    if (к.текущий() == U'*' && к.следующий() == U'/') {
      к.шаг();
      к.шаг();
      return;
    }
    к.шаг();
  }
}

void пропустить_пробелы_и_комментарии(Курсор& к) {
  while (!к.в_конце()) {
    const char32_t с = к.текущий();
    if (классы::пробел(с)) {
      к.шаг();
    } else if (с == U'/' && к.следующий() == U'/') {
      while (!к.в_конце() && к.текущий() != U'\n') к.шаг();
    } else if (с == U'/' && к.следующий() == U'*') {
      пропустить_блочный_комментарий(к);
    } else {
      return;
    }
  }
}

// A double literal: from_chars reports out_of_range instead of rounding to infinity or zero.
std::optional<double> в_дробное(const std::string& текст) {
  double значение = 0;
  const auto [конец, код] = std::from_chars(текст.data(), текст.data() + текст.size(), значение,
                                            std::chars_format::fixed);
  if (конец != текст.data() + текст.size()) return std::nullopt;
  if (код == std::errc{}) return значение;
  if (код != std::errc::result_out_of_range) return std::nullopt;
  // Out of range: a non-zero digit before the point means too large, otherwise too small.
  const auto точка = текст.find('.');
  const bool больше_единицы = текст.find_first_not_of('0') < точка;
  return больше_единицы ? std::numeric_limits<double>::infinity() : 0.0;
}

Ответ прочитать_число(Курсор& к) {
  std::string текст;
  bool есть_точка = false;
  while (true) {
    const char32_t с = к.текущий();
    if (классы::цифра_ascii(с)) {
      текст.push_back(static_cast<char>(с));
    } else if (с == U'.' && !есть_точка && классы::цифра_ascii(к.следующий())) {
      есть_точка = true;
      текст.push_back('.');
    } else {
      break;
    }
    к.шаг();
  }
  if (есть_точка) {
    if (auto значение = в_дробное(текст)) return ВидТокена::дробное_лит(*значение);
    return Неудача{ошибка("не удалось разобрать дробное число: " + текст, к.строка(), к.столбец())};
  }
  std::int64_t значение = 0;
  const auto [конец, код] = std::from_chars(текст.data(), текст.data() + текст.size(), значение);
  if (код != std::errc{} || конец != текст.data() + текст.size()) {
    return Неудача{ошибка("не удалось разобрать целое число: " + текст, к.строка(), к.столбец())};
  }
  return ВидТокена::целое_лит(значение);
}

void дописать_экранированное(std::string& текст, char32_t после_слэша) {
  switch (после_слэша) {
    case U'"': текст.push_back('"'); return;
    case U'$': текст.push_back('$'); return;
    case U'\\': текст.push_back('\\'); return;
    case U'n': текст.push_back('\n'); return;
    case U'r': текст.push_back('\r'); return;
    case U't': текст.push_back('\t'); return;
    default:
      текст.push_back('\\');
      дописать_utf8(текст, после_слэша);
  }
}

Ответ прочитать_текст(Курсор& к) {
  const std::size_t строка = к.строка();
  const std::size_t столбец = к.столбец();
  std::string текст;
  к.шаг();
  while (true) {
    if (к.в_конце()) return Неудача{ошибка("незакрытый текстовый литерал", строка, столбец)};
    const char32_t с = к.текущий();
    к.шаг();
    if (с == U'"') return ВидТокена::текст_лит(std::move(текст));
    if (с != U'\\') {
      дописать_utf8(текст, с);
      continue;
    }
    if (к.в_конце()) {
      return Неудача{ошибка("незакрытый текстовый литерал (обрыв после \\)", строка, столбец)};
    }
    дописать_экранированное(текст, к.текущий());
    к.шаг();
  }
}

struct ЗарезервированноеСлово {
  std::u32string_view слово;
  Номер номер;
};

// The reserved words; да and нет are handled apart because they carry a value.
constexpr std::array<ЗарезервированноеСлово, 49> зарезервированные = {{
    {U"функция", Номер::Функция}, {U"структура", Номер::Структура},
    {U"внешняя", Номер::Внешняя}, {U"как", Номер::Как}, {U"контракт", Номер::Контракт},
    {U"подключить", Номер::Подключить}, {U"если", Номер::Если}, {U"иначе", Номер::Иначе},
    {U"для", Номер::Для}, {U"каждого", Номер::Каждого}, {U"в", Номер::В},
    {U"пока", Номер::Пока}, {U"вернуть", Номер::Вернуть}, {U"публично", Номер::Публично},
    {U"приватно", Номер::Приватно}, {U"результат", Номер::Результат},
    {U"успех", Номер::Успех}, {U"ошибка", Номер::Ошибка}, {U"слабая", Номер::Слабая},
    {U"неизменно", Номер::Неизменно}, {U"ссылка", Номер::Ссылка},
    {U"параллельно", Номер::Параллельно}, {U"детерминировано", Номер::Детерминировано},
    {U"канал", Номер::Канал}, {U"это", Номер::Это}, {U"прервать", Номер::Прервать},
    {U"продолжить", Номер::Продолжить}, {U"конец", Номер::Конец}, {U"из", Номер::Из},
    {U"целое", Номер::Целое}, {U"целое8", Номер::Целое8}, {U"целое16", Номер::Целое16},
    {U"целое32", Номер::Целое32}, {U"целое64", Номер::Целое64},
    {U"беззнак8", Номер::Беззнак8}, {U"беззнак16", Номер::Беззнак16},
    {U"беззнак32", Номер::Беззнак32}, {U"беззнак64", Номер::Беззнак64},
    {U"дробное", Номер::Дробное}, {U"дробное32", Номер::Дробное32},
    {U"дробное64", Номер::Дробное64}, {U"текст", Номер::Текст}, {U"верно", Номер::Верно},
    {U"и", Номер::И}, {U"или", Номер::Или}, {U"не", Номер::Не},
    {U"меньше", Номер::Меньше}, {U"больше", Номер::Больше},
    {U"неуказано", Номер::НеуказаноЛит},
}};

std::optional<ВидТокена> зарезервированный_вид(std::u32string_view слово) {
  // Every reserved word starts with a lower-case Cyrillic letter.
  if (слово.front() < U'а' || слово.front() > U'я') return std::nullopt;
  if (слово == U"да") return ВидТокена::верно_лит(true);
  if (слово == U"нет") return ВидТокена::верно_лит(false);
  for (const auto& [написание, номер] : зарезервированные) {
    if (написание == слово) return ВидТокена(номер);
  }
  return std::nullopt;
}

ВидТокена прочитать_слово(Курсор& к) {
  const std::size_t начало = к.позиция();
  к.шаг();
  while (классы::продолжение_слова(к.текущий())) к.шаг();
  const auto слово = к.отрезок(начало, к.позиция());
  if (auto вид = зарезервированный_вид(слово)) return std::move(*вид);
  return ВидТокена::идентификатор(закодировать_utf8(слово));
}

std::optional<Номер> одиночный_знак(char32_t с) {
  switch (с) {
    case U'+': return Номер::Плюс;
    case U'-': return Номер::Минус;
    case U'*': return Номер::Звёздочка;
    case U'/': return Номер::Слэш;
    case U'%': return Номер::Процент;
    case U'=': return Номер::Равно;
    case U'!': return Номер::Не;
    case U'<': return Номер::Меньше;
    case U'>': return Номер::Больше;
    case U'?': return Номер::Вопрос;
    case U'$': return Номер::Доллар;
    case U'&': return Номер::БитИ;
    case U'|': return Номер::БитИли;
    case U'^': return Номер::БитИскл;
    case U'~': return Номер::БитНе;
    case U'{': return Номер::ОткрФигурная;
    case U'}': return Номер::ЗакрФигурная;
    case U'(': return Номер::ОткрКруглая;
    case U')': return Номер::ЗакрКруглая;
    case U'[': return Номер::ОткрКвадратная;
    case U']': return Номер::ЗакрКвадратная;
    case U'.': return Номер::Точка;
    case U',': return Номер::Запятая;
    case U';': return Номер::ТочкаЗапятой;
    case U':': return Номер::Двоеточие;
    default: return std::nullopt;
  }
}

// The two-character operator that starts with `первый` and goes on with `второй`, if any.
std::optional<Номер> двойной_знак(char32_t первый, char32_t второй) {
  if (второй == U'=') {
    switch (первый) {
      case U'=': return Номер::РавноРавно;
      case U'!': return Номер::НеРавно;
      case U'<': return Номер::МеньшеРавно;
      case U'>': return Номер::БольшеРавно;
      default: return std::nullopt;
    }
  }
  if (первый == U'&' && второй == U'&') return Номер::И;
  if (первый == U'|' && второй == U'|') return Номер::Или;
  if (первый == U'-' && второй == U'>') return Номер::Стрелка;
  return std::nullopt;
}

Ответ прочитать_знак(Курсор& к) {
  const char32_t с = к.текущий();
  const auto одиночный = одиночный_знак(с);
  if (!одиночный) {
    std::string сообщение = "неожиданный символ: '";
    дописать_utf8(сообщение, с);
    return Неудача{ошибка(сообщение + "'", к.строка(), к.столбец())};
  }
  к.шаг();
  if (const auto двойной = двойной_знак(с, к.текущий())) {
    к.шаг();
    return ВидТокена(*двойной);
  }
  return ВидТокена(*одиночный);
}

Ответ прочитать_токен(Курсор& к) {
  const char32_t с = к.текущий();
  if (классы::цифра_ascii(с)) return прочитать_число(к);
  if (с == U'"') return прочитать_текст(к);
  if (классы::начало_слова(с)) return прочитать_слово(к);
  return прочитать_знак(к);
}

Итог<std::vector<Токен>, ОшибкаРазбора> прочитать_все(Курсор& к, std::size_t символов) {
  std::vector<Токен> токены;
  // Source text averages a token per five or six characters; reserving for that spares the
  // copies and the fresh pages of repeated growth, which cost more than the lexing itself.
  токены.reserve(символов / 5 + 1);
  while (true) {
    пропустить_пробелы_и_комментарии(к);
    if (к.в_конце()) {
      токены.push_back(Токен{ВидТокена::КонецФайла, к.строка(), к.столбец(), к.позиция(),
                             к.позиция()});
      return токены;
    }
    const std::size_t начало = к.позиция();
    const std::size_t строка = к.строка();
    const std::size_t столбец = к.столбец();
    auto вид = прочитать_токен(к);
    if (!вид) return Неудача{std::move(вид).error()};
    токены.push_back(Токен{std::move(*вид), строка, столбец, начало, к.позиция()});
  }
}

}  // namespace

Лексер новый_лексер(std::string_view текст) {
  return Лексер{декодировать_utf8(текст), 0, 1, 1};
}

Итог<std::vector<Токен>, ОшибкаРазбора> разбить_на_токены(Лексер& лексер) {
  Курсор курсор(лексер);
  const std::size_t осталось =
      лексер.символы.size() - std::min(лексер.позиция, лексер.символы.size());
  auto итог = прочитать_все(курсор, осталось);
  курсор.сохранить_в(лексер);
  return итог;
}

}  // namespace тувра
