#include "support/platform/windows/wide.h"

namespace тувра::платформа::windows {

std::wstring в_utf16(std::string_view текст) {
  if (текст.empty()) return {};
  const int размер = MultiByteToWideChar(CP_UTF8, 0, текст.data(), static_cast<int>(текст.size()), nullptr, 0);
  std::wstring итог(static_cast<std::size_t>(размер), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, текст.data(), static_cast<int>(текст.size()), итог.data(), размер);
  return итог;
}

std::string в_utf8(std::wstring_view текст) {
  std::string итог;
  итог.reserve(текст.size());
  for (std::size_t i = 0; i < текст.size(); ++i) {
    char32_t знак = текст[i];
    if (знак >= 0xD800 && знак <= 0xDBFF && i + 1 < текст.size() && текст[i + 1] >= 0xDC00 && текст[i + 1] <= 0xDFFF) {
      знак = 0x10000 + ((знак - 0xD800) << 10) + (static_cast<char32_t>(текст[i + 1]) - 0xDC00);
      ++i;
    }
    if (знак < 0x80) {
      итог += static_cast<char>(знак);
    } else if (знак < 0x800) {
      итог += static_cast<char>(0xC0 | (знак >> 6));
      итог += static_cast<char>(0x80 | (знак & 0x3F));
    } else if (знак < 0x10000) {
      итог += static_cast<char>(0xE0 | (знак >> 12));
      итог += static_cast<char>(0x80 | ((знак >> 6) & 0x3F));
      итог += static_cast<char>(0x80 | (знак & 0x3F));
    } else {
      итог += static_cast<char>(0xF0 | (знак >> 18));
      итог += static_cast<char>(0x80 | ((знак >> 12) & 0x3F));
      итог += static_cast<char>(0x80 | ((знак >> 6) & 0x3F));
      итог += static_cast<char>(0x80 | (знак & 0x3F));
    }
  }
  return итог;
}

bool буква_диска(std::string_view путь) {
  return путь.size() >= 2 && путь[1] == ':' &&
         ((путь[0] >= 'a' && путь[0] <= 'z') || (путь[0] >= 'A' && путь[0] <= 'Z'));
}

// The form the system takes for any length: "\\?\C:\..." or "\\?\UNC\server\...", made absolute
// against the current folder. Such a path is passed on untouched, so "." and ".." are resolved here.
std::wstring системный_путь(std::string_view путь) {
  std::wstring широкий = в_utf16(путь.empty() ? std::string_view(".") : путь);
  for (wchar_t& знак : широкий) {
    if (знак == L'/') знак = L'\\';
  }
  if (широкий.starts_with(L"\\\\?\\")) return широкий;
  std::wstring полный(широкий.size() + MAX_PATH, L'\0');
  for (;;) {
    const DWORD длина = GetFullPathNameW(широкий.c_str(), static_cast<DWORD>(полный.size()), полный.data(), nullptr);
    if (длина == 0) return широкий;
    if (длина < полный.size()) {
      полный.resize(длина);
      break;
    }
    полный.resize(длина);
  }
  if (полный.starts_with(L"\\\\.\\")) return полный;  // a device: refused by its kind later
  if (полный.starts_with(L"\\\\")) return L"\\\\?\\UNC\\" + полный.substr(2);
  return L"\\\\?\\" + полный;
}

std::string текст_ошибки(DWORD код) {
  wchar_t* буфер = nullptr;
  const DWORD длина =
      FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                     nullptr, код, 0, reinterpret_cast<wchar_t*>(&буфер), 0, nullptr);
  std::wstring текст = длина > 0 ? std::wstring(буфер, длина) : L"";
  if (буфер != nullptr) LocalFree(буфер);
  while (!текст.empty() &&
         (текст.back() == L'\n' || текст.back() == L'\r' || текст.back() == L' ' || текст.back() == L'.')) {
    текст.pop_back();
  }
  if (текст.empty()) return "системная ошибка " + std::to_string(код);
  return в_utf8(текст);
}

}  // namespace тувра::платформа::windows
