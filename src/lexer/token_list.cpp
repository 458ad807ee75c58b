#include "lexer/token_list.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace тувра {
namespace {

// Most lists keep a few short texts; one block holds many.
constexpr std::size_t размер_блока = 4096;

}  // namespace

// The moved-from list gives up its free room too, so that it never writes into blocks it lost.
СписокТокенов::СписокТокенов(СписокТокенов&& другой) noexcept
    : токены_(std::move(другой.токены_)),
      блоки_(std::move(другой.блоки_)),
      свободно_(std::exchange(другой.свободно_, nullptr)),
      осталось_(std::exchange(другой.осталось_, 0)) {
  другой.токены_.clear();
  другой.блоки_.clear();
}

СписокТокенов& СписокТокенов::operator=(СписокТокенов&& другой) noexcept {
  if (this == &другой) return *this;
  токены_ = std::move(другой.токены_);
  блоки_ = std::move(другой.блоки_);
  свободно_ = std::exchange(другой.свободно_, nullptr);
  осталось_ = std::exchange(другой.осталось_, 0);
  другой.токены_.clear();
  другой.блоки_.clear();
  return *this;
}

std::string_view СписокТокенов::сохранить(std::string_view текст) {
  if (текст.empty()) return {};
  if (текст.size() > осталось_) {
    const std::size_t размер = std::max(текст.size(), размер_блока);
    блоки_.push_back(std::make_unique_for_overwrite<char[]>(размер));
    свободно_ = блоки_.back().get();
    осталось_ = размер;
  }
  char* куда = свободно_;
  std::memcpy(куда, текст.data(), текст.size());
  свободно_ += текст.size();
  осталось_ -= текст.size();
  return {куда, текст.size()};
}

}  // namespace тувра
