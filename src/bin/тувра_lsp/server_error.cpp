#include "server_error.h"

namespace тувра::lsp {

namespace {

struct Вид {
  std::string operator()(const ProtocolError& e) const { return "Protocol(" + отладочный_вид(e) + ")"; }
  std::string operator()(const ОшибкаJson& e) const { return "Json(" + отладочный_вид(e) + ")"; }
  std::string operator()(const ОшибкаОтправки&) const { return "Send(SendError { .. })"; }
  std::string operator()(const ОшибкаВвода& e) const { return "Io(" + отладочный_вид(e) + ")"; }
};

}  // namespace

std::string отладочный_вид(const ОшибкаСервера& ошибка) { return std::visit(Вид{}, ошибка.значение); }

}  // namespace тувра::lsp
