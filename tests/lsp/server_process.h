// The built server as a child process over pipes, for the end-to-end tests and the benchmark.
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <nlohmann/json.hpp>

namespace тувра::lsp::проверка {

// The server binary of this build.
std::string путь_к_серверу();
// How the tests start a server: this build's, or the program TUVRA_LSP_SERVER names, run by
// the program TUVRA_LSP_EMULATOR names when that is set (Wine for a Windows build's server).
std::vector<std::string> команда_сервера();
// Whether the tests' server runs under an emulator.
bool сервер_под_эмулятором();

// One framed JSON message as a client writes it.
std::string кадр_json(const nlohmann::json& сообщение);

class ПроцессСервера {
 public:
  // Starts команда: the program first, then its arguments.
  explicit ПроцессСервера(const std::vector<std::string>& команда = команда_сервера());
  ~ПроцессСервера();
  ПроцессСервера(const ПроцессСервера&) = delete;
  ПроцессСервера& operator=(const ПроцессСервера&) = delete;

  // Writes everything, reading the server's output meanwhile so neither side can block.
  // False when the server closed its input.
  bool записать(std::string_view байты);
  bool отправить(const nlohmann::json& сообщение) { return записать(кадр_json(сообщение)); }
  void закрыть_ввод();

  // The next framed message on the server's output; nothing at its end or after the wait.
  std::optional<nlohmann::json> следующее(std::chrono::milliseconds ожидание = std::chrono::seconds(20));
  // Everything up to the end of the output, then the exit code.
  int дождаться(std::chrono::milliseconds ожидание = std::chrono::seconds(60));

  const std::vector<nlohmann::json>& прочитанные() const { return сообщения_; }
  const std::string& ошибки() const { return ошибки_; }
  // Output bytes that did not form a whole frame.
  const std::string& остаток() const { return вывод_; }
  int pid() const { return pid_; }

 private:
  // Reads what is there within the wait; false once both output pipes are closed.
  bool читать(std::chrono::milliseconds ожидание);
  bool разобрать_кадр();

  int pid_ = -1;
  int ввод_ = -1;
  int вывод_fd_ = -1;
  int ошибки_fd_ = -1;
  std::string вывод_;
  std::string ошибки_;
  std::vector<nlohmann::json> сообщения_;
  std::size_t выдано_ = 0;
  std::optional<int> код_;
};

struct ИтогСеанса {
  int код = -1;
  std::vector<nlohmann::json> сообщения;
  std::string ошибки;
  std::string остаток;
};

// Feeds the whole input, closes it and collects everything until the server exits.
ИтогСеанса выполнить_сеанс(std::string_view ввод);

}  // namespace тувра::lsp::проверка
