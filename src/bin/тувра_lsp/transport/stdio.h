// The process's standard input and output as the transport's byte source and sink.
#pragma once

#include <memory>

#include "transport/framing.h"

namespace тувра::lsp {

// Reads whatever has arrived, without waiting for a full buffer.
std::unique_ptr<Источник> стандартный_ввод();
std::unique_ptr<Приёмник> стандартный_вывод();

// Binary mode on both streams and no signal on writing to a closed pipe: a vanished client is
// a write error, not the end of the process.
void подготовить_стандартные_потоки();

}  // namespace тувра::lsp
