// Arbitrary bytes through the line-format parser, the version parser and the text helpers,
// with the properties that must hold for every input.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "line_format.h"
#include "package_name.h"
#include "tag_resolution.h"
#include "text.h"
#include "versions.h"

namespace {

using namespace тувра::пакеты;

void требовать(bool условие) {
  if (!условие) std::abort();
}

bool без_кавычек(const std::optional<std::string>& поле) { return !поле || поле->find('"') == std::string::npos; }

// A record written back as a line reads back unchanged, in both written forms.
void проверить_обратное_чтение(const Зависимость& з) {
  if (з.источник.find('"') != std::string::npos || !без_кавычек(з.ветка) || !без_кавычек(з.версия)) return;
  auto снова = разобрать_зависимости(строка_зависимости(з) + "\n");
  требовать(снова.has_value() && снова->size() == 1 && (*снова)[0] == з);
  if (з.версия && !з.ветка) {
    auto блокировка = разобрать_файл_блокировки(з.имя + " = git " + з.источник + " версия=" + *з.версия + "\n");
    требовать(блокировка.has_value() && блокировка->size() == 1);
    требовать((*блокировка)[0].версия == з.версия && (*блокировка)[0].источник == з.источник);
  }
}

// A name fit to install stays one word of a requester line and prints as it is.
void проверить_имя(const std::string& имя) {
  if (!проверить_имя_пакета(имя)) return;
  требовать(проверить_путь_пакета(имя).has_value());
  требовать(имя.find(',') == std::string::npos && имя != ".метаданные");
  // The program reads names only from UTF-8 text; the parser itself takes any bytes.
  if (это_utf8(имя)) требовать(имя_для_терминала(имя) == имя);
}

// What reaches the terminal is UTF-8 and holds no control character but the line feed; a name
// not even that, nor an invisible or text-direction character.
void проверить_вывод(std::string_view байты) {
  const std::string показ = для_терминала(байты);
  const std::string имя = имя_для_терминала(байты);
  for (const std::string* т : {&показ, &имя}) {
    требовать(это_utf8(*т));
    for (std::size_t i = 0; i < т->size(); ++i) требовать((*т)[i] == '\n' || управляющий_символ(*т, i) == 0);
  }
  требовать(для_терминала(показ) == показ && имя_для_терминала(имя) == имя);
  требовать(имя.find('\n') == std::string::npos && !есть_невидимый_символ(имя));
  требовать(имя_для_терминала(показ) == имя);
}

// A tag the lock file can hold reads back as itself from the lock line written with it.
void проверить_тег(std::string_view тег) {
  if (!тег_читается_из_блокировки(тег)) return;
  auto записи = разобрать_файл_блокировки("имя = git адрес версия=" + std::string(тег) + "\n");
  требовать(записи.has_value() && записи->size() == 1 && (*записи)[0].версия == тег);
  требовать(для_терминала(тег) == тег);
}

void проверить_строки(std::string_view текст) {
  auto записи = разобрать_зависимости(текст);
  if (!записи) {
    требовать(записи.error().rfind("строка ", 0) == 0);
    return;
  }
  for (const Зависимость& з : *записи) {
    требовать(!(з.ветка && з.версия));
    требовать(обрезать_пробелы(з.имя) == з.имя);
    проверить_имя(з.имя);
    проверить_обратное_чтение(з);
  }
}

void проверить_версию(std::string_view текст) {
  if (auto в = разобрать_версию(текст)) {
    const std::string снова = std::to_string(в->мажор) + "." + std::to_string(в->минор) + "." + std::to_string(в->патч);
    требовать(разобрать_версию(снова) == в);
  }
  const auto т = требование_из_текста(std::string(текст));
  if (!т) return;
  требовать(т->интервал.нижняя_граница == т->версия);
  // Empty only when the bound would lie past the largest number; then nothing fits.
  if (интервал_пуст(т->интервал)) {
    требовать(т->интервал.верхняя_граница == т->версия);
    требовать(!в_интервале(т->версия, т->интервал));
    требовать(!пересечь_интервалы(т->интервал, т->интервал));
  } else {
    требовать(в_интервале(т->версия, т->интервал));
    требовать(пересечь_интервалы(т->интервал, т->интервал) == т->интервал);
  }
  требовать(!интервал_в_текст(т->интервал).empty());
}

void проверить_пару(std::string_view а, std::string_view б) {
  const auto та = требование_из_текста(std::string(а));
  const auto тб = требование_из_текста(std::string(б));
  if (!та || !тб) return;
  const auto общий = пересечь_интервалы(та->интервал, тб->интервал);
  требовать(общий == пересечь_интервалы(тб->интервал, та->интервал));
  for (const Версия& в : {та->версия, тб->версия}) {
    const bool в_обоих = в_интервале(в, та->интервал) && в_интервале(в, тб->интервал);
    требовать(в_обоих == (общий && в_интервале(в, *общий)));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* данные, size_t размер) {
  const std::string_view байты(reinterpret_cast<const char*>(данные), размер);
  проверить_строки(байты);
  требовать(это_utf8(декодировать_с_заменой(байты)));
  проверить_вывод(байты);
  if (это_utf8(байты)) требовать(декодировать_с_заменой(байты) == байты);
  if (размер <= 256) {
    проверить_тег(байты);
    проверить_версию(байты);
    const std::size_t перевод = байты.find('\n');
    if (перевод != std::string_view::npos) проверить_пару(байты.substr(0, перевод), байты.substr(перевод + 1));
  }
  return 0;
}
