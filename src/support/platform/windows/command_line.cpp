#include "support/platform/windows/command_line.h"

#include "support/platform/windows/wide.h"

namespace тувра::платформа::windows {

// Each word as CommandLineToArgvW and the C runtime read it back: quoted when it is empty or
// holds a blank or a quote; backslashes doubled only before a quote, the closing one included.
std::wstring командная_строка(const std::wstring& программа, const std::vector<std::string>& аргументы) {
  std::wstring строка = L"\"" + программа + L"\"";
  for (const std::string& аргумент : аргументы) {
    const std::wstring слово = в_utf16(аргумент);
    строка += L' ';
    if (!слово.empty() && слово.find_first_of(L" \t\n\v\"") == std::wstring::npos) {
      строка += слово;
      continue;
    }
    строка += L'"';
    std::size_t черты = 0;
    for (wchar_t знак : слово) {
      if (знак == L'\\') {
        ++черты;
        continue;
      }
      строка.append(знак == L'"' ? черты * 2 + 1 : черты, L'\\');
      черты = 0;
      строка += знак;
    }
    строка.append(черты * 2, L'\\');
    строка += L'"';
  }
  return строка;
}

}  // namespace тувра::платформа::windows
