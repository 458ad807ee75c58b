// The state of one install run: the queue, the chosen packages, the requesters, the counters.
#pragma once

#include <cstdint>
#include <deque>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "line_format.h"
#include "tag_resolution.h"
#include "versions.h"

namespace тувра::пакеты {

struct ЗапросЗависимости {
  Зависимость зависимость;
  std::optional<std::string> запрошен_через;  // none for lines of the project manifest
};

struct ВыбранныйПакет {
  std::optional<Версия> выбранная_версия;
  std::optional<ИнтервалВерсий> интервал;
  std::string источник;
  std::optional<std::string> версия;  // what the clone was given
  std::optional<std::string> запрошен_через;
};

struct СостояниеУстановки {
  std::deque<ЗапросЗависимости> очередь;
  std::map<std::string, ВыбранныйПакет> выбранные;
  std::map<std::string, std::vector<std::string>> кем_требуется;
  Блокировка блокировка;
  std::uint32_t установлено_напрямую = 0;
  std::uint32_t установлено_транзитивно = 0;
  std::uint32_t обновлено = 0;
};

}  // namespace тувра::пакеты
