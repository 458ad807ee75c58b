// UTF-8 inside the programs, UTF-16 at the system's calls; shared by the Windows implementations.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace тувра::платформа::windows {

// Invalid UTF-8 becomes U+FFFD, as the system would show it.
std::wstring в_utf16(std::string_view текст);
// An unpaired surrogate becomes the bytes WTF-8 gives it, which are not valid UTF-8: the caller
// sees text that is not valid Unicode instead of a silently mended one.
std::string в_utf8(std::wstring_view текст);

// "C:" and the like at the start.
bool буква_диска(std::string_view путь);

// The form the system takes for any length: "\\?\C:\..." or "\\?\UNC\server\...", made
// absolute against the current folder ('/' taken as '\\', "." and ".." resolved here, as the
// system passes such a path on untouched). An empty path is the current folder.
std::wstring системный_путь(std::string_view путь);

// The system's message for an error code, in UTF-8, without the trailing line break.
std::string текст_ошибки(DWORD код);

// Closes the handle on every way out.
class Описатель {
 public:
  Описатель() = default;
  explicit Описатель(HANDLE h) : h_(h) {}
  Описатель(Описатель&& другой) noexcept : h_(другой.h_) { другой.h_ = INVALID_HANDLE_VALUE; }
  Описатель& operator=(Описатель&& другой) noexcept {
    if (this != &другой) {
      закрыть();
      h_ = другой.h_;
      другой.h_ = INVALID_HANDLE_VALUE;
    }
    return *this;
  }
  Описатель(const Описатель&) = delete;
  Описатель& operator=(const Описатель&) = delete;
  ~Описатель() { закрыть(); }
  HANDLE get() const { return h_; }
  bool есть() const { return h_ != INVALID_HANDLE_VALUE && h_ != nullptr; }
  HANDLE отдать() {
    HANDLE h = h_;
    h_ = INVALID_HANDLE_VALUE;
    return h;
  }
  void закрыть() {
    if (есть()) CloseHandle(h_);
    h_ = INVALID_HANDLE_VALUE;
  }

 private:
  HANDLE h_ = INVALID_HANDLE_VALUE;
};

}  // namespace тувра::платформа::windows
