// The lexer's messages: a kind and its template each, "{}" marking the placed value.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "lexer/parse_error.h"

#define ТУВРА_СООБЩЕНИЯ_ЛЕКСЕРА(Х)                                           \
  Х(ЦелоеЧисло, "не удалось разобрать целое число: {}")                     \
  Х(ДробноеЧисло, "не удалось разобрать дробное число: {}")                 \
  Х(НезакрытыйТекст, "незакрытый текстовый литерал")                        \
  Х(ОбрывПослеСлэша, "незакрытый текстовый литерал (обрыв после \\)")       \
  Х(НеожиданныйСимвол, "неожиданный символ: '{}'")                          \
  Х(БольшойДокумент, "документ слишком велик: больше {} байт")              \
  Х(БольшойЛитерал, "текстовый литерал слишком велик: больше {} байт")

namespace тувра {

enum class ВидОшибкиЛексера : std::uint8_t {
#define ТУВРА_ВИД(вид, шаблон) вид,
  ТУВРА_СООБЩЕНИЯ_ЛЕКСЕРА(ТУВРА_ВИД)
#undef ТУВРА_ВИД
};

namespace сообщения_лексера {

inline constexpr std::array все_виды = {
#define ТУВРА_ВИД(вид, шаблон) ВидОшибкиЛексера::вид,
    ТУВРА_СООБЩЕНИЯ_ЛЕКСЕРА(ТУВРА_ВИД)
#undef ТУВРА_ВИД
};

inline constexpr std::array<std::string_view, все_виды.size()> шаблоны = {
#define ТУВРА_ШАБЛОН(вид, шаблон) шаблон,
    ТУВРА_СООБЩЕНИЯ_ЛЕКСЕРА(ТУВРА_ШАБЛОН)
#undef ТУВРА_ШАБЛОН
};

// The kind's name as written here, for test reports.
inline constexpr std::array<std::string_view, все_виды.size()> имена = {
#define ТУВРА_ИМЯ(вид, шаблон) #вид,
    ТУВРА_СООБЩЕНИЯ_ЛЕКСЕРА(ТУВРА_ИМЯ)
#undef ТУВРА_ИМЯ
};

constexpr std::string_view шаблон(ВидОшибкиЛексера вид) { return шаблоны[static_cast<std::size_t>(вид)]; }
constexpr std::string_view имя(ВидОшибкиЛексера вид) { return имена[static_cast<std::size_t>(вид)]; }

}  // namespace сообщения_лексера
}  // namespace тувра
