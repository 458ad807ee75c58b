#include "server_process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <stdexcept>

extern char** environ;

namespace тувра::lsp::проверка {

namespace {

using Часы = std::chrono::steady_clock;

void закрыть(int& fd) {
  if (fd >= 0) ::close(fd);
  fd = -1;
}

}  // namespace

std::string путь_к_серверу() {
  const char* папка = std::getenv("TUVRA_BUILD_DIR");
  return std::string(папка != nullptr ? папка : TUVRA_LSP_BUILD_DIR) + "/тувра_lsp";
}

std::vector<std::string> команда_сервера() {
  const char* сервер = std::getenv("TUVRA_LSP_SERVER");
  std::vector<std::string> команда;
  if (сервер_под_эмулятором()) команда.emplace_back(std::getenv("TUVRA_LSP_EMULATOR"));
  команда.emplace_back(сервер != nullptr ? сервер : путь_к_серверу());
  return команда;
}

bool сервер_под_эмулятором() {
  const char* эмулятор = std::getenv("TUVRA_LSP_EMULATOR");
  return эмулятор != nullptr && *эмулятор != '\0';
}

std::string кадр_json(const nlohmann::json& сообщение) {
  const std::string тело = сообщение.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
  return "Content-Length: " + std::to_string(тело.size()) + "\r\n\r\n" + тело;
}

ПроцессСервера::ПроцессСервера(const std::vector<std::string>& команда) {
  int в[2], из[2], ош[2];
  if (::pipe(в) != 0 || ::pipe(из) != 0 || ::pipe(ош) != 0) throw std::runtime_error("pipe");
  posix_spawn_file_actions_t действия;
  posix_spawn_file_actions_init(&действия);
  posix_spawn_file_actions_adddup2(&действия, в[0], 0);
  posix_spawn_file_actions_adddup2(&действия, из[1], 1);
  posix_spawn_file_actions_adddup2(&действия, ош[1], 2);
  for (int fd : {в[0], в[1], из[0], из[1], ош[0], ош[1]}) posix_spawn_file_actions_addclose(&действия, fd);
  std::vector<std::string> части = команда;
  std::vector<char*> аргументы;
  for (auto& часть : части) аргументы.push_back(часть.data());
  аргументы.push_back(nullptr);
  const int код = posix_spawnp(&pid_, части.at(0).c_str(), &действия, nullptr, аргументы.data(), environ);
  posix_spawn_file_actions_destroy(&действия);
  ::close(в[0]);
  ::close(из[1]);
  ::close(ош[1]);
  if (код != 0) throw std::runtime_error("cannot start " + части.at(0));
  ввод_ = в[1];
  вывод_fd_ = из[0];
  ошибки_fd_ = ош[0];
  ::fcntl(ввод_, F_SETFL, O_NONBLOCK);
  ::signal(SIGPIPE, SIG_IGN);
}

ПроцессСервера::~ПроцессСервера() {
  закрыть(ввод_);
  if (!код_ && pid_ > 0) {
    ::kill(pid_, SIGKILL);
    int статус = 0;
    ::waitpid(pid_, &статус, 0);
  }
  закрыть(вывод_fd_);
  закрыть(ошибки_fd_);
}

bool ПроцессСервера::читать(std::chrono::milliseconds ожидание) {
  pollfd fds[2] = {{вывод_fd_, POLLIN, 0}, {ошибки_fd_, POLLIN, 0}};
  if (вывод_fd_ < 0 && ошибки_fd_ < 0) return false;
  const int готово = ::poll(fds, 2, static_cast<int>(ожидание.count()));
  if (готово <= 0) return true;
  char буфер[65536];
  for (int i = 0; i < 2; ++i) {
    if (fds[i].fd < 0 || (fds[i].revents & (POLLIN | POLLHUP | POLLERR)) == 0) continue;
    const auto n = ::read(fds[i].fd, буфер, sizeof буфер);
    if (n > 0) {
      (i == 0 ? вывод_ : ошибки_).append(буфер, static_cast<std::size_t>(n));
    } else if (n == 0 || errno != EINTR) {
      закрыть(i == 0 ? вывод_fd_ : ошибки_fd_);
    }
  }
  while (разобрать_кадр()) {
  }
  return true;
}

bool ПроцессСервера::разобрать_кадр() {
  const auto конец_заголовков = вывод_.find("\r\n\r\n");
  if (конец_заголовков == std::string::npos) return false;
  const auto начало = вывод_.find("Content-Length: ");
  if (начало != 0) return false;
  const std::size_t длина = std::stoul(вывод_.substr(16, конец_заголовков - 16));
  if (вывод_.size() < конец_заголовков + 4 + длина) return false;
  сообщения_.push_back(nlohmann::json::parse(вывод_.substr(конец_заголовков + 4, длина)));
  вывод_.erase(0, конец_заголовков + 4 + длина);
  return true;
}

bool ПроцессСервера::записать(std::string_view байты) {
  while (!байты.empty()) {
    if (ввод_ < 0) return false;
    pollfd fds[3] = {{ввод_, POLLOUT, 0}, {вывод_fd_, POLLIN, 0}, {ошибки_fd_, POLLIN, 0}};
    if (::poll(fds, 3, 1000) < 0 && errno != EINTR) return false;
    if (fds[0].revents & (POLLERR | POLLHUP)) return false;
    if (fds[0].revents & POLLOUT) {
      const auto n = ::write(ввод_, байты.data(), байты.size());
      if (n < 0 && errno != EAGAIN && errno != EINTR) return false;
      if (n > 0) байты.remove_prefix(static_cast<std::size_t>(n));
    }
    if ((fds[1].revents | fds[2].revents) != 0) читать(std::chrono::milliseconds(0));
  }
  return true;
}

void ПроцессСервера::закрыть_ввод() { закрыть(ввод_); }

std::optional<nlohmann::json> ПроцессСервера::следующее(std::chrono::milliseconds ожидание) {
  const auto срок = Часы::now() + ожидание;
  while (выдано_ >= сообщения_.size()) {
    const auto осталось = std::chrono::duration_cast<std::chrono::milliseconds>(срок - Часы::now());
    if (осталось.count() <= 0 || вывод_fd_ < 0) return std::nullopt;
    читать(осталось);
  }
  return сообщения_[выдано_++];
}

int ПроцессСервера::дождаться(std::chrono::milliseconds ожидание) {
  const auto срок = Часы::now() + ожидание;
  while ((вывод_fd_ >= 0 || ошибки_fd_ >= 0) && Часы::now() < срок) читать(std::chrono::milliseconds(100));
  if (!код_) {
    int статус = 0;
    if (вывод_fd_ >= 0 || ошибки_fd_ >= 0) ::kill(pid_, SIGKILL);
    ::waitpid(pid_, &статус, 0);
    код_ = WIFEXITED(статус) ? WEXITSTATUS(статус) : 128 + WTERMSIG(статус);
  }
  return *код_;
}

ИтогСеанса выполнить_сеанс(std::string_view ввод) {
  ПроцессСервера сервер;
  сервер.записать(ввод);
  сервер.закрыть_ввод();
  ИтогСеанса итог;
  итог.код = сервер.дождаться();
  итог.сообщения = сервер.прочитанные();
  итог.ошибки = сервер.ошибки();
  итог.остаток = сервер.остаток();
  return итог;
}

}  // namespace тувра::lsp::проверка
