// Running a deep computation on a thread of its own whose stack is large enough for it.
#pragma once

#include <cstddef>
#include <functional>

namespace тувра {

// The analysis recurses with the nesting of statements and expressions (up to the parser's
// limit) and stacks one whole body check per generic instantiation in progress (up to their
// limit); this stack holds the deepest such input with room to spare, also under sanitizers.
inline constexpr std::size_t размер_большого_стека = std::size_t(1) << 30;

// Calls работа on a thread with a stack of размер_большого_стека and waits for it. False, with
// работа not called, when no such thread can be made: the current thread's stack may be far
// too small for it.
[[nodiscard]] bool выполнить_на_большом_стеке(const std::function<void()>& работа);

}  // namespace тувра
