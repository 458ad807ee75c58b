// Any bytes as the server's standard input: framing, JSON, message conversion, the handshake
// and the loop's handling of each message, with the output checked to be well-formed frames.
// An odd first byte puts a finished handshake in front, so the mutations reach the loop.
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

#include "memory_stream.h"
#include "server.h"

namespace {

using namespace тувра::lsp;

// Every write must be one whole frame whose body is valid JSON.
class ПроверкаВывода final : public Приёмник {
 public:
  тувра::Итог<тувра::Пусто, ОшибкаВвода> записать(std::string_view байты) override {
    const auto конец = байты.find("\r\n\r\n");
    if (конец == std::string_view::npos || !байты.starts_with("Content-Length: ")) std::abort();
    const auto длина = std::stoul(std::string(байты.substr(16, конец - 16)));
    const auto тело = байты.substr(конец + 4);
    if (тело.size() != длина || !nlohmann::json::accept(тело)) std::abort();
    return тувра::Пусто{};
  }
};

std::string начало_сеанса() {
  const std::string инициализация = R"({"jsonrpc":"2.0","id":1,"method":"initialize","params":{"capabilities":{}}})";
  const std::string готов = R"({"jsonrpc":"2.0","method":"initialized","params":{}})";
  return кадр(инициализация) + кадр(готов);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string ввод;
  if (size > 0 && (data[0] & 1) != 0) ввод = начало_сеанса();
  if (size > 0) ввод.append(reinterpret_cast<const char*>(data) + 1, size - 1);
  Соединение соединение(std::make_unique<проверка::ИсточникВПамяти>(std::move(ввод), 4096),
                        std::make_unique<ПроверкаВывода>(), false);
  (void)запустить_сервер(соединение);
  return 0;
}
