#include "transport/json_reader.h"

#include <simdjson.h>

namespace тувра::lsp {

namespace {

using json = nlohmann::json;

// simdjson limits the depth (1024 by default), which bounds this recursion.
json в_nlohmann(simdjson::dom::element элемент) {
  switch (элемент.type()) {
    case simdjson::dom::element_type::OBJECT: {
      json объект = json::object();
      for (auto [ключ, значение] : simdjson::dom::object(элемент)) {
        объект[std::string(ключ)] = в_nlohmann(значение);
      }
      return объект;
    }
    case simdjson::dom::element_type::ARRAY: {
      json массив = json::array();
      for (simdjson::dom::element значение : simdjson::dom::array(элемент)) {
        массив.push_back(в_nlohmann(значение));
      }
      return массив;
    }
    case simdjson::dom::element_type::STRING: return json(std::string(std::string_view(элемент)));
    case simdjson::dom::element_type::INT64: return json(std::int64_t(элемент));
    case simdjson::dom::element_type::UINT64: return json(std::uint64_t(элемент));
    case simdjson::dom::element_type::DOUBLE: return json(double(элемент));
    case simdjson::dom::element_type::BOOL: return json(bool(элемент));
    case simdjson::dom::element_type::NULL_VALUE: break;
  }
  return json();
}

}  // namespace

constexpr std::size_t наибольший_запас = std::size_t{1} << 20;

struct ЧтецJson::Состояние {
  simdjson::dom::parser парсер;
};

std::size_t запас_для_json() { return simdjson::SIMDJSON_PADDING; }

ЧтецJson::ЧтецJson() : состояние_(std::make_unique<Состояние>()) {}
ЧтецJson::~ЧтецJson() = default;

Итог<nlohmann::json, std::string> ЧтецJson::разобрать(std::string_view текст) {
  simdjson::dom::element корень;
  const auto ошибка = состояние_->парсер.parse(текст.data(), текст.size(), false).get(корень);
  if (ошибка != simdjson::SUCCESS) return Неудача{std::string(simdjson::error_message(ошибка))};
  json значение = в_nlohmann(корень);
  // The parser keeps a copy of every string of the largest message it read; a document's
  // text is in the map already, so a big message's buffers go at once.
  if (состояние_->парсер.capacity() > наибольший_запас) состояние_->парсер = simdjson::dom::parser();
  return значение;
}

Итог<std::optional<Message>, ОшибкаВвода> прочитать_сообщение(ЧтецКадров& кадры, ЧтецJson& json) {
  auto тело = кадры.следующий();
  if (!тело) return Неудача{std::move(тело).error()};
  if (!*тело) return std::optional<Message>{};
  auto значение = json.разобрать(**тело);
  if (!значение) {
    return Неудача{ОшибкаВвода{ОшибкаВвода::Вид::InvalidData, "malformed message body: " + значение.error()}};
  }
  auto сообщение = сообщение_из_json(std::move(*значение));
  if (!сообщение) {
    return Неудача{ОшибкаВвода{ОшибкаВвода::Вид::InvalidData, "malformed message body: " + сообщение.error()}};
  }
  return std::optional<Message>{std::move(*сообщение)};
}

}  // namespace тувра::lsp
