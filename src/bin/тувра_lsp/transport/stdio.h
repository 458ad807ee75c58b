// The process's standard input and output as the transport's byte source and sink.
#pragma once

#include <memory>

#include "transport/framing.h"

namespace тувра::lsp {

// Reads whatever has arrived, without waiting for a full buffer.
std::unique_ptr<Источник> стандартный_ввод();
std::unique_ptr<Приёмник> стандартный_вывод();

}  // namespace тувра::lsp
