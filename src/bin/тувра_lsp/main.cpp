// тувра_lsp: the language server, spoken to over standard input and output.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "server.h"
#include "support/platform/standard_streams.h"

int main() {
  // Bytes as they are, and a vanished client is a write error, not the end of the process.
  тувра::платформа::подготовить_стандартные_потоки();
  auto итог = тувра::lsp::запустить_сервер();
  if (итог) return 0;
  const std::string строка = "Error: " + тувра::lsp::отладочный_вид(итог.error()) + "\n";
  std::fwrite(строка.data(), 1, строка.size(), stderr);
  std::fflush(stderr);
  // The reader thread may still be blocked on the standard input; it ends with the process.
  std::_Exit(1);
}
