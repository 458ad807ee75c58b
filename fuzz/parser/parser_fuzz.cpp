// Any bytes, taken as UTF-8 text: lexing and parsing end in a program or one error, never
// in a crash, a hang or a stack overflow, and what they return is consistent.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <utility>

#include "lexer/lexer.h"
#include "lexer/utf8.h"
#include "parser/front_end.h"
#include "semantic/text_check.h"
#include "syntax_tree/syntax_tree.h"

namespace {

void требовать(bool условие) {
  if (!условие) std::abort();
}

// Checks the position of a parse error against the end of the text.
void проверить_ошибку(const std::string& текст, const тувра::ОшибкаРазбора& ошибка) {
  тувра::Лексер лексер = тувра::новый_лексер(текст);
  auto токены = тувра::разбить_на_токены(лексер);
  if (!токены) return;  // the lexer's own error
  const тувра::Токен конец = токены->back();
  требовать(!ошибка.сообщение_ошибки.empty());
  // Every error stands at a token, so never past the end of the text.
  требовать(ошибка.строка >= 1 && ошибка.столбец >= 1);
  требовать(ошибка.строка < конец.строка || (ошибка.строка == конец.строка && ошибка.столбец <= конец.столбец));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* данные, std::size_t размер) {
  const std::string_view байты(reinterpret_cast<const char*>(данные), размер);
  // Ill-formed sequences become U+FFFD, as an editor's broken text would reach the lexer.
  const std::u32string символы = тувра::декодировать_utf8(байты);
  const std::string текст = тувра::закодировать_utf8(символы);

  // A copy shares nothing with its source: it outlives the source's arena, and copies and
  // compares as a plain value.
  тувра::Арена арена_копии;
  тувра::Программа копия;
  {
    auto программа = тувра::разобрать_текст(текст);
    if (!программа) {
      проверить_ошибку(текст, программа.error());
      return 0;
    }
    копия = тувра::копия_программы(программа->программа, арена_копии);
    требовать(копия == программа->программа);
  }
  тувра::Арена арена_второй;
  требовать(тувра::копия_программы(копия, арена_второй) == копия);
  // The analysis of whatever parses ends in success or one error with its message.
  auto анализ = тувра::проверить_программу(копия);
  требовать(анализ || !анализ.error().сообщение_ошибки.empty());
  return 0;
}
