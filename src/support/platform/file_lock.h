// An exclusive lock on a file, held by one process at a time, released when its holder ends.
#pragma once

#include <chrono>
#include <cstdint>
#include <string_view>

#include "support/platform/files.h"

namespace тувра::платформа {

class ЗамокФайла {
 public:
  ЗамокФайла(ЗамокФайла&& другой) noexcept;
  ЗамокФайла& operator=(ЗамокФайла&& другой) noexcept;
  ЗамокФайла(const ЗамокФайла&) = delete;
  ЗамокФайла& operator=(const ЗамокФайла&) = delete;
  ~ЗамокФайла();

 private:
  friend ИтогФайла<ЗамокФайла> занять_файл(std::string_view путь, std::chrono::milliseconds ожидание);
  explicit ЗамокФайла(std::intptr_t описатель) : описатель_(описатель) {}
  std::intptr_t описатель_ = -1;  // the open file that holds the lock; child processes do not inherit it
};

// Opens the file (made empty when missing; it must be a regular file, not a link) and locks it,
// trying again for up to `ожидание` while another process holds it; then fails with Занято.
ИтогФайла<ЗамокФайла> занять_файл(std::string_view путь, std::chrono::milliseconds ожидание);

}  // namespace тувра::платформа
