// JSON-RPC messages as the transport hands them over: a request, a response or a notification.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include <nlohmann/json.hpp>

#include "support/expected.h"

namespace тувра::lsp {

// A request's id: a number or a text, echoed unchanged in its response.
struct RequestId {
  std::variant<std::int64_t, std::string> значение;

  bool operator==(const RequestId&) const = default;
};

struct Request {
  RequestId id;
  std::string method;
  nlohmann::json params;  // null when the message had none
};

struct ResponseError {
  std::int32_t code = 0;
  std::string message;
  std::optional<nlohmann::json> data;
};

namespace коды_ошибок {
inline constexpr std::int32_t ServerNotInitialized = -32002;
}

struct Response {
  RequestId id;
  std::optional<nlohmann::json> result;  // a null result is present and null
  std::optional<ResponseError> error;
};

struct Notification {
  std::string method;
  nlohmann::json params;  // null when the message had none
};

using Message = std::variant<Request, Response, Notification>;

Response успешный_ответ(RequestId id, nlohmann::json result);
Response ответ_с_ошибкой(RequestId id, std::int32_t code, std::string message);

// A JSON-RPC object read the way the protocol's peers write them: with "id" and "method" a
// request, with "id" alone a response, with "method" alone a notification; "jsonrpc" and
// unknown members are not looked at. Takes the value apart to keep large texts from being copied.
Итог<Message, std::string> сообщение_из_json(nlohmann::json&& значение);

// The wire form, "jsonrpc": "2.0" included; null params are left out.
nlohmann::json сообщение_в_json(const Message& сообщение);

// JSON text that never throws: invalid UTF-8 in a text becomes U+FFFD.
std::string json_в_текст(const nlohmann::json& значение);

// Debug renderings, one line each, as they appear in protocol errors and the fatal line.
std::string отладочный_вид(const RequestId& id);
std::string отладочный_вид(const Message& сообщение);
// A text in double quotes with \", \\, \n, \r, \t and \u{..} escapes.
std::string отладочная_строка(std::string_view текст);

bool это_выход(const Message& сообщение);

}  // namespace тувра::lsp
