// Any bytes, taken as UTF-8 text, through the whole front end with the semantic analysis: the
// analysis of a parsed program ends in success or one error, never in a crash, a hang or a
// stack overflow, and it says the same every time it runs over the same program.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <utility>

#include "lexer/lexer.h"
#include "lexer/utf8.h"
#include "parser/front_end.h"
#include "semantic/analyser.h"
#include "semantic/text_check.h"

namespace {

void требовать(bool условие) {
  if (!условие) std::abort();
}

// The outcome as one text, and the analyser's state checked once the run is over.
std::string проанализировать(const тувра::Программа& программа, std::size_t последняя_строка) {
  тувра::Анализатор анализатор = тувра::новый_анализатор();
  auto итог = тувра::проверить_программу(анализатор, программа);
  // No run, failed or not, leaves a body, loop or instance open.
  требовать(анализатор.области_видимости.глубина() == 1);
  требовать(анализатор.глубина_циклов == 0);
  требовать(!анализатор.текущий_тип_возврата && !анализатор.текущая_структура);
  требовать(анализатор.инстанциаций_в_работе == 0 && анализатор.экземпляр_в_проверке == nullptr);
  if (итог) {
    // Every instance begun was finished.
    требовать(анализатор.объявления_экземпляров_функций.size() == анализатор.экземпляры_функций.size());
    требовать(анализатор.объявления_экземпляров_методов.size() == анализатор.экземпляры_методов.size());
    return {};
  }
  const тувра::ОшибкаАнализа& ошибка = итог.error();
  требовать(!ошибка.сообщение_ошибки.empty());
  // A line, when there is one, is a statement's: inside the text.
  требовать(!ошибка.строка || (*ошибка.строка >= 1 && *ошибка.строка <= последняя_строка));
  return (ошибка.строка ? std::to_string(*ошибка.строка) : std::string("-")) + ":" + ошибка.сообщение_ошибки;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* данные, std::size_t размер) {
  const std::string_view байты(reinterpret_cast<const char*>(данные), размер);
  // Ill-formed sequences become U+FFFD, as an editor's broken text would reach the lexer.
  const std::string текст = тувра::закодировать_utf8(тувра::декодировать_utf8(байты));

  auto разобрано = тувра::разобрать_текст(текст);
  if (!разобрано) return 0;
  const тувра::Программа& программа = разобрано->программа;
  // The line of the end-of-text token: no statement stands below it.
  тувра::Лексер лексер = тувра::новый_лексер(текст);
  const std::size_t последняя_строка = тувра::разбить_на_токены(лексер)->back().строка;

  // Nothing of one run reaches the next, and nothing depends on hashing.
  const std::string первый = проанализировать(программа, последняя_строка);
  требовать(проанализировать(программа, последняя_строка) == первый);
  return 0;
}
