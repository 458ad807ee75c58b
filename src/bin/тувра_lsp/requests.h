// Requests after the handshake, "shutdown" aside.
#pragma once

#include "documents.h"
#include "server_error.h"
#include "support/expected.h"
#include "transport/connection.h"
#include "transport/message.h"

namespace тувра::lsp {

// Sends exactly one response to the request. Fails when its params do not convert, its result
// cannot become JSON, or the response cannot be sent.
Итог<Пусто, ОшибкаСервера> обработать_запрос(Соединение& соединение, const Документы& документы, const Request& запрос);

}  // namespace тувра::lsp
