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

using ПриёмЗаписи = std::function<void(Зависимость)>;

// Hands the record of each line to `взять`, in line order, holding no other; stops at the first
// bad line with its message (records handed over before it stay handed over).
Итог<Пусто, std::string> обойти_зависимости(std::string_view текст, const ПриёмЗаписи& взять);

// The records of all lines in order, or the message of the first bad line.
Итог<std::vector<Зависимость>, std::string> разобрать_зависимости(std::string_view текст);

Итог<std::vector<Зависимость>, std::string> разобрать_файл_блокировки(std::string текст);

Зависимость копия_зависимости(const Зависимость& зависимость);

// "{имя} = git {источник}" with " ветка=", " версия=" and " описание=\"…\"" when present,
// in that order, without a line feed: the line the add command appends.
std::string строка_зависимости(const Зависимость& зависимость);

}  // namespace тувра::пакеты
