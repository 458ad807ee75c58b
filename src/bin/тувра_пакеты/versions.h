// Semantic versions, requirements and the half-open intervals they stand for.
#pragma once

#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace тувра::пакеты {

struct Версия {
  std::uint64_t мажор = 0;
  std::uint64_t минор = 0;
  std::uint64_t патч = 0;

  auto operator<=>(const Версия&) const = default;
};

struct ИнтервалВерсий {
  Версия нижняя_граница;
  std::optional<Версия> верхняя_граница;  // exclusive; none means unbounded

  bool operator==(const ИнтервалВерсий&) const = default;
};

enum class ВидТребования { Точная, Каретка, Тильда };

struct Требование {
  ВидТребования вид;
  ИнтервалВерсий интервал;
  Версия версия;
};

std::optional<Версия> разобрать_версию(std::string_view текст);
std::optional<Требование> требование_из_текста(const std::optional<std::string>& текст);
// True when no version lies in it (a requirement whose bound is past the largest number).
bool интервал_пуст(const ИнтервалВерсий& интервал);
bool в_интервале(const Версия& версия, const ИнтервалВерсий& интервал);
std::optional<ИнтервалВерсий> пересечь_интервалы(const ИнтервалВерсий& а, const ИнтервалВерсий& б);
std::string интервал_в_текст(const ИнтервалВерсий& интервал);

}  // namespace тувра::пакеты
