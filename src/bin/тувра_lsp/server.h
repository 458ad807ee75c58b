// The server's whole run: handshake, message loop over the open documents, end of the run.
#pragma once

#include "documents.h"
#include "server_error.h"
#include "support/expected.h"
#include "transport/connection.h"
#include "transport/message.h"

namespace тувра::lsp {

// Over the standard input and output.
Итог<Пусто, ОшибкаСервера> запустить_сервер();

// Over a connection that was just opened; ends it on success.
Итог<Пусто, ОшибкаСервера> запустить_сервер(Соединение& соединение);

// The four capabilities, as sent in the initialize answer.
nlohmann::json возможности_сервера();

// What the loop does with one message after the handshake: true when the run should end.
Итог<bool, ОшибкаСервера> обработать_сообщение(Соединение& соединение, Документы& документы, Message сообщение);

}  // namespace тувра::lsp
