#include "diagnostics.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <utility>

#include "parser/front_end.h"
#include "semantic/analyser.h"
#include "semantic/program_analysis.h"

namespace тувра::lsp {

namespace {

std::uint32_t в_протокол(std::size_t от_единицы) {
  const std::size_t от_нуля = от_единицы == 0 ? 0 : от_единицы - 1;
  return static_cast<std::uint32_t>(std::min<std::size_t>(от_нуля, UINT32_MAX));
}

Diagnostic из_ошибки_разбора(ОшибкаРазбора ошибка) {
  return создать_диагностику(ошибка.строка, ошибка.столбец, std::move(ошибка.сообщение_ошибки));
}

// The semantic analysis of the parsed program as the main file alone: its first error's
// message, or nothing.
std::optional<std::string> ошибка_анализа(const Программа& программа) {
  Анализатор анализатор = новый_анализатор();
  const std::vector<std::optional<std::string>> имена_модулей(программа.объявления.size());
  auto итог = анализировать_программу(анализатор, программа, {}, имена_модулей);
  if (итог) return std::nullopt;
  return std::move(итог).error().сообщение_ошибки;
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
  auto программа = разобрать_текст(текст);
  if (!программа) {
    список.push_back(из_ошибки_разбора(std::move(программа).error()));
    return список;
  }
  if (auto сообщение = ошибка_анализа(программа->программа)) {
    список.push_back(создать_диагностику(1, 1, "[без точной позиции] " + *сообщение));
  }
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
