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

std::optional<std::string> копия(const std::optional<std::string_view>& поле) {
  if (!поле) return std::nullopt;
  return std::string(*поле);
}

// Reads one trimmed, non-comment line.
Итог<ВидЗависимости, std::string> разобрать_строку(std::string_view строка, std::size_t номер) {
  const std::size_t равно = строка.find('=');
  if (равно == std::string_view::npos) return Неудача{сообщения::не_формат_строки(номер, строка)};

  ВидЗависимости итог;
  итог.имя = обрезать_пробелы(строка.substr(0, равно));
  const std::string_view остаток = обрезать_пробелы(строка.substr(равно + 1));

  std::string_view до = остаток, после;
  const std::size_t метка = остаток.find(кМеткаОписания);
  if (метка != std::string_view::npos) {
    const std::size_t начало = метка + кМеткаОписания.size();
    const std::size_t кавычка = остаток.find('"', начало);
    if (кавычка == std::string_view::npos) return Неудача{сообщения::нет_закрывающей_кавычки(номер)};
    итог.описание = остаток.substr(начало, кавычка - начало);
    до = остаток.substr(0, метка);
    после = остаток.substr(кавычка + 1);
  }

  Слова слова(до, после);
  const std::optional<std::string_view> вид = слова.следующее();
  const std::optional<std::string_view> адрес = слова.следующее();
  if (!адрес || *вид != "git") return Неудача{сообщения::только_git(номер, остаток)};
  итог.источник = *адрес;

  constexpr std::string_view кВетка = "ветка=";
  constexpr std::string_view кВерсия = "версия=";
  while (const auto слово = слова.следующее()) {
    if (начинается_с(*слово, кВетка)) {
      итог.ветка = слово->substr(кВетка.size());
    } else if (начинается_с(*слово, кВерсия)) {
      итог.версия = слово->substr(кВерсия.size());
    }
  }
  if (итог.ветка && итог.версия) return Неудача{сообщения::ветка_и_версия(номер)};
  return итог;
}

}  // namespace

Зависимость ВидЗависимости::запись() const {
  return Зависимость{std::string(имя), std::string(источник), копия(ветка), копия(версия), копия(описание)};
}

ВидЗависимости вид_записи(const Зависимость& з) {
  ВидЗависимости вид{з.имя, з.источник, std::nullopt, std::nullopt, std::nullopt};
  if (з.ветка) вид.ветка = *з.ветка;
  if (з.версия) вид.версия = *з.версия;
  if (з.описание) вид.описание = *з.описание;
  return вид;
}

std::size_t размер_полей(const Зависимость& з) {
  std::size_t размер = з.имя.size() + з.источник.size();
  for (const auto* поле : {&з.ветка, &з.версия, &з.описание}) размер += *поле ? (*поле)->size() : 0;
  return размер;
}

Итог<Пусто, std::string> обойти_зависимости(std::string_view текст, const ПриёмЗаписи& взять) {
  return обойти_виды(текст, [&](const ВидЗависимости& вид) { взять(вид.запись()); });
}

Итог<Пусто, std::string> обойти_виды(std::string_view текст, const ПриёмВида& взять) {
  std::size_t место = 0;
  for (std::size_t номер = 1; const auto следующая = следующая_строка(текст, место); ++номер) {
    const std::string_view строка = обрезать_пробелы(*следующая);
    if (строка.empty() || строка.front() == '#') continue;
    auto запись = разобрать_строку(строка, номер);
    if (!запись) return Неудача{std::move(запись).error()};
    взять(*запись);
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
  // Grown in place: a description as long as a file is not held twice.
  std::string строка;
  строка.reserve(размер_полей(з) + 64);
  строка.append(з.имя).append(" = git ").append(з.источник);
  if (з.ветка) строка.append(" ветка=").append(*з.ветка);
  if (з.версия) строка.append(" версия=").append(*з.версия);
  if (з.описание) строка.append(" описание=\"").append(*з.описание).append("\"");
  return строка;
}

}  // namespace тувра::пакеты
