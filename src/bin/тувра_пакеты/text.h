// UTF-8 text helpers of the package manager: validation, lossy decoding,
// Unicode white space (the White_Space property) for trimming and splitting.
#pragma once

#include <optional>
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

// The same words one at a time: the next word from `начало`, which moves past it; none at the end.
std::optional<std::string_view> следующее_слово(std::string_view текст, std::size_t& начало);

// Lines split at "\n", a "\r" right before it dropped; no empty line after a final "\n".
std::vector<std::string_view> разбить_на_строки(std::string_view текст);

// The same lines one at a time, without a list of them (a large file of short lines would make
// the list larger than the file): the line that starts at `начало`, which moves past it; none at
// the end.
std::optional<std::string_view> следующая_строка(std::string_view текст, std::size_t& начало);

// Length in bytes of the control character (U+0000–U+001F, U+007F, U+0080–U+009F) at byte i, or 0.
std::size_t управляющий_символ(std::string_view текст, std::size_t i);

// Text from other people's files as it may reach a terminal: every control character but the
// line feed (U+0000–U+001F, U+007F, U+0080–U+009F) and every byte that is not UTF-8 (a lone 0x9B
// is a control to some terminals) becomes U+FFFD, so that none can move the cursor, retitle the
// window or clear the screen.
std::string для_терминала(std::string_view текст);

// A name (of a package, a file, a tag) as it may reach a terminal: like для_терминала, and the
// line feed and the invisible and text-direction characters become U+FFFD too, so that a name
// stays on its line and shows what it is.
std::string имя_для_терминала(std::string_view имя);

// Zero-width and bidirectional controls: U+200B–U+200F, U+202A–U+202E, U+2066–U+2069, U+FEFF.
bool есть_невидимый_символ(std::string_view текст);

bool начинается_с(std::string_view текст, std::string_view начало);

}  // namespace тувра::пакеты
