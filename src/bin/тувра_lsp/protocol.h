// The protocol's data types that the server reads and writes, with their JSON forms.
// Reading never throws: a member missing or of the wrong type is an ОшибкаJson.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "support/expected.h"
#include "url/url.h"

namespace тувра::lsp {

struct ОшибкаJson {
  std::string текст;
};

std::string отладочный_вид(const ОшибкаJson& ошибка);

// Counted from 0; `character` in Unicode characters of the line.
struct Position {
  std::uint32_t line = 0;
  std::uint32_t character = 0;

  bool operator==(const Position&) const = default;
};

struct Range {
  Position start;
  Position end;

  bool operator==(const Range&) const = default;
};

struct Location {
  url::Url uri;
  Range range;
};

// --- read from the client ---

struct InitializeParams {
  std::optional<std::int64_t> processId;
  std::optional<std::string> rootUri;
  nlohmann::json capabilities;  // an object; nothing reads it
};

struct TextDocumentItem {
  url::Url uri;
  std::string languageId;
  std::int32_t version = 0;
  std::string text;
};

struct TextDocumentIdentifier {
  url::Url uri;
};

struct VersionedTextDocumentIdentifier {
  url::Url uri;
  std::int32_t version = 0;
};

struct TextDocumentContentChangeEvent {
  std::optional<Range> range;
  std::optional<std::uint32_t> rangeLength;
  std::string text;
};

struct DidOpenTextDocumentParams {
  TextDocumentItem textDocument;
};

struct DidChangeTextDocumentParams {
  VersionedTextDocumentIdentifier textDocument;
  std::vector<TextDocumentContentChangeEvent> contentChanges;
};

struct DidCloseTextDocumentParams {
  TextDocumentIdentifier textDocument;
};

struct TextDocumentPositionParams {
  TextDocumentIdentifier textDocument;
  Position position;
};

struct HoverParams : TextDocumentPositionParams {};
struct CompletionParams : TextDocumentPositionParams {};
struct GotoDefinitionParams : TextDocumentPositionParams {};

// Params of one of these types from a JSON value, which is taken apart on the way.
template <class T>
Итог<T, ОшибкаJson> из_json(nlohmann::json&& значение);

// --- written to the client ---

struct ServerCapabilities {
  int textDocumentSync = 1;  // full text on every change
  bool hoverProvider = true;
  bool definitionProvider = true;
  // completionProvider: always an empty object
};

enum class DiagnosticSeverity { Error = 1, Warning = 2, Information = 3, Hint = 4 };

struct Diagnostic {
  Range range;
  DiagnosticSeverity severity = DiagnosticSeverity::Error;
  std::string source;
  std::string message;
};

struct PublishDiagnosticsParams {
  url::Url uri;
  std::vector<Diagnostic> diagnostics;
  std::optional<std::int32_t> version;
};

struct MarkupContent {
  std::string kind = "markdown";
  std::string value;
};

struct Hover {
  MarkupContent contents;
};

struct CompletionItem {
  std::string label;
  int kind = 0;
  std::string detail;
  std::optional<std::string> documentation;  // a plain string
};

void to_json(nlohmann::json& j, const Position& v);
void to_json(nlohmann::json& j, const Range& v);
void to_json(nlohmann::json& j, const Location& v);
void to_json(nlohmann::json& j, const ServerCapabilities& v);
void to_json(nlohmann::json& j, const Diagnostic& v);
void to_json(nlohmann::json& j, const PublishDiagnosticsParams& v);
void to_json(nlohmann::json& j, const MarkupContent& v);
void to_json(nlohmann::json& j, const Hover& v);
void to_json(nlohmann::json& j, const CompletionItem& v);

}  // namespace тувра::lsp
