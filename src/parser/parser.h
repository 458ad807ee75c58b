// The parser's cursor over one token list, the token operations every grammar routine
// shares, and the entry points for types and expressions.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <tuple>
#include <type_traits>
#include <vector>

#include "lexer/parse_error.h"
#include "lexer/token.h"
#include "lexer/token_list.h"
#include "parser/messages.h"
#include "support/expected.h"
#include "syntax_tree/syntax_tree.h"

namespace тувра {

// Nesting that no real program reaches; past it the parse stops with an error instead of
// running the stack out. Counted over expressions, types and blocks alike.
inline constexpr std::size_t предел_вложенности = 1000;

// A left operand of the operator ladder waiting for its right side.
struct ОжидающийОперанд {
  УзелВыражения левое;
  БинарныйОператор оператор = БинарныйОператор::Плюс;
  int уровень = 0;
};

// The statements of bodies being read, and the expressions of lists, each on one stack like
// the lists below, in a buffer laid out so that the arena can take it over whole
// (Арена::принять_список): a long list at the bottom of its stack, a function's body or a
// statement's array literal, then joins the tree without a second copy. A buffer that
// doubles holds its old and new copy at once while it grows, twice the elements; so once
// long, the buffer grows in one step to room for as many elements as the text can still
// hold. Its untouched rest costs address space, not memory, and is given back when the arena
// takes the buffer over.
template <class Т>
class СтекСписков {
 public:
  СтекСписков() = default;
  ~СтекСписков() { std::free(буфер_); }
  СтекСписков(const СтекСписков&) = delete;
  СтекСписков& operator=(const СтекСписков&) = delete;

  std::size_t size() const { return размер_; }
  Т* begin() const { return элементы(); }
  Т* end() const { return элементы() + размер_; }
  void push_back(Т&& элемент) {
    if (размер_ == ёмкость_) вырасти();
    ::new (элементы() + размер_) Т(std::move(элемент));
    ++размер_;
  }
  // At most this many elements are ever on the stack at once.
  void задать_предел(std::size_t предел) { предел_ = предел; }
  // Drops the elements from `начало` on.
  void обрезать(std::size_t начало) { размер_ = начало; }
  // Gives the buffer with every element on the stack to `арена` as one list and starts afresh.
  СписокУзлов<Т> отдать(Арена& арена) {
    // Gives back the room that was never used.
    if (void* точно = std::realloc(буфер_, начало_ + размер_ * sizeof(Т))) буфер_ = точно;
    const СписокУзлов<Т> список = арена.принять_список<Т>(буфер_, размер_);
    буфер_ = nullptr;
    размер_ = ёмкость_ = 0;
    return список;
  }

 private:
  // Nodes hold no pointer into themselves, so realloc may move them as bytes.
  static_assert(std::is_trivially_destructible_v<Т>, "the buffer is dropped without destructors");
  static constexpr std::size_t начало_ = Арена::начало_списка_в_буфере<Т>;
  // No offset on an empty stack's null buffer.
  Т* элементы() const { return буфер_ ? reinterpret_cast<Т*>(static_cast<char*>(буфер_) + начало_) : nullptr; }

  void вырасти() {
    constexpr std::size_t длинный = 4096;
    const std::size_t вдвое = std::max<std::size_t>(64, ёмкость_ * 2);
    // Past the limit (a reading that goes back and reads again might pass it) it doubles on;
    // so it does where the system will not set aside that much room.
    void* новый = nullptr;
    std::size_t ёмкость = вдвое;
    if (ёмкость_ >= длинный && предел_ > вдвое) {
      ёмкость = предел_;
      новый = std::realloc(буфер_, начало_ + ёмкость * sizeof(Т));
    }
    if (новый == nullptr) {
      ёмкость = вдвое;
      новый = std::realloc(буфер_, начало_ + ёмкость * sizeof(Т));
    }
    if (новый == nullptr) throw std::bad_alloc();
    буфер_ = новый;
    ёмкость_ = ёмкость;
  }

  void* буфер_ = nullptr;
  std::size_t размер_ = 0;
  std::size_t ёмкость_ = 0;
  std::size_t предел_ = 0;
};

// Lists being read, one stack per element type shared by every level of nesting: a list
// grows on top of its stack and moves into the arena when it is complete, so reading a list
// costs no allocation of its own (see СборСписка). The operator ladder keeps its pending
// operands the same way.
class Черновики {
 public:
  template <class Т>
  auto& стек() {
    if constexpr (std::is_same_v<Т, Инструкция>) {
      return инструкции_;
    } else if constexpr (std::is_same_v<Т, УзелВыражения>) {
      return выражения_;
    } else {
      return std::get<std::vector<Т>>(стеки_);
    }
  }

 private:
  std::tuple<std::vector<СинтаксическийТип>, std::vector<Параметр>, std::vector<ПараметрТипа>,
             std::vector<ПолеСтруктуры>, std::vector<ОбъявлениеФункции>, std::vector<СигнатураМетода>,
             std::vector<Объявление>, std::vector<std::string_view>, std::vector<ОжидающийОперанд>>
      стеки_;
  СтекСписков<Инструкция> инструкции_;
  СтекСписков<УзелВыражения> выражения_;
};

// What a remembered failure read from its position.
enum class ВидПробы : std::uint8_t {
  ТипыВУгловыхСкобках,  // `<типы>`, of a type or of a call
  ТиповойВызов,         // `<типы>(аргументы)` after a name
};

// One failed reading inside a tentative one. A reading that met the nesting limit may read
// differently from a shallower start, so a failure holds from `порог` deep on; 0 when no
// limit was met, which holds at any depth. A list of types that failed because a list
// nested in it failed `сдвиг` levels deeper names that one as its `причина`: from a
// shallower start the same types are read up to it, so the outer fails when it does.
struct ЗаписьПробы {
  std::uint32_t позиция = 0;
  std::uint32_t следующая = 0;  // the next record at the same position, or 0
  std::uint32_t причина = 0;    // a record number, or 0
  std::uint16_t порог = 0;
  std::uint16_t сдвиг = 0;
  std::uint8_t ключ = 0;  // ВидПробы and the two context flags
};

// The failed readings of the statement being read, by position: a table indexed by the
// position, which no text can crowd into one slot. Record numbers count from 1.
class НеудачныеПробы {
 public:
  std::uint32_t найти(std::size_t позиция, std::uint8_t ключ) const;
  std::uint32_t завести(std::size_t позиция, std::uint8_t ключ);
  ЗаписьПробы& operator[](std::uint32_t номер) { return записи_[номер - 1]; }
  // Forgets them all; no reading goes back before `позиция` any more.
  void начать_с(std::size_t позиция);

 private:
  std::size_t основа_ = 0;
  std::vector<std::uint32_t> первые_;  // per position from основа_: its first record, or 0
  std::vector<ЗаписьПробы> записи_;
};

struct Парсер {
  // Always ends with exactly one КонецФайла; an empty list gets one at line 1, column 1.
  // The tree is built in `арена`, which must outlive it.
  Парсер(СписокТокенов токены_текста, Арена& арена_дерева);

  СписокТокенов токены;
  std::size_t позиция = 0;
  Арена& арена;
  Черновики черновики;

  bool в_типе_возврата = false;    // an empty `()` after a type is no array suffix
  bool в_аргументах_типа = false;  // a `(` after a type belongs to a call
  bool тип_после_из = false;       // one-shot: the next type may be a genitive word

  std::size_t глубина = 0;  // current nesting, see УровеньВложенности
  // Tentative readings under way (a call with type arguments, a statement's look-ahead):
  // while there are any, a failure is no error of the parse and is remembered.
  std::size_t пробных_чтений = 0;
  std::size_t начало_проб = 0;  // where the outermost of them started
  // Readings that failed inside a tentative one, by position, what was read and the context
  // flags: the same reading fails again there, so it is not tried twice.
  НеудачныеПробы неудачные_пробы;
  // Set when the nesting limit is met, its error dropped or not: what was read since may
  // read otherwise from a shallower start.
  bool задета_граница = false;
  // The list of types whose failure was seen last, with the depth it was read at.
  std::uint32_t последняя_неудача = 0;
  std::size_t глубина_последней = 0;

  const Токен& текущий() const { return токены[позиция]; }

  // Same kind and, for payload kinds, the same payload.
  bool проверить(const ВидТокена& вид) const;
  bool проверить(ВидТокена::Номер номер) const;
  bool совпасть(ВидТокена::Номер номер);
  // Consumes the current token (never past КонецФайла) and returns a copy of its kind.
  ВидТокена продвинуть();
  // Consumes the current token without copying it.
  void пропустить();
  // The token after the current one, or the final КонецФайла.
  const Токен& заглянуть_вперёд();
  // The token `сдвиг` places after the current one, or the final КонецФайла.
  const Токен& токен_впереди(std::size_t сдвиг);

  // "{контекст}: ожидалось {…}, но встретилось {…}" unless the current token is of that kind.
  Итог<Пусто, ОшибкаРазбора> ожидать(ВидТокена::Номер номер, КонтекстОжидания контекст);
  // "{контекст}: ожидалось имя, встретилось {…}" unless the current token is a name; the
  // name is copied into the arena.
  Итог<std::string_view, ОшибкаРазбора> ожидать_имя(КонтекстИмени контекст);
  // The current token's text, copied into the arena.
  std::string_view текст_токена() const { return арена.текст(текущий().вид.текст()); }
  template <class Т>
  Указатель<Т> ящик(Т узел) const {
    return арена.ящик(std::move(узел));
  }
  ОшибкаРазбора ошибка_у_текущего_токена(СообщениеПарсера сообщение) const;
  // `->` or `:`.
  bool принять_маркер_возврата();
  // At the start of a statement or item: no reading goes back before it.
  void начать_отсюда();
  // Inside a statement: gives back the tokens no reading can go back to, those before the
  // current one or before the outermost tentative reading under way.
  void отпустить_пройденное() { токены.отпустить_до(пробных_чтений > 0 ? начало_проб : позиция); }
};

// One level of nesting for as long as it lives. Every recursive grammar routine holds one
// and gives up with the parser's ошибка_вложенности when `превышен`.
class УровеньВложенности {
 public:
  explicit УровеньВложенности(Парсер& парсер) : парсер_(парсер) { ++парсер_.глубина; }
  ~УровеньВложенности() { --парсер_.глубина; }
  УровеньВложенности(const УровеньВложенности&) = delete;
  УровеньВложенности& operator=(const УровеньВложенности&) = delete;

  bool превышен() const { return парсер_.глубина > предел_вложенности; }

 private:
  Парсер& парсер_;
};

// One list being read, on top of the parser's stack for its element type: dropped unless
// `готово` moves it into the arena.
template <class Т>
class СборСписка {
 public:
  explicit СборСписка(Парсер& парсер)
      : стек_(парсер.черновики.стек<Т>()), арена_(парсер.арена), начало_(стек_.size()) {}
  ~СборСписка() { обрезать(); }
  СборСписка(const СборСписка&) = delete;
  СборСписка& operator=(const СборСписка&) = delete;

  void добавить(Т&& элемент) { стек_.push_back(std::move(элемент)); }
  std::size_t size() const { return стек_.size() - начало_; }
  Т& operator[](std::size_t номер) { return стек_.begin()[начало_ + номер]; }

  СписокУзлов<Т> готово() {
    if constexpr (на_своём_стеке) {
      // A long list alone on the stack is taken over rather than copied.
      if (начало_ == 0 && стек_.size() >= длинный_список) return стек_.отдать(арена_);
    }
    СписокУзлов<Т> список = арена_.список(std::span<Т>(std::to_address(стек_.begin()) + начало_, size()));
    обрезать();
    return список;
  }

 private:
  static constexpr std::size_t длинный_список = 4096;
  static constexpr bool на_своём_стеке = std::is_same_v<Т, Инструкция> || std::is_same_v<Т, УзелВыражения>;

  void обрезать() {
    if constexpr (на_своём_стеке) {
      стек_.обрезать(начало_);
    } else {
      стек_.erase(стек_.begin() + static_cast<std::ptrdiff_t>(начало_), стек_.end());
    }
  }

  std::remove_reference_t<decltype(std::declval<Парсер&>().черновики.template стек<Т>())>& стек_;
  Арена& арена_;
  std::size_t начало_;
};

// Sets a context flag of the parser for as long as it lives, then puts the previous value back.
class ВременныйФлаг {
 public:
  ВременныйФлаг(bool& флаг, bool значение) : флаг_(флаг), прежнее_(флаг) { флаг_ = значение; }
  ~ВременныйФлаг() { флаг_ = прежнее_; }
  ВременныйФлаг(const ВременныйФлаг&) = delete;
  ВременныйФлаг& operator=(const ВременныйФлаг&) = delete;

 private:
  bool& флаг_;
  bool прежнее_;
};

// Puts the parser's nesting back as it was on entry.
class ВозвратГлубины {
 public:
  explicit ВозвратГлубины(Парсер& парсер) : парсер_(парсер), прежняя_(парсер.глубина) {}
  ~ВозвратГлубины() { парсер_.глубина = прежняя_; }
  ВозвратГлубины(const ВозвратГлубины&) = delete;
  ВозвратГлубины& operator=(const ВозвратГлубины&) = delete;

 private:
  Парсер& парсер_;
  std::size_t прежняя_;
};

// One tentative reading for as long as it lives.
class ПробноеЧтение {
 public:
  explicit ПробноеЧтение(Парсер& парсер) : парсер_(парсер) {
    if (парсер_.пробных_чтений++ == 0) парсер_.начало_проб = парсер_.позиция;
  }
  ~ПробноеЧтение() { --парсер_.пробных_чтений; }
  ПробноеЧтение(const ПробноеЧтение&) = delete;
  ПробноеЧтение& operator=(const ПробноеЧтение&) = delete;

 private:
  Парсер& парсер_;
};

// What a memoised reading needs put back once it ends.
struct НачалоПробы {
  std::uint32_t последняя_неудача;
  bool задета_граница;
};

// Starts a reading that may be remembered as failed: from here on it sees only its own
// meetings with the nesting limit and its own failed lists.
НачалоПробы начать_пробу(Парсер& парсер);

// Whether the reading is known to fail from the current position at the current depth;
// only inside a tentative reading, where the failure's message is never shown.
bool проба_известна_неудачной(Парсер& парсер, ВидПробы вид);

// Ends the reading begun with `начало` from `позиция` at `глубина`; a failure is remembered
// (inside a tentative reading only).
void закончить_пробу(Парсер& парсер, const НачалоПробы& начало, bool неудача, std::size_t позиция, std::size_t глубина,
                     ВидПробы вид);

// The error of a tentative reading that does not fit; it is never shown.
ОшибкаРазбора ошибка_пробы(const Парсер& парсер);

// "слишком глубокая вложенность — больше 1000 уровней, встретилось {…}" at the current token.
ОшибкаРазбора ошибка_вложенности(Парсер& парсер);

// One type as written; the parser then stands on the first token after it.
Итог<СинтаксическийТип, ОшибкаРазбора> разобрать_тип(Парсер& парсер);
// `<типы>` with only commas between the types, the `<` current; the parser then stands after
// the `>`. Inside a tentative reading a failure is remembered and not read again.
Итог<СписокУзлов<СинтаксическийТип>, ОшибкаРазбора> разобрать_типы_в_угловых_скобках(Парсер& парсер);
// The types after `из` (the caller has consumed it), separated by `и` or `,`.
Итог<СписокУзлов<СинтаксическийТип>, ОшибкаРазбора> разобрать_аргументы_типа(Парсер& парсер);
// One expression with the full operator ladder; stops before the first token that does not
// continue it.
Итог<УзелВыражения, ОшибкаРазбора> разобрать_выражение(Парсер& парсер);
// Extends the operand with its chain of `.поле`, `.метод(…)`, `[…]`, `(…)` and `?`.
Итог<УзелВыражения, ОшибкаРазбора> разобрать_постфикс(Парсер& парсер, УзелВыражения операнд);

}  // namespace тувра
