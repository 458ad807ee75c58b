// The tokens of one text together with the texts that the lexer had to build for them.
#pragma once

#include <cstddef>
#include <memory>
#include <string_view>
#include <utility>
#include <vector>

#include "lexer/token.h"

namespace тувра {

// Token texts view the source text where they are written as is; that text must outlive the
// list. Texts the lexer built (escapes resolved, ill-formed bytes replaced) are kept here and
// stay in place for as long as the list lives, moves included.
// The tokens lie in pieces of a fixed size, so that a reader that has passed a stretch of
// them for good (the parser, item by item) can give that stretch back while it reads on.
class СписокТокенов {
 public:
  СписокТокенов() = default;
  // A list with no texts of its own: every text views something the caller keeps alive.
  СписокТокенов(const std::vector<Токен>& токены);

  СписокТокенов(СписокТокенов&& другой) noexcept;
  СписокТокенов& operator=(СписокТокенов&& другой) noexcept;
  // A copy would view texts that its original owns.
  СписокТокенов(const СписокТокенов&) = delete;
  СписокТокенов& operator=(const СписокТокенов&) = delete;
  ~СписокТокенов();

  std::size_t size() const { return размер_; }
  bool empty() const { return размер_ == 0; }
  // Not for a token of a piece already given back.
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
  void push_back(const Токен& токен);
  // Gives back every whole piece before the token `номер`; those tokens are not read again.
  void отпустить_до(std::size_t номер);

  // A copy of `текст` that lives as long as the list.
  std::string_view сохранить(std::string_view текст);

 private:
  static constexpr std::size_t сдвиг_куска = 15;  // 32,768 tokens, 1 MiB a piece
  static constexpr std::size_t в_куске = std::size_t{1} << сдвиг_куска;

  void освободить() noexcept;

  std::vector<Токен*> куски_;  // null once given back
  std::size_t размер_ = 0;
  std::size_t отпущено_ = 0;  // pieces given back, from the first
  // Filled front to back; a full block is left as it is so that views into it stay valid.
  std::vector<std::unique_ptr<char[]>> блоки_;
  char* свободно_ = nullptr;
  std::size_t осталось_ = 0;
};

}  // namespace тувра
