// The state of one install run: the queue, the chosen packages, the requesters, the counters.
#pragma once

#include <cstdint>
#include <deque>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "line_format.h"
#include "package_name.h"
#include "packed_records.h"
#include "tag_resolution.h"
#include "versions.h"

namespace тувра::пакеты {

struct ЗапросЗависимости {
  Зависимость зависимость;
  std::optional<std::string> запрошен_через;  // none for lines of the project manifest
};

// First in, first out. The lines of one manifest follow each other with one requester, so each
// manifest is kept whole, packed, and goes as soon as its last line is taken.
class ОчередьЗапросов {
 public:
  void добавить(УпакованныеЗависимости записи, std::optional<std::string> запрошен_через);
  bool empty() const { return манифесты_.empty(); }
  ЗапросЗависимости взять();

 private:
  struct Манифест {
    УпакованныеЗависимости записи;
    std::optional<std::string> запрошен_через;
    std::size_t место = 0;  // of the next record
  };
  std::deque<Манифест> манифесты_;
};

struct ВыбранныйПакет {
  std::optional<Версия> выбранная_версия;
  std::optional<ИнтервалВерсий> интервал;
  std::string источник;
  std::optional<std::string> версия;  // what the clone was given
  std::optional<std::string> запрошен_через;
};

struct СостояниеУстановки {
  ОчередьЗапросов очередь;
  std::map<std::string, ВыбранныйПакет> выбранные;
  std::map<std::string, std::vector<std::string>> кем_требуется;
  РазличимыеИмена имена;  // of the packages in выбранные
  Блокировка блокировка;
  std::uint32_t установлено_напрямую = 0;
  std::uint32_t установлено_транзитивно = 0;
  std::uint32_t обновлено = 0;
};

}  // namespace тувра::пакеты
