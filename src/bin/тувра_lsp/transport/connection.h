// The protocol connection: a reader thread and a writer thread, each joined to the main thread
// by a channel of capacity 0, with the initialize handshake and the shutdown check on top.
#pragma once

#include <chrono>
#include <memory>
#include <string>
#include <thread>

#include <nlohmann/json.hpp>

#include "support/expected.h"
#include "transport/channel.h"
#include "transport/framing.h"
#include "transport/message.h"

namespace тувра::lsp {

struct ProtocolError {
  std::string message;
  bool disconnected = false;  // the channel was found disconnected

  bool operator==(const ProtocolError&) const = default;
};

std::string отладочный_вид(const ProtocolError& ошибка);

// The writer thread has ended, so nothing can be handed to it any more.
struct ОшибкаОтправки {};

class Соединение {
 public:
  // How long the shutdown check waits for "exit".
  static constexpr std::chrono::seconds ожидание_выхода{30};

  // Over the standard input and output.
  static std::unique_ptr<Соединение> стандартное();

  // Starts both threads. With `бросить_чтение` the reader thread is left to end with the
  // process when the connection goes away on an error: it may be blocked in a read that never
  // returns. Without it the reader is always waited for, so the source must reach its end.
  Соединение(std::unique_ptr<Источник> источник, std::unique_ptr<Приёмник> приёмник, bool бросить_чтение);
  ~Соединение();
  Соединение(const Соединение&) = delete;
  Соединение& operator=(const Соединение&) = delete;

  // Waits until the writer thread has taken the message.
  Итог<Пусто, ОшибкаОтправки> отправить(Message сообщение);
  // Waits for the next message; fails once the reader thread has ended.
  Итог<Message, ПричинаПустогоПриёма> получить();

  // Answers requests with -32002 until "initialize" comes, replies with {capabilities}, and
  // takes "initialized". Gives the params of "initialize".
  Итог<nlohmann::json, ProtocolError> рукопожатие(const nlohmann::json& возможности);

  // For "shutdown": answers null and waits for "exit"; true when the run should end. Any other
  // method: false, nothing done.
  Итог<bool, ProtocolError> проверить_завершение(const Request& запрос);

  // Closes the outgoing channel and waits for the reader, then for the writer; the first I/O
  // error of the two (the reader's first) is the result.
  Итог<Пусто, ОшибкаВвода> завершить();

 private:
  struct Входящие;
  struct Исходящие;

  void отпустить_чтение();

  std::unique_ptr<Входящие> входящие_;
  std::unique_ptr<Исходящие> исходящие_;
  std::thread читатель_;
  std::thread писатель_;
  bool бросить_чтение_;
};

}  // namespace тувра::lsp
