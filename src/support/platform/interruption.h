// Interruptions from outside: SIGINT, SIGTERM and SIGHUP on POSIX systems; Ctrl-C, Ctrl-Break
// and the closing of the console on Windows. A caught one only marks the process: the waits of
// process.h and folder_lock.h end at once (a child and everything it started are ended), and the
// program stops at its next safe point, so that no file is left half-written.
#pragma once

namespace тувра::платформа {

// From here on those interruptions are caught instead of ending the process; one the process was
// started with orders to ignore (nohup, say) stays ignored.
void ловить_прерывания();

// Whether one came since ловить_прерывания.
bool прервано();

// The exit status of a program that stopped for it: 128 and the signal's number on POSIX
// systems (130 for SIGINT), STATUS_CONTROL_C_EXIT on Windows.
int код_прерывания();

}  // namespace тувра::платформа
