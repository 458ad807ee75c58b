// The one error that ends a run of the server.
#pragma once

#include <string>
#include <variant>

#include "protocol.h"
#include "transport/connection.h"
#include "transport/framing.h"

namespace тувра::lsp {

struct ОшибкаСервера {
  std::variant<ProtocolError, ОшибкаJson, ОшибкаОтправки, ОшибкаВвода> значение;
};

// As the fatal line shows it, after "Error: ".
std::string отладочный_вид(const ОшибкаСервера& ошибка);

}  // namespace тувра::lsp
