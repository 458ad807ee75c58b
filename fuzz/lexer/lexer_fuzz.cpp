// Any bytes: the lexer returns tokens or one error, never crashes, and what it returns
// is consistent with the text it read.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "lexer/lexer.h"
#include "lexer/utf8.h"

namespace {

void требовать(bool условие) {
  if (!условие) std::abort();
}

// Line and column of every character index, counted the way the lexer counts them.
struct Счёт {
  std::size_t строка = 1, столбец = 1, позиция = 0;
  void до(const std::u32string& символы, std::size_t цель) {
    for (; позиция < цель; ++позиция) {
      if (символы[позиция] == U'\n') {
        ++строка;
        столбец = 1;
      } else {
        ++столбец;
      }
    }
  }
};

void проверить_токены(const std::u32string& символы, const тувра::СписокТокенов& токены) {
  требовать(!токены.empty());
  Счёт счёт;
  std::size_t конец_предыдущего = 0;
  for (std::size_t i = 0; i < токены.size(); ++i) {
    const auto& т = токены[i];
    const bool последний = i + 1 == токены.size();
    требовать((т.вид == тувра::ВидТокена::КонецФайла) == последний);
    требовать(т.начало >= конец_предыдущего && т.окончание <= символы.size());
    требовать(последний ? (т.начало == символы.size() && т.окончание == т.начало) : т.начало < т.окончание);
    счёт.до(символы, т.начало);
    требовать(т.строка == счёт.строка && т.столбец == счёт.столбец);
    требовать(!тувра::описание_токена(т.вид).empty());
    требовать(!тувра::отладочный_текст_вида_токена(т.вид).empty());
    // A name is its characters as written.
    if (т.вид.номер() == тувра::ВидТокена::Идентификатор) {
      требовать(т.вид.текст() == тувра::закодировать_utf8(символы.substr(т.начало, т.окончание - т.начало)));
    }
    конец_предыдущего = т.окончание;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* данные, size_t размер) {
  const std::string_view текст(reinterpret_cast<const char*>(данные), размер);
  auto лексер = тувра::новый_лексер(текст);
  const std::u32string символы = тувра::декодировать_utf8(текст);
  auto итог = тувра::разбить_на_токены(лексер);
  if (итог) {
    проверить_токены(символы, *итог);
    требовать(лексер.позиция == символы.size() && лексер.байт == текст.size());
  } else {
    требовать(итог.error().строка >= 1 && итог.error().столбец >= 1);
    требовать(!итог.error().сообщение_ошибки.empty());
  }
  return 0;
}
