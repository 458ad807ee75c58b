// UTF-8 text helpers of the package manager: validation, lossy decoding,
// Unicode white space (the White_Space property) for trimming and splitting.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace тувра::пакеты {

bool это_utf8(std::string_view байты);

// Each maximal invalid subsequence becomes one U+FFFD, as most decoders do.
std::string декодировать_с_заменой(std::string_view байты);

// Removes White_Space characters at both ends; invalid bytes count as text.
std::string_view обрезать_пробелы(std::string_view текст);

// Words between runs of White_Space characters; empty words are dropped.
std::vector<std::string_view> разбить_на_слова(std::string_view текст);

// Lines split at "\n", a "\r" right before it dropped; no empty line after a final "\n".
std::vector<std::string_view> разбить_на_строки(std::string_view текст);

// Length in bytes of the control character (U+0000–U+001F, U+007F, U+0080–U+009F) at byte i, or 0.
std::size_t управляющий_символ(std::string_view текст, std::size_t i);

// Text from other people's files as it may reach a terminal: every control character but the
// line feed (U+0000–U+001F, U+007F, U+0080–U+009F) becomes U+FFFD, so that none can move the
// cursor, retitle the window or clear the screen.
std::string для_терминала(std::string_view текст);

bool начинается_с(std::string_view текст, std::string_view начало);

}  // namespace тувра::пакеты
