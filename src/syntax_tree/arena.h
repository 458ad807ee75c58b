// The memory a syntax tree lives in: a bump allocator over heap blocks of growing size.
// Nodes, their lists and their texts are placed here and never freed one by one; dropping
// the arena releases every block at once and runs no destructor, which is why every node
// type is trivially destructible. Moving an arena moves the ownership of its blocks, so the
// addresses of the nodes in it stay valid.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>
#include <new>
#include <span>
#include <string_view>
#include <type_traits>
#include <utility>

#include "syntax_tree/node_list.h"

namespace тувра {

class Арена {
 public:
  Арена() = default;
  Арена(Арена&& другая) noexcept;
  Арена& operator=(Арена&& другая) noexcept;
  Арена(const Арена&) = delete;
  Арена& operator=(const Арена&) = delete;
  ~Арена();

  // Uninitialised room for `размер` bytes aligned to `выравнивание` (a power of two up to
  // alignof(std::max_align_t)).
  void* выделить(std::size_t размер, std::size_t выравнивание);

  template <class Т, class... А>
  Т* создать(А&&... аргументы) {
    static_assert(std::is_trivially_destructible_v<Т>, "the arena runs no destructors");
    return ::new (выделить(sizeof(Т), alignof(Т))) Т(std::forward<А>(аргументы)...);
  }

  // A boxed child holding `значение`.
  template <class Т>
  Указатель<Т> ящик(Т значение) {
    return Указатель<Т>(создать<Т>(std::move(значение)));
  }

  // A copy of the text that lives as long as the arena.
  std::string_view текст(std::string_view текст);

  // `число` default-constructed elements.
  template <class Т>
  СписокУзлов<Т> список(std::size_t число) {
    Т* элементы = место_для<Т>(число);
    for (std::size_t и = 0; и < число; ++и) ::new (элементы + и) Т();
    return СписокУзлов<Т>(элементы);
  }

  // The elements, moved out of `откуда` (a finished list built elsewhere) into the arena.
  template <class Т>
  СписокУзлов<Т> список(std::span<Т> откуда) {
    Т* элементы = место_для<Т>(откуда.size());
    for (std::size_t и = 0; и < откуда.size(); ++и) ::new (элементы + и) Т(std::move(откуда[и]));
    return СписокУзлов<Т>(элементы);
  }

  // Bytes handed out so far, padding included; for measurements.
  std::size_t занято() const { return занято_; }

 private:
  struct alignas(std::max_align_t) Блок {
    Блок* прежний;
    bool от_malloc;  // a buffer taken over by принять_список, freed with std::free
  };

 public:
  // Where the elements of a list start in a buffer the arena may take over (принять_список):
  // room for the arena's own record and the count come first.
  template <class Т>
  static constexpr std::size_t начало_списка_в_буфере = sizeof(Блок) + alignof(Т);

  // Takes over `буфер` (from std::malloc or std::realloc) with `число` elements built from
  // начало_списка_в_буфере<Т> on, and frees it with the arena: a long list built elsewhere
  // becomes part of the tree without a copy.
  template <class Т>
  СписокУзлов<Т> принять_список(void* буфер, std::size_t число) {
    static_assert(std::is_trivially_destructible_v<Т>, "the arena runs no destructors");
    if (число > std::numeric_limits<std::uint32_t>::max()) throw std::bad_alloc();
    auto* блок = ::new (буфер) Блок{блоки_, true};
    блоки_ = блок;
    auto* элементы = reinterpret_cast<Т*>(static_cast<char*>(буфер) + начало_списка_в_буфере<Т>);
    const auto счёт = static_cast<std::uint32_t>(число);
    std::memcpy(reinterpret_cast<char*>(элементы) - sizeof(счёт), &счёт, sizeof(счёт));
    занято_ += число * sizeof(Т);
    return СписокУзлов<Т>(элементы);
  }

 private:
  // Room for the elements of a list, after their count (which СписокУзлов reads there).
  template <class Т>
  Т* место_для(std::size_t число) {
    static_assert(std::is_trivially_destructible_v<Т>, "the arena runs no destructors");
    static_assert(alignof(Т) >= alignof(std::uint32_t), "the count sits in the alignment before the elements");
    // More elements than a text under 4 GiB can give; memory would run out first anyway.
    if (число > std::numeric_limits<std::uint32_t>::max()) throw std::bad_alloc();
    if (число == 0) return nullptr;
    char* место = static_cast<char*>(выделить(alignof(Т) + число * sizeof(Т), alignof(Т)));
    Т* элементы = reinterpret_cast<Т*>(место + alignof(Т));
    const auto счёт = static_cast<std::uint32_t>(число);
    std::memcpy(reinterpret_cast<char*>(элементы) - sizeof(счёт), &счёт, sizeof(счёт));
    return элементы;
  }

  void* из_нового_блока(std::size_t размер, std::size_t выравнивание);
  void освободить() noexcept;

  Блок* блоки_ = nullptr;  // the newest first
  char* свободно_ = nullptr;
  char* конец_ = nullptr;
  std::size_t следующий_размер_ = 0;
  std::size_t занято_ = 0;
};

inline void* Арена::выделить(std::size_t размер, std::size_t выравнивание) {
  const auto адрес = reinterpret_cast<std::uintptr_t>(свободно_);
  const std::uintptr_t начало = (адрес + (выравнивание - 1)) & ~static_cast<std::uintptr_t>(выравнивание - 1);
  if (свободно_ != nullptr && начало + размер <= reinterpret_cast<std::uintptr_t>(конец_)) {
    char* место = свободно_ + (начало - адрес);
    свободно_ = место + размер;
    занято_ += размер;
    return место;
  }
  return из_нового_блока(размер, выравнивание);
}

}  // namespace тувра
