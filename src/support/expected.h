// A value or the one error that stopped the stage that made it.
// A small stand-in for C++23's std::expected, which the C++20 toolchains here lack.
#pragma once

#include <cassert>
#include <type_traits>
#include <utility>
#include <variant>

namespace тувра {

template <class E>
struct Неудача {
  E ошибка;
};

template <class E>
Неудача(E) -> Неудача<E>;

template <class T, class E>
class Итог {
 public:
  Итог(T значение) : данные_(std::in_place_index<0>, std::move(значение)) {}
  template <class G>
  Итог(Неудача<G> неудача) : данные_(std::in_place_index<1>, E(std::move(неудача.ошибка))) {}

  bool has_value() const { return данные_.index() == 0; }
  explicit operator bool() const { return has_value(); }

  T& value() & {
    assert(has_value());
    return std::get<0>(данные_);
  }
  const T& value() const& {
    assert(has_value());
    return std::get<0>(данные_);
  }
  T&& value() && {
    assert(has_value());
    return std::get<0>(std::move(данные_));
  }
  T& operator*() & { return value(); }
  const T& operator*() const& { return value(); }
  T&& operator*() && { return std::move(*this).value(); }
  T* operator->() { return &value(); }
  const T* operator->() const { return &value(); }

  E& error() & {
    assert(!has_value());
    return std::get<1>(данные_);
  }
  const E& error() const& {
    assert(!has_value());
    return std::get<1>(данные_);
  }
  E&& error() && {
    assert(!has_value());
    return std::get<1>(std::move(данные_));
  }

 private:
  std::variant<T, E> данные_;
};

// For stages that yield nothing but success or an error.
struct Пусто {};

}  // namespace тувра
