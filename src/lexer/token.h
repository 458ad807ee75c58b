// Token kinds and tokens: what the lexer produces and the parser consumes.
#pragma once

#include <concepts>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace тувра {

// One token kind, with the literal's value or the identifier's text as payload. A text payload
// is a view: of the source text where the token is written as is, otherwise of a copy kept by
// the token list (СписокТокенов). Copying a kind copies the view, never the text.
// The enumerators are numbered by their fixed place; parsers test ranges of them
// (the number-type keywords Целое … Дробное64 are 35 to 46).
class ВидТокена {
 public:
  enum Номер : std::uint8_t {
    // Literals and names.
    ЦелоеЛит,
    ДробноеЛит,
    ТекстЛит,
    ВерноЛит,
    НеуказаноЛит,
    Идентификатор,
    // Keywords.
    Функция,
    Структура,
    Внешняя,
    Как,
    Контракт,
    Подключить,
    Если,
    Иначе,
    Для,
    Каждого,
    В,
    Пока,
    Вернуть,
    Публично,
    Приватно,
    Результат,
    Успех,
    Ошибка,
    Слабая,
    Неизменно,
    Ссылка,
    Параллельно,
    Детерминировано,
    Канал,
    Это,
    Прервать,
    Продолжить,
    Конец,
    Из,
    Целое,
    Целое8,
    Целое16,
    Целое32,
    Целое64,
    Беззнак8,
    Беззнак16,
    Беззнак32,
    Беззнак64,
    Дробное,
    Дробное32,
    Дробное64,
    Текст,
    Верно,
    // Operators and punctuation.
    Плюс,
    Минус,
    Звёздочка,
    Слэш,
    Процент,
    Равно,
    РавноРавно,
    НеРавно,
    Меньше,
    Больше,
    МеньшеРавно,
    БольшеРавно,
    И,
    Или,
    Не,
    Вопрос,
    Доллар,
    БитИ,
    БитИли,
    БитИскл,
    БитНе,
    ОткрФигурная,
    ЗакрФигурная,
    ОткрКруглая,
    ЗакрКруглая,
    ОткрКвадратная,
    ЗакрКвадратная,
    Точка,
    Запятая,
    ТочкаЗапятой,
    Двоеточие,
    Стрелка,
    // End of input.
    КонецФайла,
  };

  // Any kind by its number; a payload kind gets 0, 0.0, false or the empty text.
  // Implicit, so that `токен.вид == ВидТокена::Точка` reads naturally.
  ВидТокена(Номер номер);

  static ВидТокена целое_лит(std::int64_t значение);
  static ВидТокена дробное_лит(double значение);
  static ВидТокена текст_лит(std::string_view текст);
  static ВидТокена верно_лит(bool значение);
  static ВидТокена идентификатор(std::string_view имя);
  // The kind would view a string that dies at the end of the statement.
  template <std::same_as<std::string> Т>
  static ВидТокена текст_лит(Т&&) = delete;
  template <std::same_as<std::string> Т>
  static ВидТокена идентификатор(Т&&) = delete;

  Номер номер() const { return номер_; }

  // Payload accessors; each may be called only on the kinds named.
  std::int64_t целое() const;      // ЦелоеЛит
  double дробное() const;          // ДробноеЛит
  bool верно() const;              // ВерноЛит
  std::string_view текст() const;  // ТекстЛит (escapes resolved) and Идентификатор (the name)

  // Same kind and, for payload kinds, equal payloads (doubles by IEEE comparison, texts by
  // their characters).
  bool operator==(const ВидТокена& другой) const;

 private:
  union Значение {
    std::int64_t целое;
    double дробное;
    bool верно;
    const char* текст;
  };

  Значение значение_{.целое = 0};
  std::uint32_t длина_ = 0;  // of the text payload, in bytes
  Номер номер_;
};

inline constexpr std::size_t число_видов_токена = 82;

// The counts fit 32 bits because the lexer refuses texts whose counts would not.
struct Токен {
  ВидТокена вид;
  std::uint32_t строка = 1;     // line of the first character, from 1
  std::uint32_t столбец = 1;    // column of the first character, from 1
  std::uint32_t начало = 0;     // character index of the first character
  std::uint32_t окончание = 0;  // character index one past the last character

  bool operator==(const Токен&) const = default;
};

// Token lists are the front end's bulk; a token fits half a cache line.
static_assert(sizeof(Токен) <= 32);

// A kind is a plain value; this is its copy (a text payload still views the same text),
// kept as a named operation for callers.
ВидТокена копия_вида_токена(const ВидТокена& вид);

// The display text that parse messages show: «функция», число 42, имя «x», конец файла, …
std::string описание_токена(const ВидТокена& вид);

// The debug rendering: the variant's name, with the payload in parentheses for payload kinds.
std::string отладочный_текст_вида_токена(const ВидТокена& вид);

}  // namespace тувра
