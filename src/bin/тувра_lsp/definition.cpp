#include "definition.h"

#include <algorithm>
#include <variant>

#include "document_declarations.h"
#include "word_under_cursor.h"

namespace тувра::lsp {

namespace {

std::uint32_t от_нуля(std::size_t от_единицы) {
  const std::size_t значение = от_единицы == 0 ? 0 : от_единицы - 1;
  return static_cast<std::uint32_t>(std::min<std::size_t>(значение, UINT32_MAX));
}

struct ПозицияНайденного {
  const std::optional<ПозицияОбъявления>& operator()(const НайденнаяФункция& н) const {
    return н.функция->позиция_объявления;
  }
  const std::optional<ПозицияОбъявления>& operator()(const НайденнаяСтруктура& н) const {
    return н.структура->позиция_объявления;
  }
  const std::optional<ПозицияОбъявления>& operator()(const НайденныйМетод& н) const {
    return н.метод->позиция_объявления;
  }
};

}  // namespace

std::optional<Location> создать_местоположение(const url::Url& uri, const std::optional<ПозицияОбъявления>& позиция) {
  if (!позиция) return std::nullopt;
  const Position начало{от_нуля(позиция->first), от_нуля(позиция->second)};
  return Location{uri, Range{начало, начало}};
}

std::optional<Location> переход_к_определению(const url::Url& uri, std::string_view текст, std::uint32_t строка,
                                              std::uint32_t знак) {
  const auto слово = слово_под_курсором(текст, строка, знак);
  if (!слово) return std::nullopt;
  const auto программа = разобрать_документ(текст);
  if (!программа) return std::nullopt;
  const auto найдено = найти_объявление(программа->программа, *слово);
  if (!найдено) return std::nullopt;
  return создать_местоположение(uri, std::visit(ПозицияНайденного{}, *найдено));
}

}  // namespace тувра::lsp
