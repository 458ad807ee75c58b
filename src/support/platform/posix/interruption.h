// The POSIX side of interruption.h for the other POSIX files of the platform layer.
#pragma once

namespace тувра::платформа::posix {

// A descriptor that becomes readable once an interruption has come and stays so; -1 before
// ловить_прерывания.
int сигнал_прерывания();

}  // namespace тувра::платформа::posix
