// Bytes in memory as the transport's source, handed out in pieces of a chosen size.
#pragma once

#include <algorithm>
#include <cstring>
#include <string>

#include "transport/framing.h"

namespace тувра::lsp::проверка {

class ИсточникВПамяти final : public Источник {
 public:
  explicit ИсточникВПамяти(std::string байты, std::size_t порция = 1 << 20)
      : байты_(std::move(байты)), порция_(порция) {}

  Итог<std::size_t, ОшибкаВвода> прочитать(char* куда, std::size_t размер) override {
    const std::size_t n = std::min({размер, порция_, байты_.size() - позиция_});
    std::memcpy(куда, байты_.data() + позиция_, n);
    позиция_ += n;
    return n;
  }

 private:
  std::string байты_;
  std::size_t порция_;
  std::size_t позиция_ = 0;
};

}  // namespace тувра::lsp::проверка
