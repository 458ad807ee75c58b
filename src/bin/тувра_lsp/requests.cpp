#include "requests.h"

namespace тувра::lsp {

// Until hover, completion and definition are answered, every request gets a null result.
Итог<Пусто, ОшибкаСервера> обработать_запрос(Соединение& соединение, const Документы&, const Request& запрос) {
  if (!соединение.отправить(успешный_ответ(запрос.id, nullptr))) return Неудача{ОшибкаСервера{ОшибкаОтправки{}}};
  return Пусто{};
}

}  // namespace тувра::lsp
