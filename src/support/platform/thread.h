// Threads whose stack size the caller chooses (the standard library cannot set one).
#pragma once

#include <cstddef>
#include <functional>

namespace тувра::платформа {

// Runs работа on a new thread with a stack of at least размер_стека bytes and waits for it.
// False, with работа not called, when no such thread can be made.
bool выполнить_в_потоке(std::size_t размер_стека, const std::function<void()>& работа);

}  // namespace тувра::платформа
