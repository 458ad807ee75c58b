#include <algorithm>
#include <iostream>
#include <optional>
#include <utility>

#include "clone_folder.h"
#include "commands.h"
#include "messages.h"
#include "project_lock.h"
#include "support/platform/interruption.h"
#include "text.h"

namespace тувра::пакеты {
namespace {

bool есть_флаг(const std::vector<std::string>& аргументы, std::string_view флаг) {
  return std::find(аргументы.begin(), аргументы.end(), флаг) != аргументы.end();
}

// Runs a command whose operand is the third argument, or fails with its usage line.
template <class Команда>
ИтогКоманды с_операндом(const std::optional<std::string>& операнд, std::string подсказка, Команда команда) {
  if (!операнд) return Неудача{std::move(подсказка)};
  return команда(*операнд);
}

// Runs a command that changes the project while no other run works in it.
template <class Команда>
ИтогКоманды в_занятом_проекте(Команда команда) {
  auto замок = занять_проект();
  if (!замок) return Неудача{std::move(замок).error()};
  return команда();
}

// Runs the command the word names; nothing when the word names none.
std::optional<ИтогКоманды> выполнить(const std::vector<std::string>& аргументы) {
  const std::string& слово = аргументы[1];
  std::optional<std::string> операнд;
  if (аргументы.size() > 2) операнд = аргументы[2];

  if (слово == "установить") {
    return в_занятом_проекте([&] { return команда_установить(есть_флаг(аргументы, "--обновить-блокировку")); });
  }
  if (слово == "список") return команда_список();
  if (слово == "удалить") {
    return с_операндом(операнд, сообщения::указать_имя_для_удаления(), [&](const std::string& имя) {
      return в_занятом_проекте([&] { return команда_удалить(имя, есть_флаг(аргументы, "--force")); });
    });
  }
  if (слово == "искать") {
    return с_операндом(операнд, сообщения::указать_запрос(), команда_искать);
  }
  if (слово == "добавить") {
    return с_операндом(операнд, сообщения::указать_имя_для_добавления(),
                       [](const std::string& имя) { return в_занятом_проекте([&] { return команда_добавить(имя); }); });
  }
  if (слово == "индекс-настроить") {
    return с_операндом(операнд, сообщения::указать_адрес_индекса(), команда_индекс_настроить);
  }
  if (слово == "индекс-обновить") return обновить_индекс();
  return std::nullopt;
}

struct Исход {
  int код = 0;
  bool ошибка_напечатана = false;
  bool прервано = false;  // the status says so; lost output cannot change it
};

Исход ошибка(std::string_view текст) {
  std::cerr << сообщения::строка_ошибки(текст);
  return {1, true};
}

// The command stopped at a safe point, whatever it returned; its git is ended already, and the
// clone folder goes like after a finished install.
Исход прерванный() {
  if (auto папка = временная_папка()) удалить_тихо(*папка);
  return {платформа::код_прерывания(), true, true};
}

Исход выполнить_команду(const std::vector<std::string>& аргументы) {
  if (аргументы.size() < 2 || аргументы[1].empty()) {
    показать_справку();
    return {};
  }
  // Names and URLs go into paths and git arguments; a mangled byte would change them silently.
  for (std::size_t i = 1; i < аргументы.size(); ++i) {
    if (!это_utf8(аргументы[i])) {
      return ошибка(сообщения::аргумент_не_utf8(i));
    }
  }
  const std::optional<ИтогКоманды> итог = выполнить(аргументы);
  if (!итог) {
    показать_справку();
    return {1, false};
  }
  if (платформа::прервано()) return прерванный();
  std::cout.flush();
  // Errors quote manifest lines, URLs and git's messages.
  if (!*итог) return ошибка(для_терминала(итог->error()));
  return {};
}

}  // namespace

// A command whose output was lost did not succeed, even when everything else went well.
int главная_менеджера_пакетов(const std::vector<std::string>& аргументы) {
  Исход исход = выполнить_команду(аргументы);
  std::cout.flush();
  if (исход.прервано) return исход.код;
  if (!std::cout) {
    if (!исход.ошибка_напечатана) ошибка(сообщения::вывод_не_записан());
    исход.код = 1;
  }
  std::cerr.flush();
  return std::cerr ? исход.код : 1;
}

}  // namespace тувра::пакеты
