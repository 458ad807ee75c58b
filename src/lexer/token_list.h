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
class СписокТокенов {
 public:
  СписокТокенов() = default;
  // A list with no texts of its own: every text views something the caller keeps alive.
  СписокТокенов(std::vector<Токен> токены) : токены_(std::move(токены)) {}

  СписокТокенов(СписокТокенов&& другой) noexcept;
  СписокТокенов& operator=(СписокТокенов&& другой) noexcept;
  // A copy would view texts that its original owns.
  СписокТокенов(const СписокТокенов&) = delete;
  СписокТокенов& operator=(const СписокТокенов&) = delete;

  std::size_t size() const { return токены_.size(); }
  bool empty() const { return токены_.empty(); }
  const Токен& operator[](std::size_t i) const { return токены_[i]; }
  const Токен& front() const { return токены_.front(); }
  const Токен& back() const { return токены_.back(); }
  auto begin() const { return токены_.begin(); }
  auto end() const { return токены_.end(); }
  const std::vector<Токен>& токены() const { return токены_; }

  void reserve(std::size_t сколько) { токены_.reserve(сколько); }
  void push_back(const Токен& токен) { токены_.push_back(токен); }

  // A copy of `текст` that lives as long as the list.
  std::string_view сохранить(std::string_view текст);

 private:
  std::vector<Токен> токены_;
  // Filled front to back; a full block is left as it is so that views into it stay valid.
  std::vector<std::unique_ptr<char[]>> блоки_;
  char* свободно_ = nullptr;
  std::size_t осталось_ = 0;
};

}  // namespace тувра
