#include "lexer/token_list.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <type_traits>
#include <utility>

namespace тувра {
namespace {

static_assert(std::is_trivially_destructible_v<Токен>, "pieces are given back without destructors");

// Most lists keep a few short texts; one block holds many.
constexpr std::size_t размер_блока = 4096;

}  // namespace

СписокТокенов::СписокТокенов(const std::vector<Токен>& токены) {
  reserve(токены.size());
  for (const Токен& токен : токены) push_back(токен);
}

СписокТокенов::СписокТокенов(std::unique_ptr<ИсточникТокенов> источник) : источник_(std::move(источник)) {}

// The moved-from list gives up its pieces and its free room too, so that it never writes into
// memory it lost.
СписокТокенов::СписокТокенов(СписокТокенов&& другой) noexcept
    : источник_(std::move(другой.источник_)),
      ошибка_(std::move(другой.ошибка_)),
      куски_(std::move(другой.куски_)),
      размер_(std::exchange(другой.размер_, 0)),
      отпущено_(std::exchange(другой.отпущено_, 0)),
      блоки_(std::move(другой.блоки_)),
      свободно_(std::exchange(другой.свободно_, nullptr)),
      осталось_(std::exchange(другой.осталось_, 0)) {
  другой.куски_.clear();
  другой.блоки_.clear();
}

СписокТокенов& СписокТокенов::operator=(СписокТокенов&& другой) noexcept {
  if (this == &другой) return *this;
  освободить();
  источник_ = std::move(другой.источник_);
  ошибка_ = std::move(другой.ошибка_);
  куски_ = std::move(другой.куски_);
  размер_ = std::exchange(другой.размер_, 0);
  отпущено_ = std::exchange(другой.отпущено_, 0);
  блоки_ = std::move(другой.блоки_);
  свободно_ = std::exchange(другой.свободно_, nullptr);
  осталось_ = std::exchange(другой.осталось_, 0);
  другой.куски_.clear();
  другой.блоки_.clear();
  return *this;
}

СписокТокенов::~СписокТокенов() { освободить(); }

void СписокТокенов::освободить() noexcept {
  for (Токен* кусок : куски_) ::operator delete(кусок);
  куски_.clear();
}

void СписокТокенов::новый_кусок() { куски_.push_back(static_cast<Токен*>(::operator new(в_куске * sizeof(Токен)))); }

void СписокТокенов::читать_дальше() {
  источник_->следующий(*this);
  if (размер_ > 0 && back().вид.номер() == ВидТокена::КонецФайла) источник_.reset();
}

void СписокТокенов::дочитать() {
  while (есть(размер_)) отпустить_до(размер_ - 1);
}

void СписокТокенов::оборвать(ОшибкаРазбора ошибка, const Токен& конец) {
  ошибка_ = std::move(ошибка);
  push_back(конец);
}

void СписокТокенов::отпустить_до(std::size_t номер) {
  for (const std::size_t целых = номер >> сдвиг_куска; отпущено_ < целых; ++отпущено_) {
    ::operator delete(куски_[отпущено_]);
    куски_[отпущено_] = nullptr;
  }
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
