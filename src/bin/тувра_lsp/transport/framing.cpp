#include "transport/framing.h"

#include <algorithm>
#include <charconv>
#include <cstring>

#include "transport/message.h"

namespace тувра::lsp {

namespace {

constexpr std::size_t размер_порции = 64 * 1024;

ОшибкаВвода неверные_данные(std::string текст) { return ОшибкаВвода{ОшибкаВвода::Вид::InvalidData, std::move(текст)}; }

bool равны_без_регистра(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           auto вниз = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
           return вниз(x) == вниз(y);
         });
}

std::string_view без_пробелов(std::string_view текст) {
  while (!текст.empty() && (текст.front() == ' ' || текст.front() == '\t')) текст.remove_prefix(1);
  while (!текст.empty() && (текст.back() == ' ' || текст.back() == '\t')) текст.remove_suffix(1);
  return текст;
}

// The value of a "Content-Length" line, nothing for another header, or the error.
Итог<std::optional<std::size_t>, ОшибкаВвода> разобрать_заголовок(std::string_view строка) {
  const auto двоеточие = строка.find(':');
  if (двоеточие == std::string_view::npos) {
    return Неудача{неверные_данные("malformed header: " + отладочная_строка(строка))};
  }
  if (!равны_без_регистра(без_пробелов(строка.substr(0, двоеточие)), "content-length")) {
    return std::optional<std::size_t>{};
  }
  const auto значение = без_пробелов(строка.substr(двоеточие + 1));
  std::size_t длина = 0;
  const auto [где, ошибка] = std::from_chars(значение.data(), значение.data() + значение.size(), длина);
  if (значение.empty() || ошибка != std::errc() || где != значение.data() + значение.size()) {
    return Неудача{неверные_данные("malformed Content-Length: " + отладочная_строка(значение))};
  }
  return std::optional<std::size_t>{длина};
}

}  // namespace

std::string отладочный_вид(const ОшибкаВвода& ошибка) {
  const char* вид = ошибка.вид == ОшибкаВвода::Вид::InvalidData     ? "InvalidData"
                    : ошибка.вид == ОшибкаВвода::Вид::UnexpectedEof ? "UnexpectedEof"
                                                                    : "Other";
  return std::string("Custom { kind: ") + вид + ", error: " + отладочная_строка(ошибка.текст) + " }";
}

ЧтецКадров::ЧтецКадров(Источник& источник, std::size_t запас)
    : источник_(источник), запас_(запас), буфер_(размер_порции + запас) {}

Итог<bool, ОшибкаВвода> ЧтецКадров::дочитать(std::size_t сколько) {
  while (конец_ - начало_ < сколько) {
    if (начало_ > 0) {
      std::memmove(буфер_.data(), буфер_.data() + начало_, конец_ - начало_);
      конец_ -= начало_;
      начало_ = 0;
    }
    // Grow with what has arrived, not with what the header promises: a huge Content-Length
    // alone must not allocate.
    const std::size_t нужно = std::min(сколько, конец_ + размер_порции) + запас_;
    if (буфер_.size() < нужно) буфер_.resize(std::max(нужно, буфер_.size() * 2));
    auto прочитано = источник_.прочитать(буфер_.data() + конец_, буфер_.size() - запас_ - конец_);
    if (!прочитано) return Неудача{std::move(прочитано).error()};
    if (*прочитано == 0) return false;
    конец_ += *прочитано;
  }
  return true;
}

Итог<std::optional<std::string_view>, ОшибкаВвода> ЧтецКадров::строка_заголовка() {
  std::size_t просмотрено = 0;
  for (;;) {
    const char* начало = буфер_.data() + начало_;
    const void* перевод = std::memchr(начало + просмотрено, '\n', конец_ - начало_ - просмотрено);
    if (перевод != nullptr) {
      const auto длина = static_cast<std::size_t>(static_cast<const char*>(перевод) - начало);
      std::string_view строка(начало, длина);
      начало_ += длина + 1;
      if (!строка.empty() && строка.back() == '\r') строка.remove_suffix(1);
      return std::optional<std::string_view>{строка};
    }
    просмотрено = конец_ - начало_;
    // A header line has no business being this long.
    if (просмотрено > размер_порции) return Неудача{неверные_данные("malformed header: line too long")};
    auto есть = дочитать(просмотрено + 1);
    if (!есть) return Неудача{std::move(есть).error()};
    if (!*есть) {
      if (просмотрено == 0) return std::optional<std::string_view>{};
      return Неудача{неверные_данные("malformed header: input ended inside a header line")};
    }
  }
}

// A document's text arrives whole in each message; keeping the buffer it grew would keep one
// more copy of the largest document for as long as the server runs.
void ЧтецКадров::отпустить_лишнее() {
  const std::size_t остаток = конец_ - начало_;
  const std::size_t обычный = размер_порции + запас_;
  if (буфер_.size() <= 4 * обычный || остаток > размер_порции) return;
  std::vector<char> новый(обычный);
  std::memcpy(новый.data(), буфер_.data() + начало_, остаток);
  буфер_ = std::move(новый);
  начало_ = 0;
  конец_ = остаток;
}

Итог<std::optional<std::string_view>, ОшибкаВвода> ЧтецКадров::следующий() {
  отпустить_лишнее();
  std::optional<std::size_t> длина;
  for (bool первая = true;; первая = false) {
    auto строка = строка_заголовка();
    if (!строка) return Неудача{std::move(строка).error()};
    if (!*строка) {
      // The end of input between header lines of one message is also where a header line is
      // expected; only the first one marks a clean end, the others are a cut-off message.
      if (первая) return std::optional<std::string_view>{};
      return Неудача{ОшибкаВвода{ОшибкаВвода::Вид::UnexpectedEof, "input ended inside the headers"}};
    }
    if ((*строка)->empty()) break;
    auto значение = разобрать_заголовок(**строка);
    if (!значение) return Неудача{std::move(значение).error()};
    if (*значение) длина = **значение;
  }
  if (!длина) return Неудача{неверные_данные("no Content-Length")};
  auto есть = дочитать(*длина);
  if (!есть) return Неудача{std::move(есть).error()};
  if (!*есть) {
    return Неудача{ОшибкаВвода{ОшибкаВвода::Вид::UnexpectedEof, "input ended inside a message body"}};
  }
  std::string_view тело(буфер_.data() + начало_, *длина);
  начало_ += *длина;
  return std::optional<std::string_view>{тело};
}

std::string кадр(std::string_view тело) {
  std::string текст = "Content-Length: " + std::to_string(тело.size()) + "\r\n\r\n";
  текст.append(тело);
  return текст;
}

}  // namespace тувра::lsp
