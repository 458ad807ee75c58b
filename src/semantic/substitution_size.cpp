#include "semantic/substitution_size.h"

#include <algorithm>

#include "syntax_tree/tree_walk.h"

namespace тувра {

namespace {

using СТ = СинтаксическийТип;

std::size_t сложить(std::size_t а, std::size_t б) { return std::min(а + б, предел_частей_типа + 1); }

}  // namespace

РазмерПодстановки::РазмерПодстановки(std::span<const std::string_view> имена,
                                     std::span<const СинтаксическийТип* const> замены) {
  const std::size_t проходов = std::min(имена.size(), замены.size());
  проходы_.reserve(проходов);
  for (std::size_t j = 0; j < проходов; ++j) проходы_.emplace_back(имена[j], j);
  std::sort(проходы_.begin(), проходы_.end());
  частей_замены_.assign(проходов, 1);
  // A replacement only meets the passes after its own, so the last one is counted first.
  for (std::size_t j = проходов; j-- > 0;) частей_замены_[j] = частей_с(*замены[j], j + 1);
}

std::size_t РазмерПодстановки::частей_с(const СинтаксическийТип& тип, std::size_t проход) const {
  std::size_t всего = 0;
  std::vector<const СТ*> ждут{&тип};
  while (!ждут.empty() && всего <= предел_частей_типа) {
    const СТ* узел = ждут.back();
    ждут.pop_back();
    if (const auto* имя = std::get_if<СТ::Пользовательский>(&узел->вид)) {
      std::size_t частей = 1;
      // The first pass from this one on that replaces the name.
      auto первый = std::lower_bound(проходы_.begin(), проходы_.end(), std::pair{std::string_view(имя->имя), проход});
      if (первый != проходы_.end() && первый->first == имя->имя) частей = частей_замены_[первый->second];
      всего = сложить(всего, частей);
      continue;
    }
    всего = сложить(всего, 1);
    обход::для_детей_вида<СТ>(*узел, [&](const СТ& ребёнок) { ждут.push_back(&ребёнок); });
  }
  return всего;
}

std::vector<const СинтаксическийТип*> типы_в_инструкциях(const СписокИнструкций& инструкции) {
  std::vector<const СТ*> типы;
  // A written type is counted whole by частей, so the walk does not go into it.
  обход::обойти<СТ>(инструкции, [&](const СТ& тип) {
    типы.push_back(&тип);
    return false;
  });
  return типы;
}

}  // namespace тувра
