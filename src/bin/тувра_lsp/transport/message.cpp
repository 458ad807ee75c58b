#include "transport/message.h"

#include <cstdio>
#include <utility>

namespace тувра::lsp {

namespace {

using json = nlohmann::json;

std::optional<RequestId> прочитать_id(const json& значение) {
  if (значение.is_number_integer()) {
    // An unsigned value above the signed range is no id a client could mean.
    if (значение.is_number_unsigned() && значение.get<std::uint64_t>() > static_cast<std::uint64_t>(INT64_MAX)) {
      return std::nullopt;
    }
    return RequestId{значение.get<std::int64_t>()};
  }
  if (значение.is_string()) return RequestId{значение.get<std::string>()};
  return std::nullopt;
}

json id_в_json(const RequestId& id) {
  return std::visit([](const auto& v) { return json(v); }, id.значение);
}

// Member `ключ` moved out of the object, or null when it is absent.
json забрать(json& объект, const char* ключ) {
  auto найдено = объект.find(ключ);
  if (найдено == объект.end()) return json();
  return std::move(*найдено);
}

Итог<ResponseError, std::string> прочитать_ошибку_ответа(json&& значение) {
  if (!значение.is_object()) return Неудача{std::string("response error is not an object")};
  auto код = значение.find("code");
  auto текст = значение.find("message");
  if (код == значение.end() || !код->is_number_integer()) {
    return Неудача{std::string("response error without an integer code")};
  }
  if (текст == значение.end() || !текст->is_string()) {
    return Неудача{std::string("response error without a message")};
  }
  const auto число = код->get<std::int64_t>();
  if (число < INT32_MIN || число > INT32_MAX || (код->is_number_unsigned() && код->get<std::uint64_t>() > INT32_MAX)) {
    return Неудача{std::string("response error code out of range")};
  }
  ResponseError ошибка{static_cast<std::int32_t>(число), текст->get<std::string>(), std::nullopt};
  if (auto данные = значение.find("data"); данные != значение.end()) ошибка.data = std::move(*данные);
  return ошибка;
}

json ошибка_ответа_в_json(const ResponseError& ошибка) {
  json объект = {{"code", ошибка.code}, {"message", ошибка.message}};
  if (ошибка.data) объект["data"] = *ошибка.data;
  return объект;
}

struct ОтладочныйВид {
  std::string operator()(const Request& r) const {
    return "Request(Request { id: " + отладочный_вид(r.id) + ", method: " + отладочная_строка(r.method) +
           ", params: " + json_в_текст(r.params) + " })";
  }
  std::string operator()(const Response& r) const {
    std::string вид = "Response(Response { id: " + отладочный_вид(r.id) + ", result: ";
    вид += r.result ? "Some(" + json_в_текст(*r.result) + ")" : "None";
    вид += ", error: ";
    if (r.error) {
      вид += "Some(ResponseError { code: " + std::to_string(r.error->code) +
             ", message: " + отладочная_строка(r.error->message) +
             ", data: " + (r.error->data ? "Some(" + json_в_текст(*r.error->data) + ")" : std::string("None")) + " })";
    } else {
      вид += "None";
    }
    return вид + " })";
  }
  std::string operator()(const Notification& n) const {
    return "Notification(Notification { method: " + отладочная_строка(n.method) +
           ", params: " + json_в_текст(n.params) + " })";
  }
};

}  // namespace

Response успешный_ответ(RequestId id, nlohmann::json result) {
  return Response{std::move(id), std::move(result), std::nullopt};
}

Response ответ_с_ошибкой(RequestId id, std::int32_t code, std::string message) {
  return Response{std::move(id), std::nullopt, ResponseError{code, std::move(message), std::nullopt}};
}

Итог<Message, std::string> сообщение_из_json(nlohmann::json&& значение) {
  if (!значение.is_object()) return Неудача{std::string("message is not a JSON object")};
  auto поле_id = значение.find("id");
  auto поле_метода = значение.find("method");
  const bool есть_метод = поле_метода != значение.end() && поле_метода->is_string();
  std::optional<RequestId> id;
  if (поле_id != значение.end()) id = прочитать_id(*поле_id);

  if (id && есть_метод) {
    std::string метод = поле_метода->get<std::string>();
    return Message{Request{std::move(*id), std::move(метод), забрать(значение, "params")}};
  }
  if (id && поле_метода == значение.end()) {
    Response ответ{std::move(*id), std::nullopt, std::nullopt};
    if (auto результат = значение.find("result"); результат != значение.end()) ответ.result = std::move(*результат);
    if (auto ошибка = значение.find("error"); ошибка != значение.end() && !ошибка->is_null()) {
      auto прочитано = прочитать_ошибку_ответа(std::move(*ошибка));
      if (!прочитано) return Неудача{std::move(прочитано).error()};
      ответ.error = std::move(*прочитано);
    }
    return Message{std::move(ответ)};
  }
  if (есть_метод) {
    std::string метод = поле_метода->get<std::string>();
    return Message{Notification{std::move(метод), забрать(значение, "params")}};
  }
  return Неудача{std::string("not a JSON-RPC request, response or notification")};
}

nlohmann::json сообщение_в_json(const Message& сообщение) {
  json объект = {{"jsonrpc", "2.0"}};
  if (const auto* r = std::get_if<Request>(&сообщение)) {
    объект["id"] = id_в_json(r->id);
    объект["method"] = r->method;
    if (!r->params.is_null()) объект["params"] = r->params;
  } else if (const auto* o = std::get_if<Response>(&сообщение)) {
    объект["id"] = id_в_json(o->id);
    if (o->error) {
      объект["error"] = ошибка_ответа_в_json(*o->error);
    } else {
      объект["result"] = o->result.value_or(json());
    }
  } else {
    const auto& n = std::get<Notification>(сообщение);
    объект["method"] = n.method;
    if (!n.params.is_null()) объект["params"] = n.params;
  }
  return объект;
}

std::string json_в_текст(const nlohmann::json& значение) {
  return значение.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

std::string отладочный_вид(const RequestId& id) {
  if (const auto* число = std::get_if<std::int64_t>(&id.значение)) {
    return "RequestId(" + std::to_string(*число) + ")";
  }
  return "RequestId(" + отладочная_строка(std::get<std::string>(id.значение)) + ")";
}

std::string отладочный_вид(const Message& сообщение) { return std::visit(ОтладочныйВид{}, сообщение); }

std::string отладочная_строка(std::string_view текст) {
  std::string вид;
  вид.reserve(текст.size() + 2);
  вид += '"';
  for (const char знак : текст) {
    const auto байт = static_cast<unsigned char>(знак);
    switch (знак) {
      case '"': вид += "\\\""; break;
      case '\\': вид += "\\\\"; break;
      case '\n': вид += "\\n"; break;
      case '\r': вид += "\\r"; break;
      case '\t': вид += "\\t"; break;
      default:
        if (байт < 0x20 || байт == 0x7f) {
          char код[12];
          std::snprintf(код, sizeof код, "\\u{%x}", байт);
          вид += код;
        } else {
          вид += знак;
        }
    }
  }
  вид += '"';
  return вид;
}

bool это_выход(const Message& сообщение) {
  const auto* n = std::get_if<Notification>(&сообщение);
  return n != nullptr && n->method == "exit";
}

}  // namespace тувра::lsp
