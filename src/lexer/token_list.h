// The tokens of one text together with the texts that the lexer had to build for them.
#pragma once

#include <cstddef>
#include <memory>
#include <new>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "lexer/parse_error.h"
#include "lexer/token.h"

namespace тувра {

class СписокТокенов;

// Where a list read as it is used takes its tokens from: the lexer, a few tokens at a time.
class ИсточникТокенов {
 public:
  virtual ~ИсточникТокенов() = default;
  // Adds the next tokens to `куда` (through push_back), one at least, or stops it with оборвать.
  virtual void следующий(СписокТокенов& куда) = 0;
  // No more tokens than this are still to come.
  virtual std::size_t наибольший_остаток() const = 0;
};

// Token texts view the source text where they are written as is; that text must outlive the
// list. Texts the lexer built (escapes resolved, ill-formed bytes replaced) are kept here and
// stay in place for as long as the list lives, moves included.
// The tokens lie in pieces of a fixed size, so that a reader that has passed a stretch of
// them for good (the parser, item by item) can give that stretch back while it reads on.
// A list may also be read as it is used (from an ИсточникТокенов): then only the stretch
// between what was given back and what was asked for is ever held, and a text's tokens never
// lie in memory all at once.
class СписокТокенов {
 public:
  СписокТокенов() = default;
  // A list with no texts of its own: every text views something the caller keeps alive.
  СписокТокенов(const std::vector<Токен>& токены);
  // A list that asks `источник` for its tokens as they are needed, up to its КонецФайла.
  explicit СписокТокенов(std::unique_ptr<ИсточникТокенов> источник);

  СписокТокенов(СписокТокенов&& другой) noexcept;
  СписокТокенов& operator=(СписокТокенов&& другой) noexcept;
  // A copy would view texts that its original owns.
  СписокТокенов(const СписокТокенов&) = delete;
  СписокТокенов& operator=(const СписокТокенов&) = delete;
  ~СписокТокенов();

  // The tokens read so far; all of them once дочитан().
  std::size_t size() const { return размер_; }
  bool empty() const { return размер_ == 0; }
  // Reads on to token `номер` if need be; false when the list ends before it.
  bool есть(std::size_t номер) {
    while (номер >= размер_ && источник_) читать_дальше();
    return номер < размер_;
  }
  bool дочитан() const { return !источник_; }
  // Reads to the end, giving back every piece on the way: for the error that may lie ahead.
  void дочитать();
  // No more tokens than this are in the whole list.
  std::size_t наибольший_размер() const { return источник_ ? размер_ + источник_->наибольший_остаток() : размер_; }
  // The source's error that ended the list early (with a КонецФайла where it stopped), if any.
  const std::optional<ОшибкаРазбора>& ошибка() const { return ошибка_; }
  // For the source: ends the list with `конец` (a КонецФайла) because of `ошибка`.
  void оборвать(ОшибкаРазбора ошибка, const Токен& конец);

  // Not for a token of a piece already given back, nor one not read yet (see есть).
  const Токен& operator[](std::size_t i) const { return куски_[i >> сдвиг_куска][i & (в_куске - 1)]; }
  const Токен& front() const { return (*this)[0]; }
  const Токен& back() const { return (*this)[размер_ - 1]; }

  class Итератор {
   public:
    Итератор(const СписокТокенов& список, std::size_t номер) : список_(&список), номер_(номер) {}
    const Токен& operator*() const { return (*список_)[номер_]; }
    Итератор& operator++() {
      ++номер_;
      return *this;
    }
    bool operator==(const Итератор&) const = default;

   private:
    const СписокТокенов* список_;
    std::size_t номер_;
  };
  Итератор begin() const { return Итератор(*this, 0); }
  Итератор end() const { return Итератор(*this, размер_); }

  // Room for `сколько` tokens in all, taken piece by piece as they come.
  void reserve(std::size_t сколько) { куски_.reserve((сколько >> сдвиг_куска) + 1); }
  void push_back(const Токен& токен) {
    const std::size_t место = размер_ & (в_куске - 1);
    if (место == 0) новый_кусок();
    ::new (куски_.back() + место) Токен(токен);
    ++размер_;
  }
  // Gives back every whole piece before the token `номер`; those tokens are not read again.
  void отпустить_до(std::size_t номер);

  // A copy of `текст` that lives as long as the list.
  std::string_view сохранить(std::string_view текст);

 private:
  // Small, since a list read as it is used holds only a piece or two at a time, and below
  // the size that malloc maps afresh from the system for each request.
  static constexpr std::size_t сдвиг_куска = 11;  // 2,048 tokens, 64 KiB a piece
  static constexpr std::size_t в_куске = std::size_t{1} << сдвиг_куска;

  void освободить() noexcept;
  void новый_кусок();
  void читать_дальше();

  std::unique_ptr<ИсточникТокенов> источник_;  // null once the list is complete
  std::optional<ОшибкаРазбора> ошибка_;
  std::vector<Токен*> куски_;  // null once given back
  std::size_t размер_ = 0;
  std::size_t отпущено_ = 0;  // pieces given back, from the first
  // Filled front to back; a full block is left as it is so that views into it stay valid.
  std::vector<std::unique_ptr<char[]>> блоки_;
  char* свободно_ = nullptr;
  std::size_t осталось_ = 0;
};

}  // namespace тувра
