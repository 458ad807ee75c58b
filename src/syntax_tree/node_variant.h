// What the variant nodes of the syntax tree share: building a node from one of its alternatives.
#pragma once

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

}  // namespace тувра
