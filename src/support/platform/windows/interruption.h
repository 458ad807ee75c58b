// The Windows side of interruption.h for the other Windows files of the platform layer.
#pragma once

#include <windows.h>

namespace тувра::платформа::windows {

// An event that is set once an interruption has come and stays so; null before
// ловить_прерывания.
HANDLE событие_прерывания();

}  // namespace тувра::платформа::windows
