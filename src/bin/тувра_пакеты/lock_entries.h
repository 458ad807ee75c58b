// The entries of the lock file by package name; of several lines for one name the last counts.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "line_format.h"
#include "packed_records.h"

namespace тувра::пакеты {

class Блокировка {
 public:
  Блокировка() = default;
  explicit Блокировка(УпакованныеЗависимости записи);

  std::optional<Зависимость> найти(std::string_view имя) const;
  bool empty() const { return места_.empty(); }

 private:
  УпакованныеЗависимости записи_;
  std::vector<std::uint32_t> места_;  // one per name, sorted by name; the records fit the read cap
};

}  // namespace тувра::пакеты
