// How a node refers to its children: a boxed child through Указатель, a list through
// СписокУзлов. Neither owns anything; both point into the arena the tree was built in
// (arena.h), so copying one copies a reference, never the child.
#pragma once

#include <cstddef>
#include <cstdint>

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

// The children of a list field, in order: a view of elements that live in an arena, like
// std::span. Its size fits 32 bits; no source text holds more items than that.
template <class Т>
class СписокУзлов {
 public:
  СписокУзлов() = default;
  СписокУзлов(Т* элементы, std::uint32_t размер) : элементы_(элементы), размер_(размер) {}

  Т* begin() const { return элементы_; }
  Т* end() const { return элементы_ + размер_; }
  std::size_t size() const { return размер_; }
  bool empty() const { return размер_ == 0; }
  Т& operator[](std::size_t номер) const { return элементы_[номер]; }
  Т& front() const { return элементы_[0]; }
  Т& back() const { return элементы_[размер_ - 1]; }

  // Element by element, like std::vector.
  bool operator==(const СписокУзлов& другой) const {
    if (размер_ != другой.размер_) return false;
    for (std::uint32_t и = 0; и < размер_; ++и) {
      if (!(элементы_[и] == другой.элементы_[и])) return false;
    }
    return true;
  }

 private:
  Т* элементы_ = nullptr;
  std::uint32_t размер_ = 0;
};

}  // namespace тувра
