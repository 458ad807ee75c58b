#include "parser/interpolation.h"

#include <optional>
#include <span>
#include <utility>
#include <vector>

#include "lexer/char_class.h"
#include "lexer/lexer.h"
#include "lexer/utf8.h"

namespace тувра {
namespace {

using Узел = УзелВыражения;
using Символы = std::u32string_view;

// The parts found so far and the plain characters not yet stored as a part.
class Части {
 public:
  explicit Части(Арена& арена) : арена_(арена) {}

  void дописать(char32_t символ) { буфер_.push_back(символ); }
  void выражение(Узел узел) {
    сбросить();
    части_.emplace_back(ЧастьИнтерполяции::Выражение{арена_.ящик(std::move(узел))});
  }
  // A single plain part is a plain literal again.
  Узел в_узел() && {
    сбросить();
    if (части_.size() == 1) {
      if (auto* текст = std::get_if<ЧастьИнтерполяции::Текст>(&части_.front().вид)) {
        return Узел::ТекстЛит{текст->текст};
      }
    }
    return Узел::ИнтерполированныйТекст{арена_.список(std::span<ЧастьИнтерполяции>(части_))};
  }

 private:
  void сбросить() {
    if (буфер_.empty()) return;
    части_.emplace_back(ЧастьИнтерполяции::Текст{арена_.текст(закодировать_utf8(буфер_))});
    буфер_.clear();
  }

  Арена& арена_;
  std::vector<ЧастьИнтерполяции> части_;
  std::u32string буфер_;
};

// Index one past the last name character from `начало`, or `начало` when no name starts there.
std::size_t конец_имени(Символы символы, std::size_t начало) {
  if (начало >= символы.size() || !классы::начало_слова(символы[начало])) return начало;
  std::size_t конец = начало + 1;
  while (конец < символы.size() && классы::продолжение_слова(символы[конец])) ++конец;
  return конец;
}

// Index of the `}` that closes the `{` just before `начало`, or none.
std::optional<std::size_t> закрывающая_фигурная(Символы символы, std::size_t начало) {
  std::size_t глубина = 1;
  for (std::size_t к = начало; к < символы.size(); ++к) {
    if (символы[к] == U'{') {
      ++глубина;
    } else if (символы[к] == U'}' && --глубина == 0) {
      return к;
    }
  }
  return std::nullopt;
}

constexpr std::size_t нет_пары = static_cast<std::size_t>(-1);

// For every `(` the index of the `)` that brings the count back to zero, or нет_пары.
std::vector<std::size_t> пары_круглых_скобок(Символы символы) {
  std::vector<std::size_t> пары(символы.size(), нет_пары);
  std::vector<std::size_t> открытые;
  for (std::size_t к = 0; к < символы.size(); ++к) {
    if (символы[к] == U'(') {
      открытые.push_back(к);
    } else if (символы[к] == U')' && !открытые.empty()) {
      пары[открытые.back()] = к;
      открытые.pop_back();
    }
  }
  return пары;
}

Узел имя_как_выражение(Арена& арена, Символы символы, std::size_t начало, std::size_t конец) {
  return Узел::Идентификатор{арена.текст(закодировать_utf8(символы.substr(начало, конец - начало)))};
}

// The embedded expression's own parse.
// `задета_граница`, when given, is set once the inner parse meets the nesting limit.
Итог<Узел, СообщениеПарсера> прочитать_встроенное(std::string_view внутренний_текст, Арена& арена, std::size_t глубина,
                                                  bool* задета_граница = nullptr) {
  Лексер лексер = новый_лексер(внутренний_текст);
  auto токены = разбить_на_токены(лексер);
  if (!токены) {
    return Неудача{сообщения_парсера::ошибка_в_интерполяции(внутренний_текст, токены.error().сообщение_ошибки)};
  }
  Парсер парсер(std::move(*токены), арена);
  парсер.глубина = глубина;
  auto выражение = разобрать_выражение(парсер);
  if (задета_граница != nullptr && парсер.задета_граница) *задета_граница = true;
  if (!выражение) {
    return Неудача{сообщения_парсера::ошибка_в_интерполяции(внутренний_текст, выражение.error().сообщение_ошибки)};
  }
  if (!парсер.проверить(ВидТокена::КонецФайла)) {
    return Неудача{сообщения_парсера::лишнее_в_интерполяции(внутренний_текст)};
  }
  return std::move(*выражение);
}

class Сканер {
 public:
  Сканер(Символы символы, std::string_view текст, Арена& арена, std::size_t глубина, bool* задета_граница)
      : символы_(символы),
        текст_(текст),
        арена_(арена),
        глубина_(глубина),
        задета_граница_(задета_граница),
        части_(арена) {}

  // Everything but the position of an error, which the caller adds.
  Итог<Узел, СообщениеПарсера> пройти() && {
    while (и_ < символы_.size()) {
      const char32_t символ = символы_[и_];
      const bool последний = и_ + 1 == символы_.size();
      std::optional<СообщениеПарсера> ошибка;
      if (символ == U'$' && !последний) {
        ошибка = после_доллара();
      } else if (символ == U'%' && !последний) {
        ошибка = после_процента();
      } else {
        простой();
      }
      if (ошибка) return Неудача{std::move(*ошибка)};
    }
    return std::move(части_).в_узел();
  }

 private:
  void простой() { части_.дописать(символы_[и_++]); }

  std::optional<СообщениеПарсера> встроить(std::size_t начало, std::size_t конец) {
    auto выражение = прочитать_встроенное(закодировать_utf8(символы_.substr(начало, конец - начало)), арена_, глубина_,
                                          задета_граница_);
    if (!выражение) return std::move(выражение).error();
    части_.выражение(std::move(*выражение));
    return std::nullopt;
  }

  std::optional<СообщениеПарсера> после_доллара() {
    if (символы_[и_ + 1] == U'{') {
      const std::size_t начало = и_ + 2;
      const auto конец = закрывающая_фигурная(символы_, начало);
      if (!конец) {
        return сообщения_парсера::незакрытая_интерполяция(текст_);
      }
      и_ = *конец + 1;
      return встроить(начало, *конец);
    }
    const std::size_t конец = конец_имени(символы_, и_ + 1);
    if (конец == и_ + 1) {
      простой();
      return std::nullopt;
    }
    части_.выражение(имя_как_выражение(арена_, символы_, и_ + 1, конец));
    и_ = конец;
    return std::nullopt;
  }

  // Matched once for the whole text: an unclosed `%(` leaves its `(` to the scan, so walking
  // to the end for each one would take time quadratic in the text.
  std::size_t закрывающая_круглая(std::size_t открывающая) {
    if (пары_круглых_.empty()) пары_круглых_ = пары_круглых_скобок(символы_);
    return пары_круглых_[открывающая];
  }

  std::optional<СообщениеПарсера> после_процента() {
    const char32_t следующий = символы_[и_ + 1];
    if (следующий == U'(') {
      const std::size_t конец = закрывающая_круглая(и_ + 1);
      if (конец != нет_пары && конец + 1 < символы_.size() && символы_[конец + 1] == U'%') {
        const std::size_t начало = и_ + 2;
        и_ = конец + 2;
        return встроить(начало, конец);
      }
    } else if (следующий == U'%') {
      части_.дописать(U'%');
      и_ += 2;
      return std::nullopt;
    } else {
      const std::size_t конец = конец_имени(символы_, и_ + 1);
      if (конец > и_ + 1 && конец < символы_.size() && символы_[конец] == U'%') {
        части_.выражение(имя_как_выражение(арена_, символы_, и_ + 1, конец));
        и_ = конец + 1;
        return std::nullopt;
      }
    }
    простой();
    return std::nullopt;
  }

  Символы символы_;
  std::string_view текст_;
  Арена& арена_;
  std::size_t глубина_;
  bool* задета_граница_;
  std::vector<std::size_t> пары_круглых_;
  std::size_t и_ = 0;
  Части части_;
};

}  // namespace

Итог<УзелВыражения, СообщениеПарсера> разобрать_интерполяцию(std::string_view внутренний_текст, Арена& арена,
                                                             std::size_t глубина) {
  return прочитать_встроенное(внутренний_текст, арена, глубина);
}

Итог<УзелВыражения, ОшибкаРазбора> разобрать_текстовый_литерал(std::string_view текст, Парсер& парсер) {
  if (текст.find_first_of("$%") == std::string_view::npos) return Узел(Узел::ТекстЛит{парсер.арена.текст(текст)});
  const std::u32string символы = декодировать_utf8(текст);
  // The scan counts as one level: its inner parsers start below the literal.
  auto итог = Сканер(символы, текст, парсер.арена, парсер.глубина + 1, &парсер.задета_граница).пройти();
  if (!итог) return Неудача{парсер.ошибка_у_текущего_токена(std::move(итог).error())};
  return std::move(*итог);
}

}  // namespace тувра
