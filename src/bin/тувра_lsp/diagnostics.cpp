#include "diagnostics.h"

#include <algorithm>
#include <cstdint>
#include <utility>
#include <variant>

#include "semantic/text_check.h"
#include "support/overloaded.h"

namespace тувра::lsp {

namespace {

std::uint32_t в_протокол(std::size_t от_единицы) {
  const std::size_t от_нуля = от_единицы == 0 ? 0 : от_единицы - 1;
  return static_cast<std::uint32_t>(std::min<std::size_t>(от_нуля, UINT32_MAX));
}

Diagnostic из_ошибки(ОшибкаТекста ошибка) {
  return std::visit(перегрузка{
                        [](ОшибкаРазбора& разбора) {
                          return создать_диагностику(разбора.строка, разбора.столбец,
                                                     std::move(разбора.сообщение_ошибки));
                        },
                        // The analysis places no error in the text.
                        [](ОшибкаАнализа& анализа) {
                          return создать_диагностику(1, 1, "[без точной позиции] " + анализа.сообщение_ошибки);
                        },
                    },
                    ошибка);
}

}  // namespace

Diagnostic создать_диагностику(std::size_t строка, std::size_t столбец, std::string сообщение) {
  const Position начало{в_протокол(строка), в_протокол(столбец)};
  Position конец = начало;
  if (конец.character < UINT32_MAX) ++конец.character;
  return Diagnostic{Range{начало, конец}, DiagnosticSeverity::Error, "Тувра", std::move(сообщение)};
}

std::vector<Diagnostic> диагностика_текста(std::string_view текст) {
  std::vector<Diagnostic> список;
  auto итог = проверить_текст(текст);
  if (!итог) список.push_back(из_ошибки(std::move(итог).error()));
  return список;
}

Итог<Пусто, ОшибкаСервера> опубликовать_диагностику(Соединение& соединение, const url::Url& uri,
                                                    std::vector<Diagnostic> диагностика) {
  const PublishDiagnosticsParams параметры{uri, std::move(диагностика), std::nullopt};
  Notification уведомление{"textDocument/publishDiagnostics", nlohmann::json(параметры)};
  if (!соединение.отправить(std::move(уведомление))) return Неудача{ОшибкаСервера{ОшибкаОтправки{}}};
  return Пусто{};
}

Итог<Пусто, ОшибкаСервера> проверить_документ(Соединение& соединение, const url::Url& uri, std::string_view текст) {
  return опубликовать_диагностику(соединение, uri, диагностика_текста(текст));
}

}  // namespace тувра::lsp
