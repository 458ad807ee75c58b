// тувра_lsp: the language server, spoken to over standard input and output.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "server.h"
#include "transport/stdio.h"

int main() {
  тувра::lsp::подготовить_стандартные_потоки();
  auto итог = тувра::lsp::запустить_сервер();
  if (итог) return 0;
  const std::string строка = "Error: " + тувра::lsp::отладочный_вид(итог.error()) + "\n";
  std::fwrite(строка.data(), 1, строка.size(), stderr);
  std::fflush(stderr);
  // The reader thread may still be blocked on the standard input; it ends with the process.
  std::_Exit(1);
}
