// The one declared list of fields of every node struct. Copies, comparisons, renderings,
// the rewrite pass and any later pass walk a node through this list and nothing else, and
// a compile-time check next to each list makes sure it names every member of its struct.
//
// Each list is the function `описание_полей(const Тип*)` in the struct's own namespace,
// found by argument-dependent lookup; the macros below write it. It gives the name the
// renderings show (the struct's own name), how they show the fields, and for each field
// its name and member pointer, in the order renderings show them.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>
#include <tuple>
#include <type_traits>
#include <utility>

namespace тувра::обход {

// How a debug rendering shows a struct: `Имя { поле: значение, … }`, `Имя(значение)` for
// one unnamed payload (`Имя` alone without fields), or only its fields' values, for the
// classes that wrap a variant.
enum class Запись { Именованная, Безымянная, Прозрачная };

template <class Класс, class Член>
struct Поле {
  using ТипЧлена = Член;
  std::string_view имя;
  Член Класс::*член;
};

template <class... Поля>
struct Описание {
  std::string_view имя;
  Запись запись;
  std::tuple<Поля...> поля;

  static constexpr std::size_t число_полей = sizeof...(Поля);
};

template <class... Поля>
Описание(std::string_view, Запись, std::tuple<Поля...>) -> Описание<Поля...>;

template <class Т>
concept описан = requires {
  описание_полей(static_cast<const Т*>(nullptr));
};

template <class Т>
constexpr auto описание_узла() {
  return описание_полей(static_cast<const Т*>(nullptr));
}

// Calls ф(имя, значение) for each listed field of `узел`, in list order; const-ness follows `узел`.
template <class Т, class Ф>
constexpr void для_полей(Т& узел, Ф&& ф) {
  std::apply([&](const auto&... поле) { (ф(поле.имя, узел.*(поле.член)), ...); },
             описание_узла<std::remove_const_t<Т>>().поля);
}

// Two nodes' fields side by side: ф(имя, поле_а, поле_б); stops at the first false.
template <class Т, class Ф>
constexpr bool для_пар_полей(Т& а, Т& б, Ф&& ф) {
  return std::apply([&](const auto&... поле) { return (ф(поле.имя, а.*(поле.член), б.*(поле.член)) && ...); },
                    описание_узла<std::remove_const_t<Т>>().поля);
}

namespace проверка {

template <class Т>
struct это_необязательное : std::false_type {};
template <class Э>
struct это_необязательное<std::optional<Э>> : std::true_type {};

// Converts to any member type, so `Т{Любой{}, …}` tells how many members an aggregate takes.
// An optional member is left to its own converting constructor, which would otherwise tie.
struct Любой {
  template <class Т>
  requires(!это_необязательное<Т>::value) operator Т() const;
};

template <class Т, std::size_t... Н>
constexpr bool строится_из(std::index_sequence<Н...>) {
  return requires { Т{(static_cast<void>(Н), Любой{})...}; };
}

template <class Т, std::size_t Н = 0>
constexpr std::size_t членов_агрегата() {
  if constexpr (Н > 16 || !строится_из<Т>(std::make_index_sequence<Н + 1>{})) {
    return Н;
  } else {
    return членов_агрегата<Т, Н + 1>();
  }
}

constexpr std::size_t выровнять(std::size_t место, std::size_t выравнивание) {
  return (место + выравнивание - 1) / выравнивание * выравнивание;
}

// The size of a struct holding exactly these members in this order.
template <class... Члены>
constexpr std::size_t размер_раскладки() {
  std::size_t место = 0;
  std::size_t наибольшее = 1;
  ((место = выровнять(место, alignof(Члены)) + sizeof(Члены),
    наибольшее = alignof(Члены) > наибольшее ? alignof(Члены) : наибольшее),
   ...);
  return выровнять(место, наибольшее);
}

template <class Т>
constexpr bool имена_различны() {
  return std::apply(
      [](const auto&... поле) {
        const std::string_view имена[] = {поле.имя..., std::string_view()};
        for (std::size_t и = 0; и < sizeof...(поле); ++и) {
          for (std::size_t к = и + 1; к < sizeof...(поле); ++к) {
            if (имена[и] == имена[к]) return false;
          }
        }
        return true;
      },
      описание_узла<Т>().поля);
}

// True when the list names every member once: for an aggregate its member count, for a
// class with constructors (listed in declaration order) its size.
template <class Т>
constexpr bool покрывает_все_члены() {
  constexpr auto описание = описание_узла<Т>();
  if constexpr (!имена_различны<Т>()) {
    return false;
  } else if constexpr (std::is_aggregate_v<Т>) {
    return членов_агрегата<Т>() == описание.число_полей;
  } else {
    return std::apply(
        [](const auto&... поле) {
          return sizeof(Т) == размер_раскладки<typename std::remove_cvref_t<decltype(поле)>::ТипЧлена...>();
        },
        описание.поля);
  }
}

}  // namespace проверка
}  // namespace тувра::обход

#define ТУВРА_ПОЛЕ_УЗЛА(Тип, член) \
  ::тувра::обход::Поле<Тип, decltype(Тип::член)> { #член, &Тип::член }

#define ТУВРА_ПЕРЕБОР_1(Т, а) ТУВРА_ПОЛЕ_УЗЛА(Т, а)
#define ТУВРА_ПЕРЕБОР_2(Т, а, ...) ТУВРА_ПОЛЕ_УЗЛА(Т, а), ТУВРА_ПЕРЕБОР_1(Т, __VA_ARGS__)
#define ТУВРА_ПЕРЕБОР_3(Т, а, ...) ТУВРА_ПОЛЕ_УЗЛА(Т, а), ТУВРА_ПЕРЕБОР_2(Т, __VA_ARGS__)
#define ТУВРА_ПЕРЕБОР_4(Т, а, ...) ТУВРА_ПОЛЕ_УЗЛА(Т, а), ТУВРА_ПЕРЕБОР_3(Т, __VA_ARGS__)
#define ТУВРА_ПЕРЕБОР_5(Т, а, ...) ТУВРА_ПОЛЕ_УЗЛА(Т, а), ТУВРА_ПЕРЕБОР_4(Т, __VA_ARGS__)
#define ТУВРА_ПЕРЕБОР_6(Т, а, ...) ТУВРА_ПОЛЕ_УЗЛА(Т, а), ТУВРА_ПЕРЕБОР_5(Т, __VA_ARGS__)
#define ТУВРА_ПЕРЕБОР_7(Т, а, ...) ТУВРА_ПОЛЕ_УЗЛА(Т, а), ТУВРА_ПЕРЕБОР_6(Т, __VA_ARGS__)
#define ТУВРА_ПЕРЕБОР_8(Т, а, ...) ТУВРА_ПОЛЕ_УЗЛА(Т, а), ТУВРА_ПЕРЕБОР_7(Т, __VA_ARGS__)
#define ТУВРА_ВЫБРАТЬ(_1, _2, _3, _4, _5, _6, _7, _8, ИМЯ, ...) ИМЯ
#define ТУВРА_ПЕРЕБОР(Т, ...)                                                                                     \
  ТУВРА_ВЫБРАТЬ(__VA_ARGS__, ТУВРА_ПЕРЕБОР_8, ТУВРА_ПЕРЕБОР_7, ТУВРА_ПЕРЕБОР_6, ТУВРА_ПЕРЕБОР_5, ТУВРА_ПЕРЕБОР_4, \
                ТУВРА_ПЕРЕБОР_3, ТУВРА_ПЕРЕБОР_2, ТУВРА_ПЕРЕБОР_1, )                                              \
  (Т, __VA_ARGS__)

#define ТУВРА_ОПИСАТЬ(Тип, Запись_, ...)                                                                             \
  [[maybe_unused]] constexpr auto описание_полей(const Тип*) {                                                       \
    return ::тувра::обход::Описание{#Тип, ::тувра::обход::Запись::Запись_, std::tuple{__VA_ARGS__}};                 \
  }                                                                                                                  \
  static_assert(::тувра::обход::проверка::покрывает_все_члены<Тип>(), "the field list of " #Тип " misses a member"); \
  static_assert(std::is_trivially_destructible_v<Тип>, #Тип " must need no destructor: arenas run none")

// `Тип { а: …, б: … }`: the fields by name, in the order given.
#define ТУВРА_ПОЛЯ(Тип, ...) ТУВРА_ОПИСАТЬ(Тип, Именованная, ТУВРА_ПЕРЕБОР(Тип, __VA_ARGS__))
// `Тип(…)`: one unnamed payload.
#define ТУВРА_ЗНАЧЕНИЕ(Тип, член) ТУВРА_ОПИСАТЬ(Тип, Безымянная, ТУВРА_ПОЛЕ_УЗЛА(Тип, член))
// `Тип`: no fields.
#define ТУВРА_БЕЗ_ПОЛЕЙ(Тип) ТУВРА_ОПИСАТЬ(Тип, Безымянная, )
// A class around a variant: renders as its fields' values alone.
#define ТУВРА_ОБЁРТКА(Тип, ...) ТУВРА_ОПИСАТЬ(Тип, Прозрачная, ТУВРА_ПЕРЕБОР(Тип, __VA_ARGS__))
