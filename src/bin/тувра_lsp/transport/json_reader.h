// Incoming JSON: simdjson parses the body, the result becomes a nlohmann value.
#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

#include "support/expected.h"
#include "transport/framing.h"
#include "transport/message.h"

namespace тувра::lsp {

// Bytes past the end of a body that the parser may read; ЧтецКадров keeps them readable.
std::size_t запас_для_json();

// Keeps the parser's buffers from one message to the next.
class ЧтецJson {
 public:
  ЧтецJson();
  ~ЧтецJson();
  ЧтецJson(const ЧтецJson&) = delete;
  ЧтецJson& operator=(const ЧтецJson&) = delete;

  // `текст` must be followed by запас_для_json() readable bytes. Invalid UTF-8 is an error.
  Итог<nlohmann::json, std::string> разобрать(std::string_view текст);

 private:
  struct Состояние;
  std::unique_ptr<Состояние> состояние_;
};

// One message from the framed input, or nothing at a clean end. A body that is no JSON, or no
// JSON-RPC message, is an InvalidData error.
Итог<std::optional<Message>, ОшибкаВвода> прочитать_сообщение(ЧтецКадров& кадры, ЧтецJson& json);

}  // namespace тувра::lsp
