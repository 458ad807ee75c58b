#include "server.h"

#include <utility>

#include "diagnostics.h"
#include "protocol.h"
#include "requests.h"
#include "support/propagate.h"

namespace тувра::lsp {

namespace {

template <class T>
Итог<T, ОшибкаСервера> параметры(nlohmann::json&& значение) {
  auto прочитано = из_json<T>(std::move(значение));
  if (!прочитано) return Неудача{ОшибкаСервера{std::move(прочитано).error()}};
  return std::move(*прочитано);
}

Итог<Пусто, ОшибкаСервера> открыть(Соединение& соединение, Документы& документы, nlohmann::json&& значение) {
  ТУВРА_ВЗЯТЬ(п, параметры<DidOpenTextDocumentParams>(std::move(значение)));
  auto [место, _] = документы.insert_or_assign(std::move(п.textDocument.uri), std::move(п.textDocument.text));
  return проверить_документ(соединение, место->first, место->second);
}

Итог<Пусто, ОшибкаСервера> изменить(Соединение& соединение, Документы& документы, nlohmann::json&& значение) {
  ТУВРА_ВЗЯТЬ(п, параметры<DidChangeTextDocumentParams>(std::move(значение)));
  if (п.contentChanges.empty()) return Пусто{};
  auto [место, _] = документы.insert_or_assign(std::move(п.textDocument.uri), std::move(п.contentChanges.back().text));
  return проверить_документ(соединение, место->first, место->second);
}

Итог<Пусто, ОшибкаСервера> закрыть(Соединение& соединение, Документы& документы, nlohmann::json&& значение) {
  ТУВРА_ВЗЯТЬ(п, параметры<DidCloseTextDocumentParams>(std::move(значение)));
  документы.erase(п.textDocument.uri);
  return опубликовать_диагностику(соединение, п.textDocument.uri, {});
}

Итог<Пусто, ОшибкаСервера> уведомление(Соединение& соединение, Документы& документы, Notification&& n) {
  if (n.method == "textDocument/didOpen") return открыть(соединение, документы, std::move(n.params));
  if (n.method == "textDocument/didChange") return изменить(соединение, документы, std::move(n.params));
  if (n.method == "textDocument/didClose") return закрыть(соединение, документы, std::move(n.params));
  return Пусто{};
}

}  // namespace

nlohmann::json возможности_сервера() { return nlohmann::json(ServerCapabilities{}); }

Итог<bool, ОшибкаСервера> обработать_сообщение(Соединение& соединение, Документы& документы, Message сообщение) {
  if (auto* запрос = std::get_if<Request>(&сообщение)) {
    auto завершение = соединение.проверить_завершение(*запрос);
    if (!завершение) return Неудача{ОшибкаСервера{std::move(завершение).error()}};
    if (*завершение) return true;
    ТУВРА_ТРЕБОВАТЬ(обработать_запрос(соединение, документы, *запрос));
    return false;
  }
  if (auto* n = std::get_if<Notification>(&сообщение)) {
    ТУВРА_ТРЕБОВАТЬ(уведомление(соединение, документы, std::move(*n)));
  }
  return false;
}

Итог<Пусто, ОшибкаСервера> запустить_сервер(Соединение& соединение) {
  auto начальные = соединение.рукопожатие(возможности_сервера());
  if (!начальные) return Неудача{ОшибкаСервера{std::move(начальные).error()}};
  // Held, unread, for the whole run.
  ТУВРА_ВЗЯТЬ(параметры_клиента, параметры<InitializeParams>(std::move(*начальные)));
  (void)параметры_клиента;
  Документы документы;
  for (;;) {
    auto сообщение = соединение.получить();
    if (!сообщение) break;
    ТУВРА_ВЗЯТЬ(конец, обработать_сообщение(соединение, документы, std::move(*сообщение)));
    if (конец) break;
  }
  auto итог = соединение.завершить();
  if (!итог) return Неудача{ОшибкаСервера{std::move(итог).error()}};
  return Пусто{};
}

Итог<Пусто, ОшибкаСервера> запустить_сервер() {
  auto соединение = Соединение::стандартное();
  return запустить_сервер(*соединение);
}

}  // namespace тувра::lsp
