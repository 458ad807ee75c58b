#include "lock_entries.h"

#include <algorithm>

namespace тувра::пакеты {

Блокировка::Блокировка(УпакованныеЗависимости записи) : записи_(std::move(записи)) {
  места_.reserve(записи_.size());
  for (std::size_t место = 0; место < записи_.конец();) {
    места_.push_back(static_cast<std::uint32_t>(место));
    записи_.пропустить(место);
  }
  const auto по_имени = [this](std::uint32_t а, std::uint32_t б) { return записи_.имя_в(а) < записи_.имя_в(б); };
  std::stable_sort(места_.begin(), места_.end(), по_имени);
  // Of each run of one name only the last line stays.
  std::size_t оставлено = 0;
  for (std::size_t i = 0; i < места_.size(); ++i) {
    if (i + 1 == места_.size() || записи_.имя_в(места_[i]) != записи_.имя_в(места_[i + 1])) {
      места_[оставлено++] = места_[i];
    }
  }
  места_.resize(оставлено);
}

std::optional<Зависимость> Блокировка::найти(std::string_view имя) const {
  const auto место = std::lower_bound(места_.begin(), места_.end(), имя,
                                      [this](std::uint32_t а, std::string_view б) { return записи_.имя_в(а) < б; });
  if (место == места_.end() || записи_.имя_в(*место) != имя) return std::nullopt;
  std::size_t начало = *место;
  return записи_.прочитать(начало);
}

}  // namespace тувра::пакеты
