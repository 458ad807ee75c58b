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

bool начинается_с(std::string_view текст, std::string_view начало);

}  // namespace тувра::пакеты
