// Runs another program as a child process and waits for it, with a time limit.
#pragma once

#include <chrono>
#include <string>
#include <vector>

#include "support/expected.h"

namespace тувра::платформа {

struct ЗапускПрограммы {
  std::string программа;               // a bare name, looked up on the search path
  std::vector<std::string> аргументы;  // after the program's own name, each passed as it is
  std::string папка;  // the child's working folder; a relative search-path entry means a folder below it
  std::vector<std::string> окружение;   // the child's whole environment, "ИМЯ=значение" each
  std::chrono::milliseconds предел{0};  // how long the child and what it starts may run
};

struct ЗавершениеПрограммы {
  int код_выхода = -1;    // -1 when the child was ended by a signal, the limit or an interruption
  bool истекло = false;   // the limit passed: the child and everything it started were ended
  bool прервано = false;  // an interruption came (interruption.h): likewise, or the child never started
  std::string вывод;      // standard output, the bytes as written
  std::string ошибки;     // standard error, likewise
};

// The child gets an empty standard input and no terminal (it runs detached from the caller's
// console, so that nothing it starts can stop to ask there); both outputs are read whole while
// it runs. The error is the system's text when the program could not be started.
Итог<ЗавершениеПрограммы, std::string> выполнить_программу(const ЗапускПрограммы& запуск);

}  // namespace тувра::платформа
