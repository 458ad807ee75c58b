#include "support/platform/console.h"

#include <windows.h>

#include <algorithm>
#include <iostream>
#include <streambuf>
#include <string>

#include "support/platform/windows/wide.h"

namespace тувра::платформа {
namespace {

// How many leading bytes of `байты` end on a whole UTF-8 sequence.
std::size_t целые_знаки(const std::string& байты) {
  std::size_t конец = байты.size();
  for (std::size_t назад = 1; назад <= 3 && назад <= байты.size(); ++назад) {
    const auto байт = static_cast<unsigned char>(байты[байты.size() - назад]);
    if ((байт & 0xC0) == 0x80) continue;
    const std::size_t длина = байт >= 0xF0 ? 4 : байт >= 0xE0 ? 3 : байт >= 0xC0 ? 2 : 1;
    if (длина > назад) конец = байты.size() - назад;
    break;
  }
  return конец;
}

class ПотокКонсоли : public std::streambuf {
 public:
  explicit ПотокКонсоли(DWORD какой) : куда_(GetStdHandle(какой)) {
    DWORD режим = 0;
    консоль_ = куда_ != nullptr && куда_ != INVALID_HANDLE_VALUE && GetConsoleMode(куда_, &режим);
  }
  ПотокКонсоли(const ПотокКонсоли&) = delete;
  ПотокКонсоли& operator=(const ПотокКонсоли&) = delete;
  ~ПотокКонсоли() override { слить(true); }

 protected:
  int_type overflow(int_type знак) override {
    if (traits_type::eq_int_type(знак, traits_type::eof())) return sync() == 0 ? traits_type::not_eof(знак) : знак;
    буфер_ += traits_type::to_char_type(знак);
    if (буфер_.size() >= 8192 && !слить(false)) return traits_type::eof();
    return знак;
  }
  // A piece at a time: a text as long as a file is never held again whole, nor as UTF-16.
  std::streamsize xsputn(const char* откуда, std::streamsize сколько) override {
    for (std::streamsize записано = 0; записано < сколько;) {
      const std::streamsize часть = std::min<std::streamsize>(сколько - записано, 1 << 16);
      буфер_.append(откуда + записано, static_cast<std::size_t>(часть));
      if (буфер_.size() >= 8192 && !слить(false)) return записано;
      записано += часть;
    }
    return сколько;
  }
  int sync() override { return слить(false) ? 0 : -1; }

 private:
  // A console takes characters, so a sequence cut between two writes waits for its end.
  bool слить(bool всё) {
    if (буфер_.empty()) return true;
    if (!консоль_) {
      const bool записано = записать_байты(буфер_);
      буфер_.clear();
      return записано;
    }
    const std::size_t целых = всё ? буфер_.size() : целые_знаки(буфер_);
    const std::wstring текст = windows::в_utf16(std::string_view(буфер_).substr(0, целых));
    буфер_.erase(0, целых);
    std::wstring_view остаток = текст;
    while (!остаток.empty()) {
      DWORD записано = 0;
      const DWORD часть = static_cast<DWORD>(std::min<std::size_t>(остаток.size(), 8192));
      if (!WriteConsoleW(куда_, остаток.data(), часть, &записано, nullptr) || записано == 0) return false;
      остаток.remove_prefix(записано);
    }
    return true;
  }

  bool записать_байты(std::string_view байты) {
    while (!байты.empty()) {
      DWORD записано = 0;
      const DWORD часть = static_cast<DWORD>(std::min<std::size_t>(байты.size(), 1u << 20));
      if (!WriteFile(куда_, байты.data(), часть, &записано, nullptr) || записано == 0) return false;
      байты.remove_prefix(записано);
    }
    return true;
  }

  HANDLE куда_;
  bool консоль_ = false;
  std::string буфер_;
};

}  // namespace

struct КонсольныйВывод::Устройство {
  ПотокКонсоли вывод{STD_OUTPUT_HANDLE};
  ПотокКонсоли ошибки{STD_ERROR_HANDLE};
  std::streambuf* был_вывод = nullptr;
  std::streambuf* были_ошибки = nullptr;
};

КонсольныйВывод::КонсольныйВывод() : устройство_(std::make_unique<Устройство>()) {
  std::cout.flush();
  std::cerr.flush();
  устройство_->был_вывод = std::cout.rdbuf(&устройство_->вывод);
  устройство_->были_ошибки = std::cerr.rdbuf(&устройство_->ошибки);
}

КонсольныйВывод::~КонсольныйВывод() {
  std::cout.flush();
  std::cerr.flush();
  std::cout.rdbuf(устройство_->был_вывод);
  std::cerr.rdbuf(устройство_->были_ошибки);
}

}  // namespace тувра::платформа
