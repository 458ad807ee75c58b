// Which messages of the package manager a text it wrote holds, told from the table's templates
// alone: a kind is found where its fixed pieces stand in their order, each value between two of
// them on one line, and not only inside a longer message whose own words hold that kind's.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "messages.h"

namespace тувра::пакеты::испытания {

// Where each program test leaves the kinds of the messages its runs wrote, one file a test, for
// the coverage test that runs after them all.
std::filesystem::path папка_видов();

class Распознаватель {
 public:
  Распознаватель();

  // The kinds the text holds, each once, in the table's order.
  std::vector<ВидСообщения> виды(std::string_view текст) const;

  // The template of the kind with every place filled by the same neutral value.
  static std::string заполненный(ВидСообщения вид);

 private:
  struct Отрезок {
    std::size_t начало;
    std::size_t конец;
  };

  std::vector<Отрезок> места(ВидСообщения вид, std::string_view текст) const;

  std::vector<std::vector<std::string_view>> куски_;   // the fixed pieces of each kind
  std::vector<std::vector<ВидСообщения>> объемлющие_;  // the kinds whose own text holds the kind
};

}  // namespace тувра::пакеты::испытания
