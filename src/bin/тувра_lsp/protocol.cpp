#include "protocol.h"

#include <limits>
#include <utility>

#include "support/propagate.h"
#include "transport/message.h"

namespace тувра::lsp {

namespace {

using json = nlohmann::json;

const char* вид_значения(const json& значение) {
  switch (значение.type()) {
    case json::value_t::null: return "null";
    case json::value_t::boolean: return "a boolean";
    case json::value_t::string: return "a string";
    case json::value_t::array: return "an array";
    case json::value_t::object: return "an object";
    case json::value_t::number_float: return "a floating-point number";
    case json::value_t::discarded: return "nothing";
    default: return "an integer";
  }
}

Неудача<ОшибкаJson> ошибка(const std::string& путь, std::string текст) {
  return Неудача{ОшибкаJson{путь.empty() ? текст : текст + " at `" + путь + "`"}};
}

Неудача<ОшибкаJson> не_тот_тип(const std::string& путь, const json& значение, const char* ожидалось) {
  return ошибка(путь, std::string("invalid type: ") + вид_значения(значение) + ", expected " + ожидалось);
}

std::string вложенный(const std::string& путь, const char* ключ) {
  return путь.empty() ? std::string(ключ) : путь + "." + ключ;
}

// The members of one JSON object, each taken out as it is read.
class Объект {
 public:
  static Итог<Объект, ОшибкаJson> из(json& значение, std::string путь) {
    if (!значение.is_object()) return не_тот_тип(путь, значение, "an object");
    return Объект(значение, std::move(путь));
  }

  // A required member; null counts as present, as the type reading it decides.
  Итог<std::pair<json*, std::string>, ОшибкаJson> член(const char* ключ) {
    auto найдено = объект_->find(ключ);
    if (найдено == объект_->end()) return ошибка(путь_, std::string("missing field `") + ключ + "`");
    return std::pair<json*, std::string>{&*найдено, вложенный(путь_, ключ)};
  }

  // An optional member: absent and null both read as nothing.
  json* необязательный(const char* ключ) {
    auto найдено = объект_->find(ключ);
    if (найдено == объект_->end() || найдено->is_null()) return nullptr;
    return &*найдено;
  }

  const std::string& путь() const { return путь_; }

 private:
  Объект(json& значение, std::string путь) : объект_(&значение), путь_(std::move(путь)) {}
  json* объект_;
  std::string путь_;
};

Итог<std::string, ОшибкаJson> текст(json& значение, const std::string& путь) {
  if (!значение.is_string()) return не_тот_тип(путь, значение, "a string");
  return std::move(значение.get_ref<std::string&>());
}

template <class Целое>
Итог<Целое, ОшибкаJson> целое(const json& значение, const std::string& путь, const char* ожидалось) {
  if (значение.is_number_unsigned()) {
    const auto v = значение.get<std::uint64_t>();
    if (v <= static_cast<std::uint64_t>(std::numeric_limits<Целое>::max())) return static_cast<Целое>(v);
  } else if (значение.is_number_integer()) {
    const auto v = значение.get<std::int64_t>();
    if (v >= static_cast<std::int64_t>(std::numeric_limits<Целое>::min()) &&
        (v < 0 || static_cast<std::uint64_t>(v) <= static_cast<std::uint64_t>(std::numeric_limits<Целое>::max()))) {
      return static_cast<Целое>(v);
    }
    return ошибка(путь, "invalid value: integer " + std::to_string(v) + ", expected " + ожидалось);
  }
  if (значение.is_number_unsigned()) {
    return ошибка(
        путь, "invalid value: integer " + std::to_string(значение.get<std::uint64_t>()) + ", expected " + ожидалось);
  }
  return не_тот_тип(путь, значение, ожидалось);
}

Итог<url::Url, ОшибкаJson> адрес(json& значение, const std::string& путь) {
  ТУВРА_ВЗЯТЬ(строка, текст(значение, путь));
  auto разобран = url::parse(строка);
  if (!разобран) {
    return ошибка(путь, "invalid URL " + отладочная_строка(строка) + ": " + разобран.error().message);
  }
  return std::move(*разобран);
}

template <class T, class Чтение>
Итог<T, ОшибкаJson> член_как(Объект& объект, const char* ключ, Чтение чтение) {
  ТУВРА_ВЗЯТЬ(член, объект.член(ключ));
  return чтение(*член.first, член.second);
}

Итог<Position, ОшибкаJson> позиция(json& значение, const std::string& путь) {
  ТУВРА_ВЗЯТЬ(объект, Объект::из(значение, путь));
  auto как_u32 = [](json& v, const std::string& п) { return целое<std::uint32_t>(v, п, "a u32"); };
  ТУВРА_ВЗЯТЬ(строка, член_как<std::uint32_t>(объект, "line", как_u32));
  ТУВРА_ВЗЯТЬ(знак, член_как<std::uint32_t>(объект, "character", как_u32));
  return Position{строка, знак};
}

Итог<Range, ОшибкаJson> диапазон(json& значение, const std::string& путь) {
  ТУВРА_ВЗЯТЬ(объект, Объект::из(значение, путь));
  ТУВРА_ВЗЯТЬ(начало, член_как<Position>(объект, "start", позиция));
  ТУВРА_ВЗЯТЬ(конец, член_как<Position>(объект, "end", позиция));
  return Range{начало, конец};
}

auto как_i32 = [](json& v, const std::string& п) { return целое<std::int32_t>(v, п, "an i32"); };

Итог<TextDocumentIdentifier, ОшибкаJson> документ(json& значение, const std::string& путь) {
  ТУВРА_ВЗЯТЬ(объект, Объект::из(значение, путь));
  ТУВРА_ВЗЯТЬ(uri, член_как<url::Url>(объект, "uri", адрес));
  return TextDocumentIdentifier{std::move(uri)};
}

Итог<TextDocumentItem, ОшибкаJson> документ_с_текстом(json& значение, const std::string& путь) {
  ТУВРА_ВЗЯТЬ(объект, Объект::из(значение, путь));
  ТУВРА_ВЗЯТЬ(uri, член_как<url::Url>(объект, "uri", адрес));
  ТУВРА_ВЗЯТЬ(язык, член_как<std::string>(объект, "languageId", текст));
  ТУВРА_ВЗЯТЬ(версия, член_как<std::int32_t>(объект, "version", как_i32));
  ТУВРА_ВЗЯТЬ(содержимое, член_как<std::string>(объект, "text", текст));
  return TextDocumentItem{std::move(uri), std::move(язык), версия, std::move(содержимое)};
}

Итог<VersionedTextDocumentIdentifier, ОшибкаJson> документ_с_версией(json& значение, const std::string& путь) {
  ТУВРА_ВЗЯТЬ(объект, Объект::из(значение, путь));
  ТУВРА_ВЗЯТЬ(uri, член_как<url::Url>(объект, "uri", адрес));
  ТУВРА_ВЗЯТЬ(версия, член_как<std::int32_t>(объект, "version", как_i32));
  return VersionedTextDocumentIdentifier{std::move(uri), версия};
}

Итог<TextDocumentContentChangeEvent, ОшибкаJson> изменение(json& значение, const std::string& путь) {
  ТУВРА_ВЗЯТЬ(объект, Объект::из(значение, путь));
  TextDocumentContentChangeEvent событие;
  if (json* v = объект.необязательный("range")) {
    ТУВРА_ВЗЯТЬ(r, диапазон(*v, вложенный(путь, "range")));
    событие.range = r;
  }
  if (json* v = объект.необязательный("rangeLength")) {
    ТУВРА_ВЗЯТЬ(n, (целое<std::uint32_t>(*v, вложенный(путь, "rangeLength"), "a u32")));
    событие.rangeLength = n;
  }
  ТУВРА_ВЗЯТЬ(содержимое, член_как<std::string>(объект, "text", текст));
  событие.text = std::move(содержимое);
  return событие;
}

Итог<std::vector<TextDocumentContentChangeEvent>, ОшибкаJson> изменения(json& значение, const std::string& путь) {
  if (!значение.is_array()) return не_тот_тип(путь, значение, "a sequence");
  std::vector<TextDocumentContentChangeEvent> список;
  список.reserve(значение.size());
  for (std::size_t i = 0; i < значение.size(); ++i) {
    ТУВРА_ВЗЯТЬ(событие, изменение(значение[i], путь + "[" + std::to_string(i) + "]"));
    список.push_back(std::move(событие));
  }
  return список;
}

Итог<TextDocumentPositionParams, ОшибкаJson> документ_и_позиция(json& значение) {
  ТУВРА_ВЗЯТЬ(объект, Объект::из(значение, ""));
  ТУВРА_ВЗЯТЬ(док, член_как<TextDocumentIdentifier>(объект, "textDocument", документ));
  ТУВРА_ВЗЯТЬ(поз, член_как<Position>(объект, "position", позиция));
  return TextDocumentPositionParams{std::move(док), поз};
}

}  // namespace

std::string отладочный_вид(const ОшибкаJson& ошибка) { return "Error(" + отладочная_строка(ошибка.текст) + ")"; }

template <>
Итог<InitializeParams, ОшибкаJson> из_json<InitializeParams>(nlohmann::json&& значение) {
  ТУВРА_ВЗЯТЬ(объект, Объект::из(значение, ""));
  InitializeParams параметры;
  if (json* v = объект.необязательный("processId")) {
    ТУВРА_ВЗЯТЬ(id, (целое<std::int64_t>(*v, "processId", "an integer")));
    параметры.processId = id;
  }
  if (json* v = объект.необязательный("rootUri")) {
    ТУВРА_ВЗЯТЬ(корень, текст(*v, "rootUri"));
    параметры.rootUri = std::move(корень);
  }
  ТУВРА_ВЗЯТЬ(возможности, объект.член("capabilities"));
  if (!возможности.first->is_object()) return не_тот_тип("capabilities", *возможности.first, "an object");
  параметры.capabilities = std::move(*возможности.first);
  return параметры;
}

template <>
Итог<DidOpenTextDocumentParams, ОшибкаJson> из_json<DidOpenTextDocumentParams>(nlohmann::json&& значение) {
  ТУВРА_ВЗЯТЬ(объект, Объект::из(значение, ""));
  ТУВРА_ВЗЯТЬ(док, член_как<TextDocumentItem>(объект, "textDocument", документ_с_текстом));
  return DidOpenTextDocumentParams{std::move(док)};
}

template <>
Итог<DidChangeTextDocumentParams, ОшибкаJson> из_json<DidChangeTextDocumentParams>(nlohmann::json&& значение) {
  ТУВРА_ВЗЯТЬ(объект, Объект::из(значение, ""));
  ТУВРА_ВЗЯТЬ(док, член_как<VersionedTextDocumentIdentifier>(объект, "textDocument", документ_с_версией));
  ТУВРА_ВЗЯТЬ(список, член_как<std::vector<TextDocumentContentChangeEvent>>(объект, "contentChanges", изменения));
  return DidChangeTextDocumentParams{std::move(док), std::move(список)};
}

template <>
Итог<DidCloseTextDocumentParams, ОшибкаJson> из_json<DidCloseTextDocumentParams>(nlohmann::json&& значение) {
  ТУВРА_ВЗЯТЬ(объект, Объект::из(значение, ""));
  ТУВРА_ВЗЯТЬ(док, член_как<TextDocumentIdentifier>(объект, "textDocument", документ));
  return DidCloseTextDocumentParams{std::move(док)};
}

template <>
Итог<HoverParams, ОшибкаJson> из_json<HoverParams>(nlohmann::json&& значение) {
  ТУВРА_ВЗЯТЬ(p, документ_и_позиция(значение));
  return HoverParams{std::move(p)};
}

template <>
Итог<CompletionParams, ОшибкаJson> из_json<CompletionParams>(nlohmann::json&& значение) {
  ТУВРА_ВЗЯТЬ(p, документ_и_позиция(значение));
  return CompletionParams{std::move(p)};
}

template <>
Итог<GotoDefinitionParams, ОшибкаJson> из_json<GotoDefinitionParams>(nlohmann::json&& значение) {
  ТУВРА_ВЗЯТЬ(p, документ_и_позиция(значение));
  return GotoDefinitionParams{std::move(p)};
}

void to_json(nlohmann::json& j, const Position& v) { j = {{"line", v.line}, {"character", v.character}}; }

void to_json(nlohmann::json& j, const Range& v) { j = {{"start", v.start}, {"end", v.end}}; }

void to_json(nlohmann::json& j, const Location& v) { j = {{"uri", v.uri.href()}, {"range", v.range}}; }

void to_json(nlohmann::json& j, const ServerCapabilities& v) {
  j = {{"textDocumentSync", v.textDocumentSync},
       {"hoverProvider", v.hoverProvider},
       {"completionProvider", json::object()},
       {"definitionProvider", v.definitionProvider}};
}

void to_json(nlohmann::json& j, const Diagnostic& v) {
  j = {{"range", v.range}, {"severity", static_cast<int>(v.severity)}, {"source", v.source}, {"message", v.message}};
}

void to_json(nlohmann::json& j, const PublishDiagnosticsParams& v) {
  j = {{"uri", v.uri.href()}, {"diagnostics", v.diagnostics}};
  if (v.version) j["version"] = *v.version;
}

void to_json(nlohmann::json& j, const MarkupContent& v) { j = {{"kind", v.kind}, {"value", v.value}}; }

void to_json(nlohmann::json& j, const Hover& v) { j = {{"contents", v.contents}}; }

void to_json(nlohmann::json& j, const CompletionItem& v) {
  j = {{"label", v.label}, {"kind", v.kind}, {"detail", v.detail}};
  if (v.documentation) j["documentation"] = *v.documentation;
}

}  // namespace тувра::lsp
