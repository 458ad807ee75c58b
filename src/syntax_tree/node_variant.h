// What the variant nodes of the syntax tree share: building a node from one of its alternatives,
// and naming an alternative's place in the variant.
#pragma once

#include <cstddef>
#include <type_traits>
#include <variant>

namespace тувра {

template <class А, class Вариант>
struct одна_из_альтернатив : std::false_type {};

template <class А, class... В>
struct одна_из_альтернатив<А, std::variant<В...>> : std::bool_constant<(std::is_same_v<А, В> || ...)> {};

// True when А (without cv and reference) is exactly one of the variant's alternatives,
// so a node converts from its own alternatives and from nothing else.
template <class А, class Вариант>
concept альтернатива_варианта = одна_из_альтернатив<std::remove_cvref_t<А>, Вариант>::value;

template <class А, class Вариант>
struct место_альтернативы;

// Outside the class: clang evaluates no member of a class before the class is complete.
template <class А, class... В>
consteval std::size_t место_в_списке() {
  constexpr bool совпадает[] = {std::is_same_v<А, В>...};
  std::size_t место = sizeof...(В);
  for (std::size_t номер = 0; номер < sizeof...(В); ++номер) {
    if (совпадает[номер]) место = номер;
  }
  return место;
}

template <class А, class... В>
struct место_альтернативы<А, std::variant<В...>> {
  static_assert((std::is_same_v<А, В> + ...) == 1, "the type must be exactly one alternative of the variant");
  static constexpr std::size_t значение = место_в_списке<А, В...>();
};

// The index() of А in the variant: a switch over index() names its cases by type, so that
// reordering the alternatives cannot change what a case means.
template <class А, class Вариант>
inline constexpr std::size_t номер_альтернативы = место_альтернативы<А, Вариант>::значение;

}  // namespace тувра
