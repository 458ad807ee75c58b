// Text for the user on standard output and standard error through std::cout and std::cerr,
// UTF-8 inside the program.
#pragma once

#include <memory>

namespace тувра::платформа {

// While it lives, std::cout and std::cerr reach the user as text: on a Windows console as
// UTF-16 (the console's code page is left as the user set it), anywhere else as the UTF-8 bytes
// themselves, "\n" unchanged. A failed write fails the stream.
class КонсольныйВывод {
 public:
  КонсольныйВывод();
  КонсольныйВывод(const КонсольныйВывод&) = delete;
  КонсольныйВывод& operator=(const КонсольныйВывод&) = delete;
  ~КонсольныйВывод();

  struct Устройство;

 private:
  std::unique_ptr<Устройство> устройство_;
};

}  // namespace тувра::платформа
