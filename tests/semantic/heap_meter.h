// The heap of the whole program, counted: linking this in replaces operator new and delete
// by counting ones, so that a test or a benchmark can bound the memory one call needs.
#pragma once

#include <cstddef>

namespace тувра::тест {

// From now on the peak is measured above the bytes live now.
void начать_замер_кучи();
// The most bytes that were live at once since начать_замер_кучи, above what was live then.
std::size_t пик_кучи();

}  // namespace тувра::тест
