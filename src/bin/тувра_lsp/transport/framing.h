// "Content-Length" framing of JSON-RPC: header lines, an empty line, then the body.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "support/expected.h"

namespace тувра::lsp {

// An I/O error of the transport's threads.
struct ОшибкаВвода {
  enum class Вид { InvalidData, UnexpectedEof, Other };
  Вид вид = Вид::Other;
  std::string текст;

  bool operator==(const ОшибкаВвода&) const = default;
};

std::string отладочный_вид(const ОшибкаВвода& ошибка);

// Where the bytes come from: the standard input, or memory in tests and fuzzing.
class Источник {
 public:
  virtual ~Источник() = default;
  // Up to `размер` bytes into `куда`, as many as are there (at least one); 0 at the end.
  virtual Итог<std::size_t, ОшибкаВвода> прочитать(char* куда, std::size_t размер) = 0;
};

// Where framed messages go.
class Приёмник {
 public:
  virtual ~Приёмник() = default;
  // All of `байты`, then flushed.
  virtual Итог<Пусто, ОшибкаВвода> записать(std::string_view байты) = 0;
};

// Reads one framed body after another. Header names are matched without regard to case and
// every header but "Content-Length" is ignored. A line ends with "\r\n" (a bare "\n" is taken
// too).
class ЧтецКадров {
 public:
  // `запас`: bytes past each body that stay readable, for parsers that read ahead.
  ЧтецКадров(Источник& источник, std::size_t запас);

  // The next body, valid until the next call, or nothing when the input ends where a header
  // line is expected.
  Итог<std::optional<std::string_view>, ОшибкаВвода> следующий();

 private:
  // A header line without its line end, or nothing at the end of input before any byte of it.
  Итог<std::optional<std::string_view>, ОшибкаВвода> строка_заголовка();
  // Gives back a buffer that one large body grew, once that body is no longer needed.
  void отпустить_лишнее();
  // Makes at least `сколько` bytes past начало_ available; false at the end of input.
  Итог<bool, ОшибкаВвода> дочитать(std::size_t сколько);

  Источник& источник_;
  std::size_t запас_;
  std::vector<char> буфер_;
  std::size_t начало_ = 0;  // first unread byte
  std::size_t конец_ = 0;   // one past the last byte read
};

// The header and the body, ready to write.
std::string кадр(std::string_view тело);

}  // namespace тувра::lsp
