#include "transport/connection.h"

#include <mutex>
#include <optional>
#include <utility>

#include "transport/json_reader.h"
#include "transport/stdio.h"

namespace тувра::lsp {

// The reader's side. When the connection is dropped while the reader still runs and may not
// be waited for, the reader thread takes this over and frees it when it ends.
struct Соединение::Входящие {
  Канал<Message> канал;
  std::unique_ptr<Источник> источник;
  std::mutex мьютекс;
  bool завершено = false;
  bool брошено = false;
  Итог<Пусто, ОшибкаВвода> итог = Пусто{};
};

struct Соединение::Исходящие {
  Канал<Message> канал;
  std::unique_ptr<Приёмник> приёмник;
  Итог<Пусто, ОшибкаВвода> итог = Пусто{};
};

namespace {

Итог<Пусто, ОшибкаВвода> читать_всё(Источник& источник, Канал<Message>& канал) {
  ЧтецКадров кадры(источник, запас_для_json());
  ЧтецJson json;
  for (;;) {
    auto сообщение = прочитать_сообщение(кадры, json);
    if (!сообщение) return Неудача{std::move(сообщение).error()};
    if (!*сообщение) return Пусто{};
    const bool выход = это_выход(**сообщение);
    // A closed receiving end means the run is over; there is nobody to tell.
    if (!канал.отправить(std::move(**сообщение))) return Пусто{};
    if (выход) return Пусто{};
  }
}

Итог<Пусто, ОшибкаВвода> писать_всё(Приёмник& приёмник, Канал<Message>& канал) {
  for (;;) {
    auto сообщение = канал.получить();
    if (!сообщение) return Пусто{};
    auto записано = приёмник.записать(кадр(json_в_текст(сообщение_в_json(*сообщение))));
    if (!записано) return записано;
  }
}

ProtocolError отключено() { return ProtocolError{"disconnected channel", true}; }

}  // namespace

std::string отладочный_вид(const ProtocolError& ошибка) {
  return "ProtocolError { message: " + отладочная_строка(ошибка.message) +
         ", disconnected: " + (ошибка.disconnected ? "true" : "false") + " }";
}

std::unique_ptr<Соединение> Соединение::стандартное() {
  return std::make_unique<Соединение>(стандартный_ввод(), стандартный_вывод(), true);
}

Соединение::Соединение(std::unique_ptr<Источник> источник, std::unique_ptr<Приёмник> приёмник, bool бросить_чтение)
    : входящие_(std::make_unique<Входящие>()),
      исходящие_(std::make_unique<Исходящие>()),
      бросить_чтение_(бросить_чтение) {
  входящие_->источник = std::move(источник);
  исходящие_->приёмник = std::move(приёмник);
  писатель_ = std::thread([сторона = исходящие_.get()] {
    сторона->итог = писать_всё(*сторона->приёмник, сторона->канал);
    сторона->канал.закрыть_приём();
  });
  читатель_ = std::thread([сторона = входящие_.get()] {
    auto итог = читать_всё(*сторона->источник, сторона->канал);
    сторона->канал.закрыть_отправку();
    bool брошено = false;
    {
      std::lock_guard замок(сторона->мьютекс);
      сторона->итог = std::move(итог);
      сторона->завершено = true;
      брошено = сторона->брошено;
    }
    if (брошено) delete сторона;
  });
}

Соединение::~Соединение() {
  исходящие_->канал.закрыть_отправку();
  входящие_->канал.закрыть_приём();
  // The writer ends once it has written what it took, so replies already sent still go out.
  if (писатель_.joinable()) писатель_.join();
  if (читатель_.joinable()) отпустить_чтение();
}

void Соединение::отпустить_чтение() {
  if (бросить_чтение_) {
    std::unique_lock замок(входящие_->мьютекс);
    if (!входящие_->завершено) {
      входящие_->брошено = true;
      замок.unlock();
      читатель_.detach();
      (void)входящие_.release();  // the reader thread frees it
      return;
    }
  }
  читатель_.join();
}

Итог<Пусто, ОшибкаОтправки> Соединение::отправить(Message сообщение) {
  if (!исходящие_->канал.отправить(std::move(сообщение))) return Неудача{ОшибкаОтправки{}};
  return Пусто{};
}

Итог<Message, ПричинаПустогоПриёма> Соединение::получить() { return входящие_->канал.получить(); }

Итог<nlohmann::json, ProtocolError> Соединение::рукопожатие(const nlohmann::json& возможности) {
  std::optional<Request> начало;
  while (!начало) {
    auto сообщение = получить();
    if (!сообщение) return Неудача{отключено()};
    if (auto* запрос = std::get_if<Request>(&*сообщение)) {
      if (запрос->method == "initialize") {
        начало = std::move(*запрос);
        break;
      }
      auto ответ = ответ_с_ошибкой(запрос->id, коды_ошибок::ServerNotInitialized,
                                   "expected initialize request, got " + отладочный_вид(*сообщение));
      if (!отправить(std::move(ответ))) return Неудача{отключено()};
    } else if (std::holds_alternative<Response>(*сообщение) || это_выход(*сообщение)) {
      return Неудача{ProtocolError{"expected initialize request, got " + отладочный_вид(*сообщение), false}};
    }
  }
  if (!отправить(успешный_ответ(начало->id, nlohmann::json{{"capabilities", возможности}}))) {
    return Неудача{отключено()};
  }
  auto следующее = получить();
  if (!следующее) return Неудача{отключено()};
  const auto* уведомление = std::get_if<Notification>(&*следующее);
  if (уведомление == nullptr || уведомление->method != "initialized") {
    return Неудача{ProtocolError{"expected initialized notification, got: " + отладочный_вид(*следующее), false}};
  }
  return std::move(начало->params);
}

Итог<bool, ProtocolError> Соединение::проверить_завершение(const Request& запрос) {
  if (запрос.method != "shutdown") return false;
  // The client may already be gone; what matters is whether "exit" comes.
  (void)отправить(успешный_ответ(запрос.id, nullptr));
  auto сообщение = входящие_->канал.получить_до(std::chrono::steady_clock::now() + ожидание_выхода);
  if (!сообщение) {
    if (сообщение.error() == ПричинаПустогоПриёма::Истекло) {
      return Неудача{ProtocolError{"timed out waiting for exit notification", false}};
    }
    return Неудача{ProtocolError{"channel disconnected waiting for exit notification", true}};
  }
  if (это_выход(*сообщение)) return true;
  return Неудача{ProtocolError{"unexpected message during shutdown: " + отладочный_вид(*сообщение), false}};
}

Итог<Пусто, ОшибкаВвода> Соединение::завершить() {
  исходящие_->канал.закрыть_отправку();
  входящие_->канал.закрыть_приём();
  читатель_.join();
  if (!входящие_->итог) return входящие_->итог;
  писатель_.join();
  return исходящие_->итог;
}

}  // namespace тувра::lsp
