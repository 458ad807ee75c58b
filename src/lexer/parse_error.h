// The one error of the lexer and of the parser: the first problem found ends the run.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <variant>

namespace тувра {

// Which message of which stage; each stage lists its kinds with their templates
// (lexer/messages.h, parser/messages.h).
enum class ВидОшибкиЛексера : std::uint8_t;
enum class ВидОшибкиПарсера : std::uint8_t;
using ВидОшибкиРазбора = std::variant<ВидОшибкиЛексера, ВидОшибкиПарсера>;

struct ОшибкаРазбора {
  std::string сообщение_ошибки;
  std::size_t строка = 1;   // from 1, in characters of the text
  std::size_t столбец = 1;  // from 1, in characters of the line
  ВидОшибкиРазбора вид;

  bool operator==(const ОшибкаРазбора&) const = default;
};

}  // namespace тувра
