#include "line_format.h"

#include "messages.h"
#include "text.h"

namespace тувра::пакеты {
namespace {

constexpr std::string_view кМеткаОписания = "описание=\"";

// The words of a line's rest with its description cut out: those before the description, then
// those after it. Taken one at a time, so that a line of many words costs no list of them.
class Слова {
 public:
  Слова(std::string_view до, std::string_view после) : части_{до, после} {}

  std::optional<std::string_view> следующее() {
    for (; часть_ < 2; ++часть_, место_ = 0) {
      if (auto слово = следующее_слово(части_[часть_], место_)) return слово;
    }
    return std::nullopt;
  }

 private:
  std::string_view части_[2];
  std::size_t часть_ = 0;
  std::size_t место_ = 0;
};

// Reads one trimmed, non-comment line.
Итог<Зависимость, std::string> разобрать_строку(std::string_view строка, std::size_t номер) {
  const std::size_t равно = строка.find('=');
  if (равно == std::string_view::npos) return Неудача{сообщения::не_формат_строки(номер, строка)};

  Зависимость итог;
  итог.имя = std::string(обрезать_пробелы(строка.substr(0, равно)));
  const std::string_view остаток = обрезать_пробелы(строка.substr(равно + 1));

  std::string_view до = остаток, после;
  const std::size_t метка = остаток.find(кМеткаОписания);
  if (метка != std::string_view::npos) {
    const std::size_t начало = метка + кМеткаОписания.size();
    const std::size_t кавычка = остаток.find('"', начало);
    if (кавычка == std::string_view::npos) return Неудача{сообщения::нет_закрывающей_кавычки(номер)};
    итог.описание = std::string(остаток.substr(начало, кавычка - начало));
    до = остаток.substr(0, метка);
    после = остаток.substr(кавычка + 1);
  }

  Слова слова(до, после);
  const std::optional<std::string_view> вид = слова.следующее();
  const std::optional<std::string_view> адрес = слова.следующее();
  if (!адрес || *вид != "git") return Неудача{сообщения::только_git(номер, остаток)};
  итог.источник = std::string(*адрес);

  constexpr std::string_view кВетка = "ветка=";
  constexpr std::string_view кВерсия = "версия=";
  while (const auto слово = слова.следующее()) {
    if (начинается_с(*слово, кВетка)) {
      итог.ветка = std::string(слово->substr(кВетка.size()));
    } else if (начинается_с(*слово, кВерсия)) {
      итог.версия = std::string(слово->substr(кВерсия.size()));
    }
  }
  if (итог.ветка && итог.версия) return Неудача{сообщения::ветка_и_версия(номер)};
  return итог;
}

}  // namespace

Итог<Пусто, std::string> обойти_зависимости(std::string_view текст, const ПриёмЗаписи& взять) {
  std::size_t место = 0;
  for (std::size_t номер = 1; const auto следующая = следующая_строка(текст, место); ++номер) {
    const std::string_view строка = обрезать_пробелы(*следующая);
    if (строка.empty() || строка.front() == '#') continue;
    auto запись = разобрать_строку(строка, номер);
    if (!запись) return Неудача{std::move(запись).error()};
    взять(std::move(запись).value());
  }
  return Пусто{};
}

Итог<std::vector<Зависимость>, std::string> разобрать_зависимости(std::string_view текст) {
  std::vector<Зависимость> записи;
  auto обход = обойти_зависимости(текст, [&](Зависимость запись) { записи.push_back(std::move(запись)); });
  if (!обход) return Неудача{std::move(обход).error()};
  return записи;
}

Итог<std::vector<Зависимость>, std::string> разобрать_файл_блокировки(std::string текст) {
  const std::string владелец = std::move(текст);
  return разобрать_зависимости(владелец);
}

Зависимость копия_зависимости(const Зависимость& зависимость) { return зависимость; }

std::string строка_зависимости(const Зависимость& з) {
  std::string строка = з.имя + " = git " + з.источник;
  if (з.ветка) строка += " ветка=" + *з.ветка;
  if (з.версия) строка += " версия=" + *з.версия;
  if (з.описание) строка += " описание=\"" + *з.описание + "\"";
  return строка;
}

}  // namespace тувра::пакеты
