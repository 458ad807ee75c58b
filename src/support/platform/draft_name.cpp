// The name of a replacement draft, the same on every system so a later run can clear it.
#include <string>
#include <string_view>

#include "support/platform/files.h"

namespace тувра::платформа {

namespace {

constexpr std::string_view кМеткаЧерновика = ".новый.";

bool только_цифры(std::string_view текст) {
  return !текст.empty() && текст.find_first_not_of("0123456789") == std::string_view::npos;
}

}  // namespace

std::string имя_черновика(std::string_view имя_файла, unsigned long номер_процесса, int попытка) {
  // Appended piece by piece: GCC 12 at -O3 takes "." + std::string for an overlapping copy.
  std::string черновик(".");
  черновик.append(имя_файла)
      .append(кМеткаЧерновика)
      .append(std::to_string(номер_процесса))
      .append(".")
      .append(std::to_string(попытка));
  return черновик;
}

bool черновик_замены(std::string_view имя_записи, std::string_view имя_файла) {
  if (имя_записи.size() < 1 + имя_файла.size() + кМеткаЧерновика.size() || имя_записи.front() != '.') return false;
  имя_записи.remove_prefix(1);
  if (имя_записи.substr(0, имя_файла.size()) != имя_файла) return false;
  имя_записи.remove_prefix(имя_файла.size());
  if (имя_записи.substr(0, кМеткаЧерновика.size()) != кМеткаЧерновика) return false;
  имя_записи.remove_prefix(кМеткаЧерновика.size());
  const std::size_t точка = имя_записи.find('.');
  return точка != std::string_view::npos && только_цифры(имя_записи.substr(0, точка)) &&
         только_цифры(имя_записи.substr(точка + 1));
}

}  // namespace тувра::платформа
