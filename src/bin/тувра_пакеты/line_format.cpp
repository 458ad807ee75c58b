#include "line_format.h"

#include "messages.h"
#include "text.h"

namespace тувра::пакеты {
namespace {

constexpr std::string_view кМеткаОписания = "описание=\"";

// Reads one trimmed, non-comment line.
Итог<Зависимость, std::string> разобрать_строку(std::string_view строка, std::size_t номер) {
  const std::size_t равно = строка.find('=');
  if (равно == std::string_view::npos) return Неудача{сообщения::не_формат_строки(номер, строка)};

  Зависимость итог;
  итог.имя = std::string(обрезать_пробелы(строка.substr(0, равно)));
  const std::string_view остаток = обрезать_пробелы(строка.substr(равно + 1));

  std::string без_описания(остаток);
  const std::size_t метка = остаток.find(кМеткаОписания);
  if (метка != std::string_view::npos) {
    const std::size_t начало = метка + кМеткаОписания.size();
    const std::size_t кавычка = остаток.find('"', начало);
    if (кавычка == std::string_view::npos) return Неудача{сообщения::нет_закрывающей_кавычки(номер)};
    итог.описание = std::string(остаток.substr(начало, кавычка - начало));
    без_описания = std::string(остаток.substr(0, метка)) + " " + std::string(остаток.substr(кавычка + 1));
  }

  const std::vector<std::string_view> слова = разбить_на_слова(без_описания);
  if (слова.size() < 2 || слова[0] != "git") return Неудача{сообщения::только_git(номер, остаток)};
  итог.источник = std::string(слова[1]);

  constexpr std::string_view кВетка = "ветка=";
  constexpr std::string_view кВерсия = "версия=";
  for (std::size_t i = 2; i < слова.size(); ++i) {
    if (начинается_с(слова[i], кВетка)) {
      итог.ветка = std::string(слова[i].substr(кВетка.size()));
    } else if (начинается_с(слова[i], кВерсия)) {
      итог.версия = std::string(слова[i].substr(кВерсия.size()));
    }
  }
  if (итог.ветка && итог.версия) return Неудача{сообщения::ветка_и_версия(номер)};
  return итог;
}

}  // namespace

Итог<std::vector<Зависимость>, std::string> разобрать_зависимости(std::string_view текст) {
  std::vector<Зависимость> записи;
  const std::vector<std::string_view> строки = разбить_на_строки(текст);
  for (std::size_t i = 0; i < строки.size(); ++i) {
    const std::string_view строка = обрезать_пробелы(строки[i]);
    if (строка.empty() || строка.front() == '#') continue;
    auto запись = разобрать_строку(строка, i + 1);
    if (!запись) return Неудача{std::move(запись).error()};
    записи.push_back(std::move(запись).value());
  }
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
