// Records of the line format kept one after another in one text, each taking about as many
// bytes as its line: a manifest or lock file at the size cap, of short lines, then costs about
// its own size instead of a record object of a few hundred bytes per line.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "line_format.h"

namespace тувра::пакеты {

class УпакованныеЗависимости {
 public:
  void добавить(const ВидЗависимости& запись);
  void добавить(const Зависимость& запись) { добавить(вид_записи(запись)); }
  void зарезервировать(std::size_t байт) { текст_.reserve(байт); }
  void ужать() { текст_.shrink_to_fit(); }
  std::size_t size() const { return число_; }
  bool empty() const { return число_ == 0; }

  // Places of records: the first is 0, each one's end is the next one's place.
  std::size_t конец() const { return текст_.size(); }
  // The record at `место`, which moves to the next one.
  Зависимость прочитать(std::size_t& место) const;
  void пропустить(std::size_t& место) const;
  // Only the name of the record at `место`.
  std::string_view имя_в(std::size_t место) const;

 private:
  std::string текст_;
  std::size_t число_ = 0;
};

// Every record of a text in the line format, or the message of its first bad line. The text is
// let go before the records are trimmed to their size, so that the two are never held at once.
Итог<УпакованныеЗависимости, std::string> упаковать_зависимости(std::string текст);

}  // namespace тувра::пакеты
