// The command line a child process gets on Windows, where the arguments travel as one text.
#pragma once

#include <string>
#include <vector>

namespace тувра::платформа::windows {

// The program (a full path, which holds no quote) and the arguments, each of which
// CommandLineToArgvW and the C runtime read back exactly as given.
std::wstring командная_строка(const std::wstring& программа, const std::vector<std::string>& аргументы);

}  // namespace тувра::платформа::windows
