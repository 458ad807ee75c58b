#include "lexer/lexer.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <limits>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "lexer/char_class.h"
#include "lexer/messages.h"
#include "lexer/utf8.h"
#include "support/message_template.h"

namespace тувра {
namespace {

using Номер = ВидТокена::Номер;
using Ответ = Итог<ВидТокена, ОшибкаРазбора>;

using ВидОшибки = ВидОшибкиЛексера;

// Kept out of the readers that call it: they run for every token, an error at most once.
[[gnu::cold, gnu::noinline]] ОшибкаРазбора ошибка(ВидОшибки вид, std::size_t строка, std::size_t столбец,
                                                  std::string_view значение = {}) {
  return ОшибкаРазбора{заполнить_шаблон(статья(вид).шаблон, {значение}), строка, столбец, вид};
}

// The lexer's cursor over the bytes, kept in locals while a text is read and stored back at
// the end. Every consumed character moves `позиция` and the column (or the line) by one,
// whatever its number of bytes: only U+000A starts a line.
class Курсор {
 public:
  explicit Курсор(const Лексер& лексер)
      : текст_(лексер.текст),
        байт_(лексер.байт),
        позиция_(лексер.позиция),
        строка_(лексер.строка),
        столбец_(лексер.столбец) {}

  void сохранить_в(Лексер& лексер) const {
    лексер.байт = байт_;
    лексер.позиция = позиция_;
    лексер.строка = строка_;
    лексер.столбец = столбец_;
  }

  bool в_конце() const { return байт_ >= текст_.size(); }
  // The byte `сдвиг` places ahead, or 0 past the end (no test below looks for 0).
  unsigned char байт(std::size_t сдвиг = 0) const {
    return байт_ + сдвиг < текст_.size() ? static_cast<unsigned char>(текст_[байт_ + сдвиг]) : 0;
  }
  СимволUtf8 символ() const { return прочитать_символ(текст_, байт_); }

  // An ASCII character other than a line feed.
  void шаг_ascii() {
    ++байт_;
    ++позиция_;
    ++столбец_;
  }
  void шаг_перевода_строки() {
    ++байт_;
    ++позиция_;
    ++строка_;
    столбец_ = 1;
  }
  // A character of `длина` bytes other than a line feed.
  void шаг_символа(std::size_t длина) {
    байт_ += длина;
    ++позиция_;
    ++столбец_;
  }
  // Any one character.
  void шаг() {
    const unsigned char б = байт();
    if (б == '\n') {
      шаг_перевода_строки();
    } else if (б < 0x80) {
      шаг_ascii();
    } else {
      шаг_символа(символ().байт);
    }
  }

  std::size_t смещение() const { return байт_; }
  std::size_t позиция() const { return позиция_; }
  std::size_t строка() const { return строка_; }
  std::size_t столбец() const { return столбец_; }
  std::string_view от(std::size_t смещение) const { return текст_.substr(смещение, байт_ - смещение); }

 private:
  std::string_view текст_;
  std::size_t байт_;
  std::size_t позиция_;
  std::size_t строка_;
  std::size_t столбец_;
};

bool цифра(unsigned char б) { return б >= '0' && б <= '9'; }

bool начало_слова_ascii(unsigned char б) { return (б >= 'a' && б <= 'z') || (б >= 'A' && б <= 'Z') || б == '_'; }

// The two bytes of U+0400 to U+047F: Cyrillic letters, which continue a word without ICU.
bool кириллица_из_двух(unsigned char первый, unsigned char второй) {
  return (первый == 0xD0 || первый == 0xD1) && (второй & 0xC0) == 0x80;
}

void пропустить_строчный_комментарий(Курсор& к) {
  while (!к.в_конце()) {
    const unsigned char б = к.байт();
    if (б == '\n') return;
    if (б < 0x80) {
      к.шаг_ascii();
    } else {
      к.шаг_символа(к.символ().байт);
    }
  }
}

void пропустить_блочный_комментарий(Курсор& к) {
  к.шаг_ascii();
  к.шаг_ascii();
  while (!к.в_конце()) {
    if (к.байт() == '*' && к.байт(1) == '/') {
      к.шаг_ascii();
      к.шаг_ascii();
      return;
    }
    к.шаг();
  }
}

void пропустить_пробелы_и_комментарии(Курсор& к) {
  while (!к.в_конце()) {
    const unsigned char б = к.байт();
    if (б == ' ' || б == '\t' || б == '\r' || б == '\v' || б == '\f') {
      к.шаг_ascii();
    } else if (б == '\n') {
      к.шаг_перевода_строки();
    } else if (б == '/' && к.байт(1) == '/') {
      пропустить_строчный_комментарий(к);
    } else if (б == '/' && к.байт(1) == '*') {
      пропустить_блочный_комментарий(к);
    } else if (б < 0x80) {
      return;
    } else {
      const СимволUtf8 с = к.символ();
      if (!классы::пробел(с.символ)) return;
      к.шаг_символа(с.байт);
    }
  }
}

// A double literal: from_chars reports out_of_range instead of rounding to infinity or zero.
std::optional<double> в_дробное(std::string_view текст) {
  double значение = 0;
  const auto [конец, код] =
      std::from_chars(текст.data(), текст.data() + текст.size(), значение, std::chars_format::fixed);
  if (конец != текст.data() + текст.size()) return std::nullopt;
  if (код == std::errc{}) return значение;
  if (код != std::errc::result_out_of_range) return std::nullopt;
  // Out of range: a non-zero digit before the point means too large, otherwise too small.
  const auto точка = текст.find('.');
  const bool больше_единицы = текст.find_first_not_of('0') < точка;
  return больше_единицы ? std::numeric_limits<double>::infinity() : 0.0;
}

Ответ прочитать_число(Курсор& к) {
  const std::size_t начало = к.смещение();
  bool есть_точка = false;
  while (true) {
    const unsigned char б = к.байт();
    if (цифра(б)) {
      к.шаг_ascii();
    } else if (б == '.' && !есть_точка && цифра(к.байт(1))) {
      есть_точка = true;
      к.шаг_ascii();
    } else {
      break;
    }
  }
  const std::string_view текст = к.от(начало);
  if (есть_точка) {
    if (auto значение = в_дробное(текст)) return ВидТокена::дробное_лит(*значение);
    return Неудача{ошибка(ВидОшибки::ДробноеЧисло, к.строка(), к.столбец(), текст)};
  }
  std::int64_t значение = 0;
  const auto [конец, код] = std::from_chars(текст.data(), текст.data() + текст.size(), значение);
  if (код != std::errc{} || конец != текст.data() + текст.size()) {
    return Неудача{ошибка(ВидОшибки::ЦелоеЧисло, к.строка(), к.столбец(), текст)};
  }
  return ВидТокена::целое_лит(значение);
}

// Consumes one character and appends it as it reads: ill-formed bytes as U+FFFD.
void перенести_символ(Курсор& к, std::string& текст) {
  const unsigned char б = к.байт();
  if (б < 0x80) {
    текст.push_back(static_cast<char>(б));
    к.шаг();
    return;
  }
  const СимволUtf8 с = к.символ();
  дописать_utf8(текст, с.символ);
  к.шаг_символа(с.байт);
}

// Consumes the character after a backslash and appends what the pair stands for.
void перенести_экранированное(Курсор& к, std::string& текст) {
  char замена = 0;
  switch (к.байт()) {
    case '"': замена = '"'; break;
    case '$': замена = '$'; break;
    case '\\': замена = '\\'; break;
    case 'n': замена = '\n'; break;
    case 'r': замена = '\r'; break;
    case 't': замена = '\t'; break;
    default:
      текст.push_back('\\');
      перенести_символ(к, текст);
      return;
  }
  текст.push_back(замена);
  к.шаг_ascii();
}

// Where a literal needs escapes resolved or ill-formed bytes replaced, its text is built
// here from `начало` (the byte after the opening quote) and kept by the token list.
class ЧтениеТекста {
 public:
  ЧтениеТекста(Курсор& к, СписокТокенов& список, std::string& буфер, std::size_t предел)
      : к_(к), список_(список), буфер_(буфер), предел_(предел), строка_(к.строка()), столбец_(к.столбец()) {}

  Ответ прочитать() {
    к_.шаг_ascii();
    const std::size_t начало = к_.смещение();
    while (!к_.в_конце()) {
      const unsigned char б = к_.байт();
      if (б == '"') {
        const std::string_view текст = к_.от(начало);
        к_.шаг_ascii();
        return ВидТокена::текст_лит(текст);
      }
      if (б == '\\') return построить(начало);
      if (б == '\n') {
        к_.шаг_перевода_строки();
      } else if (б < 0x80) {
        к_.шаг_ascii();
      } else {
        const СимволUtf8 с = к_.символ();
        if (!с.верный) return построить(начало);
        к_.шаг_символа(с.байт);
      }
    }
    return незакрыт(ВидОшибки::НезакрытыйТекст);
  }

 private:
  Ответ построить(std::size_t начало) {
    буфер_.assign(к_.от(начало));
    while (!к_.в_конце()) {
      const unsigned char б = к_.байт();
      if (б == '"') {
        к_.шаг_ascii();
        if (буфер_.size() > предел_) {
          return Неудача{ошибка(ВидОшибки::БольшойЛитерал, строка_, столбец_, std::to_string(предел_))};
        }
        return ВидТокена::текст_лит(список_.сохранить(буфер_));
      }
      if (б != '\\') {
        перенести_символ(к_, буфер_);
        continue;
      }
      к_.шаг_ascii();
      if (к_.в_конце()) return незакрыт(ВидОшибки::ОбрывПослеСлэша);
      перенести_экранированное(к_, буфер_);
    }
    return незакрыт(ВидОшибки::НезакрытыйТекст);
  }

  Ответ незакрыт(ВидОшибки вид) const { return Неудача{ошибка(вид, строка_, столбец_)}; }

  Курсор& к_;
  СписокТокенов& список_;
  std::string& буфер_;
  std::size_t предел_;
  std::size_t строка_;
  std::size_t столбец_;
};

struct ЗарезервированноеСлово {
  std::string_view слово;
  Номер номер;
  bool значение = false;  // of да and нет
};

constexpr std::array<ЗарезервированноеСлово, 51> зарезервированные = {{
    {"функция", Номер::Функция},
    {"структура", Номер::Структура},
    {"внешняя", Номер::Внешняя},
    {"как", Номер::Как},
    {"контракт", Номер::Контракт},
    {"подключить", Номер::Подключить},
    {"если", Номер::Если},
    {"иначе", Номер::Иначе},
    {"для", Номер::Для},
    {"каждого", Номер::Каждого},
    {"в", Номер::В},
    {"пока", Номер::Пока},
    {"вернуть", Номер::Вернуть},
    {"публично", Номер::Публично},
    {"приватно", Номер::Приватно},
    {"результат", Номер::Результат},
    {"успех", Номер::Успех},
    {"ошибка", Номер::Ошибка},
    {"слабая", Номер::Слабая},
    {"неизменно", Номер::Неизменно},
    {"ссылка", Номер::Ссылка},
    {"параллельно", Номер::Параллельно},
    {"детерминировано", Номер::Детерминировано},
    {"канал", Номер::Канал},
    {"это", Номер::Это},
    {"прервать", Номер::Прервать},
    {"продолжить", Номер::Продолжить},
    {"конец", Номер::Конец},
    {"из", Номер::Из},
    {"целое", Номер::Целое},
    {"целое8", Номер::Целое8},
    {"целое16", Номер::Целое16},
    {"целое32", Номер::Целое32},
    {"целое64", Номер::Целое64},
    {"беззнак8", Номер::Беззнак8},
    {"беззнак16", Номер::Беззнак16},
    {"беззнак32", Номер::Беззнак32},
    {"беззнак64", Номер::Беззнак64},
    {"дробное", Номер::Дробное},
    {"дробное32", Номер::Дробное32},
    {"дробное64", Номер::Дробное64},
    {"текст", Номер::Текст},
    {"верно", Номер::Верно},
    {"и", Номер::И},
    {"или", Номер::Или},
    {"не", Номер::Не},
    {"меньше", Номер::Меньше},
    {"больше", Номер::Больше},
    {"неуказано", Номер::НеуказаноЛит},
    {"да", Номер::ВерноЛит, true},
    {"нет", Номер::ВерноЛит, false},
}};

constexpr std::size_t длиннейшее_слово = 32;  // bytes; детерминировано takes 30

// The reserved words ordered by length in bytes, with where each length starts: a word is
// compared with the few of its own length only.
struct СловаПоДлине {
  std::array<ЗарезервированноеСлово, зарезервированные.size()> слова;
  std::array<std::uint8_t, длиннейшее_слово + 2> начала;
};

constexpr СловаПоДлине слова_по_длине = [] {
  СловаПоДлине итог{зарезервированные, {}};
  std::sort(итог.слова.begin(), итог.слова.end(),
            [](const auto& а, const auto& б) { return а.слово.size() < б.слово.size(); });
  std::size_t i = 0;
  for (std::size_t длина = 0; длина < итог.начала.size(); ++длина) {
    while (i < итог.слова.size() && итог.слова[i].слово.size() < длина) ++i;
    итог.начала[длина] = static_cast<std::uint8_t>(i);
  }
  return итог;
}();

static_assert(слова_по_длине.слова.back().слово.size() <= длиннейшее_слово);

std::optional<ВидТокена> зарезервированный_вид(std::string_view слово) {
  if (слово.size() < 2 || слово.size() > длиннейшее_слово) return std::nullopt;
  // Every reserved word starts with a lower-case Cyrillic letter, а to я.
  const auto первый = static_cast<unsigned char>(слово[0]);
  const auto второй = static_cast<unsigned char>(слово[1]);
  if (!((первый == 0xD0 && второй >= 0xB0) || (первый == 0xD1 && второй <= 0x8F))) return std::nullopt;
  const auto& [слова, начала] = слова_по_длине;
  for (std::size_t i = начала[слово.size()]; i < начала[слово.size() + 1]; ++i) {
    // The last byte first: it tells most same-length words apart without a call to memcmp.
    if (слова[i].слово.back() != слово.back() || слова[i].слово != слово) continue;
    if (слова[i].номер == Номер::ВерноЛит) return ВидТокена::верно_лит(слова[i].значение);
    return ВидТокена(слова[i].номер);
  }
  return std::nullopt;
}

// The first character is known to start a word.
ВидТокена прочитать_слово(Курсор& к) {
  const std::size_t начало = к.смещение();
  к.шаг();
  while (!к.в_конце()) {
    const unsigned char б = к.байт();
    if (б < 0x80) {
      if (!начало_слова_ascii(б) && !цифра(б)) break;
      к.шаг_ascii();
    } else if (кириллица_из_двух(б, к.байт(1))) {
      к.шаг_символа(2);
    } else {
      const СимволUtf8 с = к.символ();
      if (!классы::продолжение_слова(с.символ)) break;
      к.шаг_символа(с.байт);
    }
  }
  const std::string_view слово = к.от(начало);
  if (auto вид = зарезервированный_вид(слово)) return *вид;
  return ВидТокена::идентификатор(слово);
}

std::optional<Номер> одиночный_знак(unsigned char с) {
  switch (с) {
    case '+': return Номер::Плюс;
    case '-': return Номер::Минус;
    case '*': return Номер::Звёздочка;
    case '/': return Номер::Слэш;
    case '%': return Номер::Процент;
    case '=': return Номер::Равно;
    case '!': return Номер::Не;
    case '<': return Номер::Меньше;
    case '>': return Номер::Больше;
    case '?': return Номер::Вопрос;
    case '$': return Номер::Доллар;
    case '&': return Номер::БитИ;
    case '|': return Номер::БитИли;
    case '^': return Номер::БитИскл;
    case '~': return Номер::БитНе;
    case '{': return Номер::ОткрФигурная;
    case '}': return Номер::ЗакрФигурная;
    case '(': return Номер::ОткрКруглая;
    case ')': return Номер::ЗакрКруглая;
    case '[': return Номер::ОткрКвадратная;
    case ']': return Номер::ЗакрКвадратная;
    case '.': return Номер::Точка;
    case ',': return Номер::Запятая;
    case ';': return Номер::ТочкаЗапятой;
    case ':': return Номер::Двоеточие;
    default: return std::nullopt;
  }
}

// The two-character operator that starts with `первый` and goes on with `второй`, if any.
std::optional<Номер> двойной_знак(unsigned char первый, unsigned char второй) {
  if (второй == '=') {
    switch (первый) {
      case '=': return Номер::РавноРавно;
      case '!': return Номер::НеРавно;
      case '<': return Номер::МеньшеРавно;
      case '>': return Номер::БольшеРавно;
      default: return std::nullopt;
    }
  }
  if (первый == '&' && второй == '&') return Номер::И;
  if (первый == '|' && второй == '|') return Номер::Или;
  if (первый == '-' && второй == '>') return Номер::Стрелка;
  return std::nullopt;
}

ОшибкаРазбора неожиданный_символ(const Курсор& к) {
  std::string символ;
  дописать_utf8(символ, к.символ().символ);
  return ошибка(ВидОшибки::НеожиданныйСимвол, к.строка(), к.столбец(), символ);
}

Ответ прочитать_знак(Курсор& к) {
  const unsigned char с = к.байт();
  const auto одиночный = одиночный_знак(с);
  if (!одиночный) return Неудача{неожиданный_символ(к)};
  к.шаг_ascii();
  if (const auto двойной = двойной_знак(с, к.байт())) {
    к.шаг_ascii();
    return ВидТокена(*двойной);
  }
  return ВидТокена(*одиночный);
}

// Reads the tokens of one text into the list given, as many at a call as asked for.
class Чтение {
 public:
  Чтение(Курсор& к, std::size_t предел) : к_(к), предел_(предел) {}

  // Up to `сколько` more tokens into `список`, fewer when the last, КонецФайла, comes first.
  Итог<Пусто, ОшибкаРазбора> прочитать(СписокТокенов& список, std::size_t сколько) {
    for (; сколько > 0; --сколько) {
      пропустить_пробелы_и_комментарии(к_);
      if (к_.в_конце()) {
        добавить(список, ВидТокена::КонецФайла, к_.строка(), к_.столбец(), к_.позиция());
        break;
      }
      const std::size_t начало = к_.позиция();
      const std::size_t строка = к_.строка();
      const std::size_t столбец = к_.столбец();
      auto вид = прочитать_токен(список);
      if (!вид) return Неудача{std::move(вид).error()};
      добавить(список, *вид, строка, столбец, начало);
    }
    return Пусто{};
  }

  // A КонецФайла where the reading stands.
  Токен конец_здесь() const {
    return Токен{ВидТокена::КонецФайла, static_cast<std::uint32_t>(к_.строка()),
                 static_cast<std::uint32_t>(к_.столбец()), static_cast<std::uint32_t>(к_.позиция()),
                 static_cast<std::uint32_t>(к_.позиция())};
  }

 private:
  Ответ прочитать_токен(СписокТокенов& список) {
    const unsigned char б = к_.байт();
    if (цифра(б)) return прочитать_число(к_);
    if (б == '"') return ЧтениеТекста(к_, список, буфер_, предел_).прочитать();
    if (начало_слова_ascii(б)) return прочитать_слово(к_);
    if (б < 0x80) return прочитать_знак(к_);
    if (классы::начало_слова(к_.символ().символ)) return прочитать_слово(к_);
    return Неудача{неожиданный_символ(к_)};
  }

  // The text was checked up front, so every count fits.
  void добавить(СписокТокенов& список, ВидТокена вид, std::size_t строка, std::size_t столбец, std::size_t начало) {
    список.push_back(Токен{вид, static_cast<std::uint32_t>(строка), static_cast<std::uint32_t>(столбец),
                           static_cast<std::uint32_t>(начало), static_cast<std::uint32_t>(к_.позиция())});
  }

  Курсор& к_;
  std::size_t предел_;
  std::string буфер_;  // reused by every literal that is built apart
};

// The lexer as the source of a list read as it is used.
class ЧтениеПоМере final : public ИсточникТокенов {
 public:
  explicit ЧтениеПоМере(const Лексер& лексер)
      : текст_(лексер.текст.size()), курсор_(лексер), чтение_(курсор_, лексер.предел) {}

  // A few tokens a call, to spare a call per token.
  void следующий(СписокТокенов& куда) override {
    auto итог = чтение_.прочитать(куда, 64);
    if (!итог) куда.оборвать(std::move(итог).error(), чтение_.конец_здесь());
  }

  // A token takes a byte at least, and the КонецФайла none.
  std::size_t наибольший_остаток() const override { return текст_ - std::min(курсор_.смещение(), текст_) + 1; }

 private:
  std::size_t текст_;
  Курсор курсор_;
  Чтение чтение_;
};

// Each count grows by at most one per byte, so a text within both bounds never overflows one.
bool помещается(const Лексер& лексер) {
  constexpr std::size_t наибольший_счёт = std::numeric_limits<std::uint32_t>::max();
  if (лексер.текст.size() > std::min(лексер.предел, наибольший_счёт)) return false;
  const std::size_t осталось = лексер.текст.size() - std::min(лексер.байт, лексер.текст.size());
  const std::size_t наибольший = std::max({лексер.позиция, лексер.строка, лексер.столбец});
  return наибольший <= наибольший_счёт && осталось <= наибольший_счёт - наибольший;
}

std::optional<ОшибкаРазбора> слишком_большой(const Лексер& лексер) {
  if (помещается(лексер)) return std::nullopt;
  return ошибка(ВидОшибки::БольшойДокумент, лексер.строка, лексер.столбец, std::to_string(лексер.предел));
}

}  // namespace

Лексер новый_лексер(std::string_view текст) { return Лексер{.текст = текст}; }

Итог<СписокТокенов, ОшибкаРазбора> разбить_на_токены(Лексер& лексер) {
  if (auto ошибка = слишком_большой(лексер)) return Неудача{std::move(*ошибка)};
  Курсор курсор(лексер);
  Чтение чтение(курсор, лексер.предел);
  СписокТокенов список;
  // Source text averages a token per five to ten bytes; reserving for the denser end spares
  // the copies of repeated growth.
  список.reserve((лексер.текст.size() - std::min(лексер.байт, лексер.текст.size())) / 6 + 1);
  auto итог = чтение.прочитать(список, std::numeric_limits<std::size_t>::max());
  if (!итог) return Неудача{std::move(итог).error()};
  курсор.сохранить_в(лексер);
  return список;
}

Итог<СписокТокенов, ОшибкаРазбора> токены_по_мере_чтения(const Лексер& лексер) {
  if (auto ошибка = слишком_большой(лексер)) return Неудача{std::move(*ошибка)};
  return СписокТокенов(std::make_unique<ЧтениеПоМере>(лексер));
}

}  // namespace тувра
