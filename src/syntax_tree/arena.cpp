#include "syntax_tree/arena.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace тувра {

namespace {

constexpr std::size_t первый_блок = 4 * 1024;
// Past this, blocks stop doubling: a big tree costs more blocks, not ever larger ones.
constexpr std::size_t наибольший_блок = 1024 * 1024;

}  // namespace

Арена::Арена(Арена&& другая) noexcept
    : блоки_(std::exchange(другая.блоки_, nullptr)),
      свободно_(std::exchange(другая.свободно_, nullptr)),
      конец_(std::exchange(другая.конец_, nullptr)),
      следующий_размер_(std::exchange(другая.следующий_размер_, 0)),
      занято_(std::exchange(другая.занято_, 0)) {}

Арена& Арена::operator=(Арена&& другая) noexcept {
  if (this == &другая) return *this;
  освободить();
  блоки_ = std::exchange(другая.блоки_, nullptr);
  свободно_ = std::exchange(другая.свободно_, nullptr);
  конец_ = std::exchange(другая.конец_, nullptr);
  следующий_размер_ = std::exchange(другая.следующий_размер_, 0);
  занято_ = std::exchange(другая.занято_, 0);
  return *this;
}

Арена::~Арена() { освободить(); }

void Арена::освободить() noexcept {
  while (блоки_ != nullptr) {
    Блок* прежний = блоки_->прежний;
    if (блоки_->от_malloc) {
      std::free(блоки_);
    } else {
      ::operator delete(static_cast<void*>(блоки_));
    }
    блоки_ = прежний;
  }
  свободно_ = конец_ = nullptr;
}

void* Арена::из_нового_блока(std::size_t размер, std::size_t выравнивание) {
  if (следующий_размер_ == 0) следующий_размер_ = первый_блок;
  const std::size_t нужно = sizeof(Блок) + размер + выравнивание;
  const bool отдельно = свободно_ != nullptr && нужно > следующий_размер_ / 4;
  const std::size_t объём = отдельно ? нужно : std::max(следующий_размер_, нужно);
  auto* блок = static_cast<Блок*>(::operator new(объём));
  блок->прежний = блоки_;
  блок->от_malloc = false;
  блоки_ = блок;
  char* начало = reinterpret_cast<char*>(блок) + sizeof(Блок);
  if (отдельно) {
    // A big list takes a block of its own; the open block keeps serving small requests.
    const auto адрес = reinterpret_cast<std::uintptr_t>(начало);
    const std::uintptr_t выровнено = (адрес + (выравнивание - 1)) & ~static_cast<std::uintptr_t>(выравнивание - 1);
    занято_ += размер;
    return начало + (выровнено - адрес);
  }
  if (следующий_размер_ < наибольший_блок) следующий_размер_ *= 2;
  свободно_ = начало;
  конец_ = reinterpret_cast<char*>(блок) + объём;
  return выделить(размер, выравнивание);
}

std::string_view Арена::текст(std::string_view текст) {
  if (текст.empty()) return {};
  char* место = static_cast<char*>(выделить(текст.size(), 1));
  std::memcpy(место, текст.data(), текст.size());
  return {место, текст.size()};
}

}  // namespace тувра
