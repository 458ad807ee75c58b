// The size a written type reaches under a sequence of type-parameter substitutions, counted
// without building it, so an instance whose types would grow without bound (replacements
// naming later parameters double a type at every pass) is refused before it is made.
#pragma once

#include <cstddef>
#include <span>
#include <string_view>
#include <utility>
#include <vector>

#include "semantic/analyser.h"
#include "syntax_tree/syntax_type.h"

namespace тувра {

// The most parts one type of an instance may have.
inline constexpr std::size_t предел_частей_типа = 100000;

class РазмерПодстановки {
 public:
  // Pass j replaces the parameter named имена[j] by замены[j], on the output of pass j − 1.
  РазмерПодстановки(std::span<const std::string_view> имена, std::span<const СинтаксическийТип* const> замены);

  // Parts of тип after every pass; any count past предел_частей_типа is reported as предел + 1.
  std::size_t частей(const СинтаксическийТип& тип) const { return частей_с(тип, 0); }
  bool в_пределе(const СинтаксическийТип& тип) const { return частей(тип) <= предел_частей_типа; }

 private:
  std::size_t частей_с(const СинтаксическийТип& тип, std::size_t проход) const;

  // (parameter name, pass) in order: found by a binary search, no hash a document could aim at.
  std::vector<std::pair<std::string_view, std::size_t>> проходы_;
  // Parts that the replacement of pass j becomes after the passes after j.
  std::vector<std::size_t> частей_замены_;
};

// Every written type inside a statement list (declared types and type arguments of calls),
// each reported once, without recursion.
std::vector<const СинтаксическийТип*> типы_в_инструкциях(const СписокИнструкций& инструкции);

}  // namespace тувра
