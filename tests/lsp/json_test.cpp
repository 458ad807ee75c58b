#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "protocol.h"
#include "server.h"
#include "transport/json_reader.h"
#include "transport/message.h"

namespace тувра::lsp {
namespace {

using json = nlohmann::json;

// simdjson needs readable bytes after the text.
Итог<json, std::string> разобрать(const std::string& текст) {
  std::string с_запасом = текст;
  с_запасом.append(запас_для_json(), ' ');
  ЧтецJson чтец;
  return чтец.разобрать(std::string_view(с_запасом.data(), текст.size()));
}

TEST(ЧтениеJson, KeepsEveryKindOfValue) {
  auto значение = разобрать(R"({"ц":-5,"б":18446744073709551615,"д":1.5,"в":true,"н":null,
                                 "т":"a\u0436\n\ud83d\ude00","м":[1,[2,{}]],"о":{}})");
  ASSERT_TRUE(значение) << значение.error();
  EXPECT_EQ((*значение)["ц"], -5);
  EXPECT_TRUE((*значение)["ц"].is_number_integer());
  EXPECT_EQ((*значение)["б"].get<std::uint64_t>(), 18446744073709551615u);
  EXPECT_TRUE((*значение)["д"].is_number_float());
  EXPECT_EQ((*значение)["в"], true);
  EXPECT_TRUE((*значение)["н"].is_null());
  EXPECT_EQ((*значение)["т"], "aж\n😀");
  EXPECT_EQ((*значение)["м"], json::parse("[1,[2,{}]]"));
  EXPECT_EQ((*значение)["о"], json::object());
}

TEST(ЧтениеJson, RejectsWithoutCrashing) {
  const std::vector<std::string> плохие = {
      "",     "{",        "{\"a\":}",
      "[1,]", "\"\xff\"", "{\"\xc3\":1}",
      "nul",  "1 2",      std::string(5000, '[') + std::string(5000, ']'),  // deeper than the parser allows
  };
  for (const auto& текст : плохие) {
    SCOPED_TRACE(текст.substr(0, 20));
    EXPECT_FALSE(разобрать(текст));
  }
}

enum class Вид { Запрос, Ответ, Уведомление, Ошибка };

Вид вид_сообщения(const std::string& текст) {
  auto сообщение = сообщение_из_json(json::parse(текст));
  if (!сообщение) return Вид::Ошибка;
  if (std::holds_alternative<Request>(*сообщение)) return Вид::Запрос;
  if (std::holds_alternative<Response>(*сообщение)) return Вид::Ответ;
  return Вид::Уведомление;
}

TEST(Сообщение, KindsFromJson) {
  const std::vector<std::pair<std::string, Вид>> случаи = {
      {R"({"jsonrpc":"2.0","id":1,"method":"m","params":{}})", Вид::Запрос},
      {R"({"id":"abc","method":"m"})", Вид::Запрос},
      {R"({"id":-7,"method":"m"})", Вид::Запрос},
      {R"({"id":1,"result":null})", Вид::Ответ},
      {R"({"id":1,"result":{"a":1}})", Вид::Ответ},
      {R"({"id":1,"error":{"code":-32601,"message":"нет"}})", Вид::Ответ},
      {R"({"id":1})", Вид::Ответ},
      {R"({"method":"exit"})", Вид::Уведомление},
      {R"({"method":"m","params":[1,2]})", Вид::Уведомление},
      // An id that is no integer or text does not make a request.
      {R"({"id":1.5,"method":"m"})", Вид::Уведомление},
      {R"({"id":null,"method":"m"})", Вид::Уведомление},
      {R"({"id":18446744073709551615,"method":"m"})", Вид::Уведомление},
      {R"({"id":1,"error":{"code":"x","message":"m"}})", Вид::Ошибка},
      {R"({"id":1,"error":{"code":4294967296,"message":"m"}})", Вид::Ошибка},
      {R"({"id":1,"error":{"code":1}})", Вид::Ошибка},
      {R"({"id":1,"method":5})", Вид::Ошибка},
      {R"({"method":null})", Вид::Ошибка},
      {R"({"jsonrpc":"2.0"})", Вид::Ошибка},
      {R"([])", Вид::Ошибка},
      {R"("text")", Вид::Ошибка},
  };
  for (const auto& [текст, вид] : случаи) {
    EXPECT_EQ(вид_сообщения(текст), вид) << текст;
  }
}

TEST(Сообщение, FieldsSurviveAndMissingParamsAreNull) {
  auto запрос = сообщение_из_json(json::parse(R"({"id":"x","method":"textDocument/hover"})"));
  ASSERT_TRUE(запрос);
  const auto& r = std::get<Request>(*запрос);
  EXPECT_EQ(r.id, RequestId{std::string("x")});
  EXPECT_EQ(r.method, "textDocument/hover");
  EXPECT_TRUE(r.params.is_null());
}

TEST(Сообщение, WireForm) {
  EXPECT_EQ(сообщение_в_json(Message{успешный_ответ(RequestId{std::int64_t{3}}, nullptr)}),
            json::parse(R"({"jsonrpc":"2.0","id":3,"result":null})"));
  EXPECT_EQ(сообщение_в_json(Message{ответ_с_ошибкой(RequestId{std::string("a")}, -32002, "м")}),
            json::parse(R"({"jsonrpc":"2.0","id":"a","error":{"code":-32002,"message":"м"}})"));
  EXPECT_EQ(сообщение_в_json(Message{Notification{"n", nullptr}}), json::parse(R"({"jsonrpc":"2.0","method":"n"})"));
  EXPECT_EQ(сообщение_в_json(Message{Notification{"n", {{"a", 1}}}}),
            json::parse(R"({"jsonrpc":"2.0","method":"n","params":{"a":1}})"));
}

TEST(Сообщение, TextOfInvalidUtf8NeverThrows) {
  const json значение = {{"message", std::string("a\xff\xfe"
                                                 "b")}};
  std::string текст;
  ASSERT_NO_THROW(текст = json_в_текст(значение));
  EXPECT_EQ(текст,
            "{\"message\":\"a\xEF\xBF\xBD\xEF\xBF\xBD"
            "b\"}");
}

TEST(Сообщение, DebugRenderingStaysOnOneLine) {
  const Message сообщение{Notification{"a\"b\n", {{"text", "x\ny"}}}};
  const auto вид = отладочный_вид(сообщение);
  EXPECT_EQ(вид, R"(Notification(Notification { method: "a\"b\n", params: {"text":"x\ny"} }))");
  EXPECT_EQ(вид.find('\n'), std::string::npos);
  EXPECT_EQ(отладочная_строка(std::string("\x01\t\\", 3)), R"("\u{1}\t\\")");
  EXPECT_EQ(отладочный_вид(RequestId{std::int64_t{5}}), "RequestId(5)");
  EXPECT_EQ(отладочный_вид(RequestId{std::string("5")}), "RequestId(\"5\")");
}

template <class T>
std::string ошибка_чтения(const std::string& текст) {
  auto итог = из_json<T>(json::parse(текст));
  return итог ? std::string("ok") : итог.error().текст;
}

TEST(Протокол, DidOpenParams) {
  auto итог = из_json<DidOpenTextDocumentParams>(
      json::parse(R"({"textDocument":{"uri":"FILE:///tmp/%d0%b0 б.код","languageId":"x","version":3,"text":"т"}})"));
  ASSERT_TRUE(итог) << итог.error().текст;
  EXPECT_EQ(итог->textDocument.uri.href(), "file:///tmp/%d0%b0%20%D0%B1.%D0%BA%D0%BE%D0%B4");
  EXPECT_EQ(итог->textDocument.version, 3);
  EXPECT_EQ(итог->textDocument.text, "т");
}

TEST(Протокол, ConversionFailures) {
  using DO = DidOpenTextDocumentParams;
  const std::string док = R"("uri":"file:///a","languageId":"x","version":1)";
  const std::vector<std::pair<std::string, std::string>> случаи = {
      {ошибка_чтения<DO>("null"), "invalid type: null, expected an object"},
      {ошибка_чтения<DO>("[]"), "invalid type: an array, expected an object"},
      {ошибка_чтения<DO>("{}"), "missing field `textDocument`"},
      {ошибка_чтения<DO>(R"({"textDocument":{)" + док + "}}"), "missing field `text` at `textDocument`"},
      {ошибка_чтения<DO>(R"({"textDocument":{"uri":"a.код","languageId":"x","version":1,"text":""}})"),
       "invalid URL \"a.код\": "},
      {ошибка_чтения<DO>(R"({"textDocument":{"uri":5,"languageId":"x","version":1,"text":""}})"),
       "invalid type: an integer, expected a string at `textDocument.uri`"},
      {ошибка_чтения<DO>(R"({"textDocument":{)" + док.substr(0, док.size() - 1) + R"(2147483648,"text":""}})"),
       "invalid value: integer 2147483648, expected an i32 at `textDocument.version`"},
      {ошибка_чтения<DidChangeTextDocumentParams>(R"({"textDocument":{"uri":"file:///a","version":1}})"),
       "missing field `contentChanges`"},
      {ошибка_чтения<DidChangeTextDocumentParams>(
           R"({"textDocument":{"uri":"file:///a","version":1},"contentChanges":[{"text":"a"},{"range":1,"text":"b"}]})"),
       "invalid type: an integer, expected an object at `contentChanges[1].range`"},
      {ошибка_чтения<DidCloseTextDocumentParams>(R"({"textDocument":{}})"), "missing field `uri` at `textDocument`"},
      {ошибка_чтения<HoverParams>(R"({"textDocument":{"uri":"file:///a"},"position":{"line":-1,"character":0}})"),
       "invalid value: integer -1, expected a u32 at `position.line`"},
      {ошибка_чтения<HoverParams>(R"({"textDocument":{"uri":"file:///a"},"position":{"line":0,"character":1.0}})"),
       "invalid type: a floating-point number, expected a u32 at `position.character`"},
      {ошибка_чтения<CompletionParams>(R"({"textDocument":{"uri":"file:///a"}})"), "missing field `position`"},
      {ошибка_чтения<InitializeParams>("{}"), "missing field `capabilities`"},
      {ошибка_чтения<InitializeParams>(R"({"capabilities":[]})"),
       "invalid type: an array, expected an object at `capabilities`"},
      {ошибка_чтения<InitializeParams>(R"({"processId":"1","capabilities":{}})"),
       "invalid type: a string, expected an integer at `processId`"},
  };
  for (const auto& [получено, ожидалось] : случаи) {
    EXPECT_EQ(получено.rfind(ожидалось, 0), 0u) << получено;
  }
}

TEST(Протокол, AcceptedShapes) {
  EXPECT_EQ(ошибка_чтения<InitializeParams>(R"({"processId":null,"rootUri":null,"capabilities":{},"trace":"off"})"),
            "ok");
  EXPECT_EQ(ошибка_чтения<DidChangeTextDocumentParams>(
                R"({"textDocument":{"uri":"untitled:Untitled-1","version":2},"contentChanges":[]})"),
            "ok");
  EXPECT_EQ(
      ошибка_чтения<DidChangeTextDocumentParams>(
          R"({"textDocument":{"uri":"file:///a","version":2},"contentChanges":[{"range":{"start":{"line":0,"character":0},"end":{"line":0,"character":1}},"rangeLength":1,"text":"x"}]})"),
      "ok");
  EXPECT_EQ(
      ошибка_чтения<GotoDefinitionParams>(
          R"({"textDocument":{"uri":"file:///a"},"position":{"line":4294967295,"character":0},"workDoneToken":"t"})"),
      "ok");
}

TEST(Протокол, WrittenShapes) {
  EXPECT_EQ(
      возможности_сервера(),
      json::parse(R"({"textDocumentSync":1,"hoverProvider":true,"completionProvider":{},"definitionProvider":true})"));
  auto uri = url::parse("file:///a");
  ASSERT_TRUE(uri);
  const PublishDiagnosticsParams параметры{
      *uri, {Diagnostic{Range{{1, 2}, {1, 3}}, DiagnosticSeverity::Error, "Тувра", "м"}}, std::nullopt};
  EXPECT_EQ(json(параметры),
            json::parse(R"({"uri":"file:///a","diagnostics":[{"range":{"start":{"line":1,"character":2},
             "end":{"line":1,"character":3}},"severity":1,"source":"Тувра","message":"м"}]})"));
  EXPECT_EQ(json(Hover{MarkupContent{"markdown", "**x**"}}),
            json::parse(R"({"contents":{"kind":"markdown","value":"**x**"}})"));
  EXPECT_EQ(json(CompletionItem{"если", 14, "ключевое слово", std::nullopt}),
            json::parse(R"({"label":"если","kind":14,"detail":"ключевое слово"})"));
  EXPECT_EQ(
      json(Location{*uri, Range{{2, 0}, {2, 0}}}),
      json::parse(R"({"uri":"file:///a","range":{"start":{"line":2,"character":0},"end":{"line":2,"character":0}}})"));
}

}  // namespace
}  // namespace тувра::lsp
