// The one error of the lexer and of the parser: the first problem found ends the run.
#pragma once

#include <cstddef>
#include <string>

namespace тувра {

struct ОшибкаРазбора {
  std::string сообщение_ошибки;
  std::size_t строка = 1;   // from 1, in characters of the text
  std::size_t столбец = 1;  // from 1, in characters of the line

  bool operator==(const ОшибкаРазбора&) const = default;
};

}  // namespace тувра
