#include "packed_records.h"

#include <optional>

namespace тувра::пакеты {
namespace {

// A field is its length, seven bits a byte (the high bit says that more follow), then its bytes.
void записать_поле(std::string& куда, std::string_view поле) {
  std::size_t длина = поле.size();
  do {
    const auto байт = static_cast<unsigned char>(длина & 0x7F);
    длина >>= 7;
    куда += static_cast<char>(длина != 0 ? байт | 0x80 : байт);
  } while (длина != 0);
  куда.append(поле);
}

std::string_view прочитать_поле(std::string_view текст, std::size_t& место) {
  std::size_t длина = 0;
  for (int сдвиг = 0;; сдвиг += 7) {
    const auto байт = static_cast<unsigned char>(текст[место++]);
    длина |= static_cast<std::size_t>(байт & 0x7F) << сдвиг;
    if ((байт & 0x80) == 0) break;
  }
  const std::string_view поле = текст.substr(место, длина);
  место += длина;
  return поле;
}

// Which of the optional fields follow, one bit each.
constexpr unsigned char кВетка = 1, кВерсия = 2, кОписание = 4;

std::optional<std::string> необязательное(std::string_view текст, std::size_t& место, unsigned char есть,
                                          unsigned char бит) {
  if ((есть & бит) == 0) return std::nullopt;
  return std::string(прочитать_поле(текст, место));
}

}  // namespace

void УпакованныеЗависимости::добавить(const ВидЗависимости& з) {
  записать_поле(текст_, з.имя);
  записать_поле(текст_, з.источник);
  текст_ += static_cast<char>((з.ветка ? кВетка : 0) | (з.версия ? кВерсия : 0) | (з.описание ? кОписание : 0));
  for (const auto* поле : {&з.ветка, &з.версия, &з.описание}) {
    if (*поле) записать_поле(текст_, **поле);
  }
  ++число_;
}

Зависимость УпакованныеЗависимости::прочитать(std::size_t& место) const {
  Зависимость з;
  з.имя = std::string(прочитать_поле(текст_, место));
  з.источник = std::string(прочитать_поле(текст_, место));
  const auto есть = static_cast<unsigned char>(текст_[место++]);
  з.ветка = необязательное(текст_, место, есть, кВетка);
  з.версия = необязательное(текст_, место, есть, кВерсия);
  з.описание = необязательное(текст_, место, есть, кОписание);
  return з;
}

void УпакованныеЗависимости::пропустить(std::size_t& место) const {
  (void)прочитать_поле(текст_, место);
  (void)прочитать_поле(текст_, место);
  const auto есть = static_cast<unsigned char>(текст_[место++]);
  for (unsigned char бит : {кВетка, кВерсия, кОписание}) {
    if ((есть & бит) != 0) (void)прочитать_поле(текст_, место);
  }
}

std::string_view УпакованныеЗависимости::имя_в(std::size_t место) const { return прочитать_поле(текст_, место); }

Итог<УпакованныеЗависимости, std::string> упаковать_зависимости(std::string текст) {
  УпакованныеЗависимости записи;
  // A record takes no more bytes than its line, but for a few length bytes of fields past 16 KiB:
  // the text grows in place, never by doubling.
  записи.зарезервировать(текст.size() + текст.size() / 4096 + 16);
  auto обход = обойти_виды(текст, [&](const ВидЗависимости& запись) { записи.добавить(запись); });
  if (!обход) return Неудача{std::move(обход).error()};
  std::string().swap(текст);
  записи.ужать();
  return записи;
}

}  // namespace тувра::пакеты
