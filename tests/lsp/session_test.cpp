// The built server over pipes: every way a run ends, the handshake, and the document map as
// the client sees it through published diagnostics.
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "server_process.h"

namespace тувра::lsp::проверка {
namespace {

using json = nlohmann::json;
using ::testing::HasSubstr;
using ::testing::StartsWith;

std::string к(const json& сообщение) { return кадр_json(сообщение); }

json запрос(json id, const std::string& метод, json параметры = nullptr) {
  json r = {{"jsonrpc", "2.0"}, {"id", std::move(id)}, {"method", метод}};
  if (!параметры.is_null()) r["params"] = std::move(параметры);
  return r;
}

json уведомление(const std::string& метод, json параметры = nullptr) {
  json n = {{"jsonrpc", "2.0"}, {"method", метод}};
  if (!параметры.is_null()) n["params"] = std::move(параметры);
  return n;
}

const std::string начало = к(запрос(1, "initialize", {{"processId", nullptr}, {"capabilities", json::object()}})) +
                           к(уведомление("initialized", json::object()));
const std::string выход = к(запрос(99, "shutdown")) + к(уведомление("exit"));

json открыть(const std::string& uri, const std::string& текст) {
  return уведомление("textDocument/didOpen",
                     {{"textDocument", {{"uri", uri}, {"languageId", "tuvra"}, {"version", 1}, {"text", текст}}}});
}

json изменить(const std::string& uri, const std::vector<std::string>& тексты) {
  json изменения = json::array();
  for (const auto& т : тексты) изменения.push_back({{"text", т}});
  return уведомление("textDocument/didChange",
                     {{"textDocument", {{"uri", uri}, {"version", 2}}}, {"contentChanges", изменения}});
}

json закрыть(const std::string& uri) {
  return уведомление("textDocument/didClose", {{"textDocument", {{"uri", uri}}}});
}

json диапазон(unsigned строка, unsigned знак) {
  return {{"start", {{"line", строка}, {"character", знак}}}, {"end", {{"line", строка}, {"character", знак + 1}}}};
}

// The published notifications, in order.
std::vector<json> публикации(const ИтогСеанса& итог) {
  std::vector<json> список;
  for (const auto& с : итог.сообщения) {
    if (с.value("method", "") == "textDocument/publishDiagnostics") список.push_back(с["params"]);
  }
  return список;
}

const std::string ошибка_лексера = "функция а()\n  @\nконец\n";
const std::string верный_текст = "функция а()\nконец\n";

std::string строка_протокола(const std::string& текст, bool отключено) {
  return "Error: Protocol(ProtocolError { message: \"" + текст + "\", disconnected: " + (отключено ? "true" : "false") +
         " })\n";
}

// --- ends of the run ---

TEST(КонецСеанса, CleanEnds) {
  const std::vector<std::pair<const char*, std::string>> случаи = {
      {"shutdown then exit", начало + выход},
      {"exit without shutdown", начало + к(уведомление("exit"))},
      {"input ends between messages", начало},
      {"nothing after exit is read", начало + к(уведомление("exit")) + "мусор без заголовка"},
  };
  for (const auto& [название, ввод] : случаи) {
    SCOPED_TRACE(название);
    const auto итог = выполнить_сеанс(ввод);
    EXPECT_EQ(итог.код, 0);
    EXPECT_EQ(итог.ошибки, "");
    EXPECT_EQ(итог.остаток, "");
  }
}

TEST(КонецСеанса, ShutdownIsAnsweredWithNull) {
  const auto итог = выполнить_сеанс(начало + выход);
  ASSERT_EQ(итог.сообщения.size(), 2u);
  EXPECT_EQ(итог.сообщения[1], json::parse(R"({"jsonrpc":"2.0","id":99,"result":null})"));
}

TEST(КонецСеанса, ReadErrorsEndWithExitCodeOne) {
  struct Случай {
    const char* название;
    std::string ввод;
    std::string строка;
  };
  const std::string тело_выхода = R"({"jsonrpc":"2.0","method":"exit"})";
  const std::vector<Случай> случаи = {
      {"input ends inside a body", начало + "Content-Length: 50\r\n\r\n{\"jsonrpc\"",
       "Error: Io(Custom { kind: UnexpectedEof, error: \"input ended inside a message body\" })\n"},
      {"malformed header", начало + "Content-Length 5\r\n\r\n",
       "Error: Io(Custom { kind: InvalidData, error: \"malformed header: \\\"Content-Length 5\\\"\" })\n"},
      {"no Content-Length", начало + "Content-Type: x\r\n\r\n" + тело_выхода,
       "Error: Io(Custom { kind: InvalidData, error: \"no Content-Length\" })\n"},
      {"body is no JSON", начало + "Content-Length: 3\r\n\r\n{x}",
       "Error: Io(Custom { kind: InvalidData, error: \"malformed message body: "},
      {"body is invalid UTF-8", начало + "Content-Length: 16\r\n\r\n{\"method\":\"\xff\"}  ",
       "Error: Io(Custom { kind: InvalidData, error: \"malformed message body: "},
      {"body is no JSON-RPC message", начало + к(json::array({1, 2})),
       "Error: Io(Custom { kind: InvalidData, error: \"malformed message body: message is not a JSON object\" })\n"},
  };
  for (const auto& с : случаи) {
    SCOPED_TRACE(с.название);
    const auto итог = выполнить_сеанс(с.ввод);
    EXPECT_EQ(итог.код, 1);
    EXPECT_THAT(итог.ошибки, StartsWith(с.строка));
    EXPECT_EQ(std::count(итог.ошибки.begin(), итог.ошибки.end(), '\n'), 1);
  }
}

TEST(КонецСеанса, MessagesBeforeAReadErrorAreStillHandled) {
  const auto итог = выполнить_сеанс(начало + к(открыть("file:///a.код", ошибка_лексера)) + "Content-Length: x\r\n\r\n");
  EXPECT_EQ(итог.код, 1);
  EXPECT_EQ(публикации(итог).size(), 1u);
}

TEST(КонецСеанса, ShutdownFailures) {
  struct Случай {
    const char* название;
    std::string ввод;
    std::string строка;
  };
  const std::vector<Случай> случаи = {
      {"a request after shutdown", начало + к(запрос(2, "shutdown")) + к(запрос(3, "textDocument/hover")),
       "Error: Protocol(ProtocolError { message: \"unexpected message during shutdown: Request(Request { id: "
       "RequestId(3), method: \\\"textDocument/hover\\\", params: null })\", disconnected: false })\n"},
      {"the input ends after shutdown", начало + к(запрос(2, "shutdown")),
       строка_протокола("channel disconnected waiting for exit notification", true)},
  };
  for (const auto& с : случаи) {
    SCOPED_TRACE(с.название);
    const auto итог = выполнить_сеанс(с.ввод);
    EXPECT_EQ(итог.код, 1);
    EXPECT_EQ(итог.ошибки, с.строка);
    ASSERT_FALSE(итог.сообщения.empty());
    EXPECT_EQ(итог.сообщения.back(), json::parse(R"({"jsonrpc":"2.0","id":2,"result":null})"));
  }
}

// Waits the full 30 seconds the shutdown check allows.
TEST(КонецСеанса, SilenceAfterShutdownTimesOut) {
  ПроцессСервера сервер;
  ASSERT_TRUE(сервер.записать(начало + к(запрос(2, "shutdown"))));
  EXPECT_EQ(сервер.дождаться(std::chrono::seconds(50)), 1);
  EXPECT_EQ(сервер.ошибки(), строка_протокола("timed out waiting for exit notification", false));
}

TEST(КонецСеанса, WriteErrors) {
  // Standard output closed: the writer thread fails on its first message.
  const std::string папка = std::getenv("TUVRA_BUILD_DIR") != nullptr ? std::getenv("TUVRA_BUILD_DIR") : ".";
  struct Случай {
    const char* название;
    std::string ввод;
    std::string строка;
  };
  const std::vector<Случай> случаи = {
      {"reported when the writer is waited for", начало + выход,
       "Error: Io(Custom { kind: Other, error: \"write to standard output: Bad file descriptor\" })\n"},
      {"a later send fails", начало + к(открыть("file:///a.код", верный_текст)) + выход,
       "Error: Send(SendError { .. })\n"},
  };
  for (const auto& с : случаи) {
    SCOPED_TRACE(с.название);
    const std::string вход = папка + "/lsp_write_error_input", ошибки = папка + "/lsp_write_error_stderr";
    std::ofstream(вход, std::ios::binary) << с.ввод;
    std::string команда;
    for (const auto& часть : команда_сервера()) команда += "'" + часть + "' ";
    команда += "< '" + вход + "' >&- 2> '" + ошибки + "'";
    const int статус = std::system(команда.c_str());
    EXPECT_EQ(WEXITSTATUS(статус), 1);
    std::ifstream файл(ошибки);
    const std::string текст((std::istreambuf_iterator<char>(файл)), std::istreambuf_iterator<char>());
    EXPECT_EQ(текст, с.строка);
  }
}

// --- handshake ---

TEST(Рукопожатие, InitializeAnswerHasExactlyTheFourCapabilities) {
  const auto итог = выполнить_сеанс(начало + выход);
  ASSERT_FALSE(итог.сообщения.empty());
  EXPECT_EQ(итог.сообщения[0], json::parse(R"({"jsonrpc":"2.0","id":1,"result":{"capabilities":{
      "textDocumentSync":1,"hoverProvider":true,"completionProvider":{},"definitionProvider":true}}})"));
}

TEST(Рукопожатие, RequestsBeforeInitializeGetMinus32002AndTheServerWaitsOn) {
  const auto итог =
      выполнить_сеанс(к(запрос("h", "textDocument/hover", {{"x", 1}})) + к(открыть("file:///a.код", ошибка_лексера)) +
                      к(уведомление("$/other")) + начало + выход);
  EXPECT_EQ(итог.код, 0);
  ASSERT_EQ(итог.сообщения.size(), 3u);
  EXPECT_EQ(итог.сообщения[0]["id"], "h");
  EXPECT_EQ(итог.сообщения[0]["error"]["code"], -32002);
  EXPECT_EQ(итог.сообщения[0]["error"]["message"],
            "expected initialize request, got Request(Request { id: RequestId(\"h\"), method: "
            "\"textDocument/hover\", params: {\"x\":1} })");
  // The notifications before initialize were dropped, so nothing was published.
  EXPECT_TRUE(публикации(итог).empty());
}

TEST(Рукопожатие, Failures) {
  struct Случай {
    const char* название;
    std::string ввод;
    std::string начало_строки;
    std::size_t ответов;
  };
  const std::string инициализация = к(запрос(1, "initialize", {{"capabilities", json::object()}}));
  const std::vector<Случай> случаи = {
      {"no input at all", "", строка_протокола("disconnected channel", true), 0},
      {"input ends before initialize", к(уведомление("initialized")), строка_протокола("disconnected channel", true),
       0},
      {"input ends before initialized", инициализация, строка_протокола("disconnected channel", true), 1},
      {"exit before initialize", к(уведомление("exit")),
       "Error: Protocol(ProtocolError { message: \"expected initialize request, got Notification(Notification { "
       "method: \\\"exit\\\", params: null })\", disconnected: false })\n",
       0},
      {"a response before initialize", к(json{{"id", 5}, {"result", 1}}),
       "Error: Protocol(ProtocolError { message: \"expected initialize request, got Response(Response { id: "
       "RequestId(5), result: Some(1), error: None })\", disconnected: false })\n",
       0},
      {"a request between the answer and initialized", инициализация + к(запрос(2, "textDocument/hover")),
       "Error: Protocol(ProtocolError { message: \"expected initialized notification, got: Request(Request { id: "
       "RequestId(2), method: \\\"textDocument/hover\\\", params: null })\", disconnected: false })\n",
       1},
      {"another notification instead of initialized", инициализация + к(уведомление("exit")),
       "Error: Protocol(ProtocolError { message: \"expected initialized notification, got: Notification(", 1},
      {"initialize params are not an object", к(запрос(1, "initialize")) + к(уведомление("initialized")),
       "Error: Json(Error(\"invalid type: null, expected an object\"))\n", 1},
      {"initialize params without capabilities",
       к(запрос(1, "initialize", json::object())) + к(уведомление("initialized")),
       "Error: Json(Error(\"missing field `capabilities`\"))\n", 1},
  };
  for (const auto& с : случаи) {
    SCOPED_TRACE(с.название);
    const auto итог = выполнить_сеанс(с.ввод);
    EXPECT_EQ(итог.код, 1);
    EXPECT_THAT(итог.ошибки, StartsWith(с.начало_строки));
    EXPECT_EQ(итог.сообщения.size(), с.ответов);
  }
}

TEST(Рукопожатие, SecondInitializeIsAnOrdinaryRequest) {
  const auto итог = выполнить_сеанс(начало + к(запрос(2, "initialize", {{"capabilities", json::object()}})) +
                                    к(запрос(3, "workspace/symbol", {{"query", ""}})) + выход);
  EXPECT_EQ(итог.код, 0);
  ASSERT_EQ(итог.сообщения.size(), 4u);
  EXPECT_EQ(итог.сообщения[1], json::parse(R"({"jsonrpc":"2.0","id":2,"result":null})"));
  EXPECT_EQ(итог.сообщения[2], json::parse(R"({"jsonrpc":"2.0","id":3,"result":null})"));
}

// --- documents ---

TEST(Документы, DiagnosticOfALexError) {
  const auto итог = выполнить_сеанс(начало + к(открыть("file:///tmp/Папка/пример.код", ошибка_лексера)) + выход);
  EXPECT_EQ(итог.код, 0);
  const auto список = публикации(итог);
  ASSERT_EQ(список.size(), 1u);
  // No version member; the URI in its normalised form.
  EXPECT_EQ(
      список[0],
      json({{"uri",
             "file:///tmp/%D0%9F%D0%B0%D0%BF%D0%BA%D0%B0/%D0%BF%D1%80%D0%B8%D0%BC%D0%B5%D1%80.%D0%BA%D0%BE%D0%B4"},
            {"diagnostics",
             {{{"range", диапазон(1, 2)},
               {"severity", 1},
               {"source", "Тувра"},
               {"message", "неожиданный символ: '@'"}}}}}));
}

TEST(Документы, ColumnsCountUnicodeCharacters) {
  // The emoji is two UTF-16 units but one character.
  const auto итог = выполнить_сеанс(начало + к(открыть("file:///a.код", "// 😀ж\nтекст т = \"😀\" @")) + выход);
  const auto список = публикации(итог);
  ASSERT_EQ(список.size(), 1u);
  EXPECT_EQ(список[0]["diagnostics"][0]["range"], диапазон(1, 14));
}

TEST(Документы, ParseErrorMessageUnchanged) {
  const auto итог = выполнить_сеанс(начало + к(открыть("file:///a.код", "функция а() конец функция б( конец")) + выход);
  const auto список = публикации(итог);
  ASSERT_EQ(список.size(), 1u);
  EXPECT_EQ(список[0]["diagnostics"][0]["message"], "ожидался тип, встретилось «конец»");
  EXPECT_EQ(список[0]["diagnostics"][0]["range"], диапазон(0, 29));
}

TEST(Документы, ChangesOpenCloseAndReplacement) {
  const std::string uri = "file:///a.код";
  const std::string а = "file:///a.%D0%BA%D0%BE%D0%B4";
  const auto итог =
      выполнить_сеанс(начало + к(открыть(uri, верный_текст)) +
                      к(изменить(uri, {ошибка_лексера, верный_текст})) +  // only the last change counts
                      к(изменить(uri, {верный_текст, ошибка_лексера})) + к(изменить(uri, {})) +  // publishes nothing
                      к(открыть(uri, верный_текст)) +  // replaces and checks again
                      к(изменить("file:///never-opened.код", {ошибка_лексера})) + к(закрыть(uri)) +
                      к(закрыть("file:///never-opened-either.код")) + выход);
  EXPECT_EQ(итог.код, 0);
  const auto список = публикации(итог);
  ASSERT_EQ(список.size(), 7u);
  const std::vector<std::pair<std::string, std::size_t>> ожидалось = {
      {а, 0},
      {а, 0},
      {а, 1},
      {а, 0},
      {"file:///never-opened.%D0%BA%D0%BE%D0%B4", 1},
      {а, 0},
      {"file:///never-opened-either.%D0%BA%D0%BE%D0%B4", 0}};
  for (std::size_t i = 0; i < ожидалось.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(список[i]["uri"], ожидалось[i].first);
    EXPECT_EQ(список[i]["diagnostics"].size(), ожидалось[i].second);
    EXPECT_FALSE(список[i].contains("version"));
  }
}

TEST(Документы, OtherNotificationsAndClientResponsesProduceNothing) {
  const auto итог = выполнить_сеанс(начало + к(уведомление("$/cancelRequest", {{"id", 1}})) +
                                    к(уведомление("workspace/didChangeConfiguration", {{"settings", {}}})) +
                                    к(json{{"jsonrpc", "2.0"}, {"id", 7}, {"result", nullptr}}) +
                                    к(json{{"jsonrpc", "2.0"}, {"id", 8}, {"error", {{"code", 1}, {"message", "m"}}}}) +
                                    к(уведомление("initialized")) + выход);
  EXPECT_EQ(итог.код, 0);
  EXPECT_EQ(итог.сообщения.size(), 2u);  // the initialize and shutdown answers only
}

TEST(Документы, ParamsThatDoNotConvertEndTheRun) {
  struct Случай {
    const char* название;
    json сообщение;
    std::string строка;
  };
  const std::vector<Случай> случаи = {
      {"didOpen without textDocument", уведомление("textDocument/didOpen", json::object()),
       "Error: Json(Error(\"missing field `textDocument`\"))\n"},
      {"didOpen with a relative uri", открыть("a.код", ""), "Error: Json(Error(\"invalid URL \\\"a.код\\\": "},
      {"didChange without params", уведомление("textDocument/didChange"),
       "Error: Json(Error(\"invalid type: null, expected an object\"))\n"},
      {"didClose with a numeric uri", уведомление("textDocument/didClose", {{"textDocument", {{"uri", 1}}}}),
       "Error: Json(Error(\"invalid type: an integer, expected a string at `textDocument.uri`\"))\n"},
  };
  for (const auto& с : случаи) {
    SCOPED_TRACE(с.название);
    const auto итог = выполнить_сеанс(начало + к(с.сообщение) + выход);
    EXPECT_EQ(итог.код, 1);
    EXPECT_THAT(итог.ошибки, StartsWith(с.строка));
    EXPECT_EQ(итог.сообщения.size(), 1u);
  }
}

TEST(Документы, TenMegabyteDocumentIsChecked) {
  std::string текст;
  const std::string строка = "функция ф() целое х = 1 + 2 * 3; конец // комментарий ёжик\n";
  while (текст.size() < 10'000'000) текст += строка;
  const std::size_t строк = текст.size() / строка.size();
  текст += "@";
  const auto итог = выполнить_сеанс(начало + к(открыть("file:///big.код", текст)) + выход);
  EXPECT_EQ(итог.код, 0);
  EXPECT_EQ(итог.ошибки, "");
  const auto список = публикации(итог);
  ASSERT_EQ(список.size(), 1u);
  EXPECT_EQ(список[0]["diagnostics"][0]["range"], диапазон(static_cast<unsigned>(строк), 0));
}

TEST(Документы, InvalidUtf8InsideAStringNeverCrashesTheWriter) {
  // JSON escapes cannot carry invalid UTF-8, but a lone surrogate escape decodes to none.
  const std::string тело = R"({"jsonrpc":"2.0","method":"textDocument/didOpen","params":{"textDocument":)"
                           R"({"uri":"file:///a.код","languageId":"x","version":1,"text":"\ud800 @"}}})";
  const auto итог =
      выполнить_сеанс(начало + "Content-Length: " + std::to_string(тело.size()) + "\r\n\r\n" + тело + выход);
  // Either the body is rejected as a read error or the document is checked; never a crash.
  EXPECT_TRUE(итог.код == 0 || итог.код == 1) << итог.код;
  EXPECT_EQ(std::count(итог.ошибки.begin(), итог.ошибки.end(), '\n'), итог.код);
}

TEST(Документы, HeadersAsRealClientsSendThem) {
  const std::string тело = json(уведомление("initialized")).dump();
  const auto итог = выполнить_сеанс(к(запрос(1, "initialize", {{"capabilities", json::object()}})) +
                                    "content-length: " + std::to_string(тело.size()) +
                                    "\r\nContent-Type: application/vscode-jsonrpc; charset=utf-8\r\n\r\n" + тело +
                                    к(открыть("file:///a.код", ошибка_лексера)) + выход);
  EXPECT_EQ(итог.код, 0);
  EXPECT_EQ(публикации(итог).size(), 1u);
}

}  // namespace
}  // namespace тувра::lsp::проверка
