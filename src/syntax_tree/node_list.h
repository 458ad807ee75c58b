// How a node refers to its children: a boxed child through Указатель, a list through
// СписокУзлов. Neither owns anything; both point into the arena the tree was built in
// (arena.h), so copying one copies a reference, never the child.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace тувра {

// A boxed child: read it with `*` and `->` as with std::unique_ptr. Null only in a node that
// no parser built (a default-constructed placeholder).
template <class Т>
class Указатель {
 public:
  Указатель() = default;
  explicit Указатель(Т* узел) : узел_(узел) {}

  Т& operator*() const { return *узел_; }
  Т* operator->() const { return узел_; }
  Т* get() const { return узел_; }
  explicit operator bool() const { return узел_ != nullptr; }

  // The same child, not an equal one; compare `*а == *б` for structure.
  bool operator==(const Указатель&) const = default;

 private:
  Т* узел_ = nullptr;
};

class Арена;

// The children of a list field, in order: a view of elements that live in an arena, like
// std::span. One pointer wide, since lists are in most nodes and most lists are short: the
// arena keeps the count in the four bytes before the first element (see Арена::список). Its
// size fits 32 bits; no source text holds more items than that.
template <class Т>
class СписокУзлов {
 public:
  СписокУзлов() = default;

  Т* begin() const { return элементы_; }
  Т* end() const { return элементы_ + size(); }
  std::size_t size() const { return элементы_ == nullptr ? 0 : счёт(); }
  bool empty() const { return элементы_ == nullptr; }
  Т& operator[](std::size_t номер) const { return элементы_[номер]; }
  Т& front() const { return элементы_[0]; }
  Т& back() const { return элементы_[size() - 1]; }

  // Element by element, like std::vector.
  bool operator==(const СписокУзлов& другой) const {
    const std::size_t размер = size();
    if (размер != другой.size()) return false;
    for (std::size_t и = 0; и < размер; ++и) {
      if (!(элементы_[и] == другой.элементы_[и])) return false;
    }
    return true;
  }

 private:
  friend class Арена;

  // `элементы` is null for an empty list, else preceded by its count.
  explicit СписокУзлов(Т* элементы) : элементы_(элементы) {}

  std::uint32_t счёт() const {
    std::uint32_t число;
    std::memcpy(&число, reinterpret_cast<const char*>(элементы_) - sizeof(число), sizeof(число));
    return число;
  }

  Т* элементы_ = nullptr;
};

}  // namespace тувра
