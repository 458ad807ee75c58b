#include "versions.h"

#include <algorithm>
#include <limits>

namespace тувра::пакеты {
namespace {

constexpr std::uint64_t кМакс = std::numeric_limits<std::uint64_t>::max();

std::optional<std::uint64_t> разобрать_число(std::string_view часть) {
  if (часть.empty()) return std::nullopt;
  std::uint64_t значение = 0;
  for (const char с : часть) {
    if (с < '0' || с > '9') return std::nullopt;
    const auto цифра = static_cast<std::uint64_t>(с - '0');
    if (значение > (кМакс - цифра) / 10) return std::nullopt;
    значение = значение * 10 + цифра;
  }
  return значение;
}

// When the number a bound needs is past the largest one, the bound is the lower bound
// itself: the interval holds no version, so such a requirement finds no tag or conflicts.
Версия следующий_мажор(const Версия& в) {
  if (в.мажор == кМакс) return в;
  return Версия{в.мажор + 1, 0, 0};
}

Версия следующий_минор(const Версия& в) {
  if (в.минор == кМакс) return в;
  return Версия{в.мажор, в.минор + 1, 0};
}

Версия следующий_патч(const Версия& в) {
  if (в.патч == кМакс) return в;
  return Версия{в.мажор, в.минор, в.патч + 1};
}

std::string версия_в_текст(const Версия& в) {
  return std::to_string(в.мажор) + "." + std::to_string(в.минор) + "." + std::to_string(в.патч);
}

}  // namespace

std::optional<Версия> разобрать_версию(std::string_view текст) {
  if (!текст.empty() && текст.front() == 'v') текст.remove_prefix(1);
  текст = текст.substr(0, текст.find_first_of("-+"));
  std::optional<std::uint64_t> части[3];
  for (std::size_t номер = 0; номер < 3; ++номер) {
    const std::size_t точка = текст.find('.');
    const bool последняя = номер == 2;
    if (последняя != (точка == std::string_view::npos)) return std::nullopt;
    части[номер] = разобрать_число(текст.substr(0, точка));
    if (!части[номер]) return std::nullopt;
    текст = последняя ? std::string_view{} : текст.substr(точка + 1);
  }
  return Версия{*части[0], *части[1], *части[2]};
}

std::optional<Требование> требование_из_текста(const std::optional<std::string>& текст) {
  if (!текст) return std::nullopt;
  const std::string_view т = *текст;
  ВидТребования вид = ВидТребования::Точная;
  std::string_view число = т;
  if (!т.empty() && (т.front() == '~' || т.front() == '^')) {
    вид = т.front() == '~' ? ВидТребования::Тильда : ВидТребования::Каретка;
    число.remove_prefix(1);
  }
  const std::optional<Версия> версия = разобрать_версию(число);
  if (!версия) return std::nullopt;
  const Версия& в = *версия;
  std::optional<Версия> верх;
  switch (вид) {
    case ВидТребования::Тильда: верх = следующий_минор(в); break;
    case ВидТребования::Каретка:
      верх = в.мажор > 0 ? следующий_мажор(в) : в.минор > 0 ? следующий_минор(в) : следующий_патч(в);
      break;
    case ВидТребования::Точная: верх = следующий_патч(в); break;
  }
  return Требование{вид, ИнтервалВерсий{в, верх}, в};
}

bool интервал_пуст(const ИнтервалВерсий& интервал) {
  return интервал.верхняя_граница && интервал.нижняя_граница >= *интервал.верхняя_граница;
}

bool в_интервале(const Версия& версия, const ИнтервалВерсий& интервал) {
  if (версия < интервал.нижняя_граница) return false;
  return !интервал.верхняя_граница || версия < *интервал.верхняя_граница;
}

std::optional<ИнтервалВерсий> пересечь_интервалы(const ИнтервалВерсий& а, const ИнтервалВерсий& б) {
  ИнтервалВерсий итог{std::max(а.нижняя_граница, б.нижняя_граница), std::nullopt};
  if (а.верхняя_граница && б.верхняя_граница) {
    итог.верхняя_граница = std::min(*а.верхняя_граница, *б.верхняя_граница);
  } else {
    итог.верхняя_граница = а.верхняя_граница ? а.верхняя_граница : б.верхняя_граница;
  }
  if (интервал_пуст(итог)) return std::nullopt;
  return итог;
}

std::string интервал_в_текст(const ИнтервалВерсий& интервал) {
  std::string текст = ">=" + версия_в_текст(интервал.нижняя_граница);
  if (интервал.верхняя_граница) текст += ", <" + версия_в_текст(*интервал.верхняя_граница);
  return текст;
}

}  // namespace тувра::пакеты
