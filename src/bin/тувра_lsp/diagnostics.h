// The check of one document after it was opened or changed, and the diagnostics it publishes.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "protocol.h"
#include "server_error.h"
#include "support/expected.h"
#include "transport/connection.h"
#include "url/url.h"

namespace тувра::lsp {

// One error diagnostic over the character at `строка`, `столбец` (both from 1).
Diagnostic создать_диагностику(std::size_t строка, std::size_t столбец, std::string сообщение);

// The first error of lexing, parsing and analysis of the text, or nothing.
std::vector<Diagnostic> диагностика_текста(std::string_view текст);

// Sends "textDocument/publishDiagnostics" for the URI, without a version.
Итог<Пусто, ОшибкаСервера> опубликовать_диагностику(Соединение& соединение, const url::Url& uri,
                                                    std::vector<Diagnostic> диагностика);

// Checks the text and publishes the result; only the publication can fail.
Итог<Пусто, ОшибкаСервера> проверить_документ(Соединение& соединение, const url::Url& uri, std::string_view текст);

}  // namespace тувра::lsp
