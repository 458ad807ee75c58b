#include "requests.h"

#include <string_view>
#include <utility>

#include "completion.h"
#include "definition.h"
#include "hover.h"
#include "protocol.h"
#include "support/propagate.h"

namespace тувра::lsp {

namespace {

using json = nlohmann::json;

template <class T>
Итог<T, ОшибкаСервера> параметры_запроса(const Request& запрос) {
  auto прочитано = из_json<T>(json(запрос.params));
  if (!прочитано) return Неудача{ОшибкаСервера{std::move(прочитано).error()}};
  return std::move(*прочитано);
}

// A URI that is not open reads as the empty text.
std::string_view текст_документа(const Документы& документы, const url::Url& uri) {
  const auto найден = документы.find(uri);
  return найден == документы.end() ? std::string_view() : std::string_view(найден->second);
}

Итог<json, ОшибкаСервера> наведение(const Документы& документы, const Request& запрос) {
  ТУВРА_ВЗЯТЬ(п, параметры_запроса<HoverParams>(запрос));
  auto текст =
      подсказка_при_наведении(текст_документа(документы, п.textDocument.uri), п.position.line, п.position.character);
  if (!текст) return json(nullptr);
  return json(Hover{MarkupContent{"markdown", std::move(*текст)}});
}

Итог<json, ОшибкаСервера> дополнение(const Документы& документы, const Request& запрос) {
  ТУВРА_ВЗЯТЬ(п, параметры_запроса<CompletionParams>(запрос));
  return json(список_дополнений(текст_документа(документы, п.textDocument.uri)));
}

Итог<json, ОшибкаСервера> определение(const Документы& документы, const Request& запрос) {
  ТУВРА_ВЗЯТЬ(п, параметры_запроса<GotoDefinitionParams>(запрос));
  const url::Url& uri = п.textDocument.uri;
  auto место = переход_к_определению(uri, текст_документа(документы, uri), п.position.line, п.position.character);
  if (!место) return json(nullptr);
  return json(*место);
}

Итог<json, ОшибкаСервера> ответ_на(const Документы& документы, const Request& запрос) {
  if (запрос.method == "textDocument/hover") return наведение(документы, запрос);
  if (запрос.method == "textDocument/completion") return дополнение(документы, запрос);
  if (запрос.method == "textDocument/definition") return определение(документы, запрос);
  return json(nullptr);
}

}  // namespace

Итог<Пусто, ОшибкаСервера> обработать_запрос(Соединение& соединение, const Документы& документы,
                                             const Request& запрос) {
  ТУВРА_ВЗЯТЬ(результат, ответ_на(документы, запрос));
  if (!соединение.отправить(успешный_ответ(запрос.id, std::move(результат)))) {
    return Неудача{ОшибкаСервера{ОшибкаОтправки{}}};
  }
  return Пусто{};
}

}  // namespace тувра::lsp
