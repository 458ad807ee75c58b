// An exclusive lock on a folder, held by one process at a time, released when its holder ends.
// It makes no file of its own: on POSIX systems the folder itself is locked (flock); on Windows
// it is held open for adding files without sharing that right, which no other opener then gets.
#pragma once

#include <chrono>
#include <cstdint>
#include <string_view>

#include "support/platform/files.h"

namespace тувра::платформа {

class ЗамокПапки {
 public:
  ЗамокПапки(ЗамокПапки&& другой) noexcept;
  ЗамокПапки& operator=(ЗамокПапки&& другой) noexcept;
  ЗамокПапки(const ЗамокПапки&) = delete;
  ЗамокПапки& operator=(const ЗамокПапки&) = delete;
  ~ЗамокПапки();

 private:
  friend ИтогФайла<ЗамокПапки> занять_папку(std::string_view путь, std::chrono::milliseconds ожидание);
  explicit ЗамокПапки(std::intptr_t описатель) : описатель_(описатель) {}
  std::intptr_t описатель_ = -1;  // the open folder that holds the lock; child processes do not inherit it
};

// Locks the existing folder, trying again for up to `ожидание` while another process holds it;
// then fails with Занято. An interruption (interruption.h) ends the wait with Прервано.
ИтогФайла<ЗамокПапки> занять_папку(std::string_view путь, std::chrono::milliseconds ожидание);

}  // namespace тувра::платформа
