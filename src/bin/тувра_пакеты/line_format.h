// The one line format of manifests, lock files, package manifests and the index catalog.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "support/expected.h"

namespace тувра::пакеты {

struct Зависимость {
  std::string имя;
  std::string источник;
  std::optional<std::string> ветка;
  std::optional<std::string> версия;
  std::optional<std::string> описание;

  bool operator==(const Зависимость&) const = default;
};

// The same fields as views into the text the line was read from: a line as long as a whole file
// is not copied to be looked at.
struct ВидЗависимости {
  std::string_view имя;
  std::string_view источник;
  std::optional<std::string_view> ветка;
  std::optional<std::string_view> версия;
  std::optional<std::string_view> описание;

  Зависимость запись() const;
};

ВидЗависимости вид_записи(const Зависимость& запись);

// The bytes of all its fields together: room to reserve for a text made of them.
std::size_t размер_полей(const Зависимость& запись);

using ПриёмЗаписи = std::function<void(Зависимость)>;
using ПриёмВида = std::function<void(const ВидЗависимости&)>;

// Hands the record of each line to `взять`, in line order, holding no other; stops at the first
// bad line with its message (records handed over before it stay handed over).
Итог<Пусто, std::string> обойти_зависимости(std::string_view текст, const ПриёмЗаписи& взять);
Итог<Пусто, std::string> обойти_виды(std::string_view текст, const ПриёмВида& взять);

// The records of all lines in order, or the message of the first bad line.
Итог<std::vector<Зависимость>, std::string> разобрать_зависимости(std::string_view текст);

Итог<std::vector<Зависимость>, std::string> разобрать_файл_блокировки(std::string текст);

Зависимость копия_зависимости(const Зависимость& зависимость);

// "{имя} = git {источник}" with " ветка=", " версия=" and " описание=\"…\"" when present,
// in that order, without a line feed: the line the add command appends.
std::string строка_зависимости(const Зависимость& зависимость);

}  // namespace тувра::пакеты
