// A rendezvous channel between two threads: capacity 0, so a send waits until the other side
// has taken the value. Either side can close its end; the other side then sees disconnection.
// One sending thread and one receiving thread; the channel itself is shared by reference and
// must outlive both.
#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <utility>

#include "support/expected.h"

namespace тувра::lsp {

// Why a receive gave nothing.
enum class ПричинаПустогоПриёма { Отключён, Истекло };

template <class T>
class Канал {
 public:
  Канал() = default;
  Канал(const Канал&) = delete;
  Канал& operator=(const Канал&) = delete;

  // Hands the value over and waits until the receiver has taken it. When the receiving end is
  // closed before that, the value comes back as the failure.
  Итог<Пусто, T> отправить(T значение) {
    std::unique_lock замок(мьютекс_);
    if (приём_закрыт_) return Неудача{std::move(значение)};
    ячейка_.emplace(std::move(значение));
    взят_ = false;
    сигнал_.notify_all();
    сигнал_.wait(замок, [&] { return взят_ || приём_закрыт_; });
    if (!взят_) {
      T вернуть = std::move(*ячейка_);
      ячейка_.reset();
      return Неудача{std::move(вернуть)};
    }
    return Пусто{};
  }

  // Waits for the next value; fails once the sending end is closed and nothing is on offer.
  Итог<T, ПричинаПустогоПриёма> получить() {
    std::unique_lock замок(мьютекс_);
    сигнал_.wait(замок, [&] { return ячейка_.has_value() || отправка_закрыта_; });
    return забрать();
  }

  // Like получить, but gives up at the deadline.
  Итог<T, ПричинаПустогоПриёма> получить_до(std::chrono::steady_clock::time_point срок) {
    std::unique_lock замок(мьютекс_);
    if (!сигнал_.wait_until(замок, срок, [&] { return ячейка_.has_value() || отправка_закрыта_; })) {
      return Неудача{ПричинаПустогоПриёма::Истекло};
    }
    return забрать();
  }

  void закрыть_отправку() {
    std::lock_guard замок(мьютекс_);
    отправка_закрыта_ = true;
    сигнал_.notify_all();
  }

  void закрыть_приём() {
    std::lock_guard замок(мьютекс_);
    приём_закрыт_ = true;
    сигнал_.notify_all();
  }

 private:
  // Called with the lock held and the wait condition true.
  Итог<T, ПричинаПустогоПриёма> забрать() {
    if (!ячейка_.has_value()) return Неудача{ПричинаПустогоПриёма::Отключён};
    T значение = std::move(*ячейка_);
    ячейка_.reset();
    взят_ = true;
    сигнал_.notify_all();
    return значение;
  }

  std::mutex мьютекс_;
  std::condition_variable сигнал_;
  std::optional<T> ячейка_;
  bool взят_ = false;
  bool отправка_закрыта_ = false;
  bool приём_закрыт_ = false;
};

}  // namespace тувра::lsp
