#include "semantic/lowering.h"

#include <array>
#include <cstdint>
#include <limits>
#include <span>
#include <variant>
#include <vector>

#include "semantic/analyser.h"
#include "semantic/instance_names.h"

namespace тувра {

namespace {

using Синтаксис = СинтаксическийТип;

// The 14 primitive alternatives of a written type come first and in the order of `ВидТипа`.
static_assert(std::is_same_v<std::variant_alternative_t<0, Синтаксис::Вариант>, Синтаксис::Целое>);
static_assert(std::is_same_v<std::variant_alternative_t<13, Синтаксис::Вариант>, Синтаксис::Верно>);
static_assert(static_cast<int>(ВидТипа::Верно) == 13);
constexpr std::size_t число_примитивов = 14;

// The parts a written type lowers, in order; an array without size and a generic type without
// arguments lower to `Неизвестен` and need none.
std::size_t число_частей(const Синтаксис& тип) {
  if (auto* обобщённый = std::get_if<Синтаксис::Обобщённый>(&тип.вид)) return обобщённый->параметры.size();
  if (auto* массив = std::get_if<Синтаксис::Массив>(&тип.вид)) return массив->размер ? 1 : 0;
  if (auto* опциональный = std::get_if<Синтаксис::Опциональный>(&тип.вид)) return опциональный->внутренний ? 1 : 0;
  if (auto* результат = std::get_if<Синтаксис::Результат>(&тип.вид)) return результат->внутренний ? 1 : 0;
  if (auto* канал = std::get_if<Синтаксис::Канал>(&тип.вид)) return канал->внутренний ? 1 : 0;
  return 0;
}

const Синтаксис& часть(const Синтаксис& тип, std::size_t номер) {
  if (auto* обобщённый = std::get_if<Синтаксис::Обобщённый>(&тип.вид)) return обобщённый->параметры[номер];
  if (auto* массив = std::get_if<Синтаксис::Массив>(&тип.вид)) return *массив->элемент;
  if (auto* опциональный = std::get_if<Синтаксис::Опциональный>(&тип.вид)) return *опциональный->внутренний;
  if (auto* результат = std::get_if<Синтаксис::Результат>(&тип.вид)) return *результат->внутренний;
  return *std::get<Синтаксис::Канал>(тип.вид).внутренний;
}

bool это_список(const Синтаксис::Обобщённый& тип) { return тип.имя == "Список" && тип.параметры.size() == 1; }
bool это_словарь(const Синтаксис::Обобщённый& тип) { return тип.имя == "Словарь" && тип.параметры.size() == 2; }

// Only the element of a `Список` and the key and value of a `Словарь` keep knowing contracts.
bool части_знают_контракты(const Синтаксис& тип) {
  auto* обобщённый = std::get_if<Синтаксис::Обобщённый>(&тип.вид);
  return обобщённый && (это_список(*обобщённый) || это_словарь(*обобщённый));
}

// The `Структура` of a generic type's instance. Every level of `Ящик<Список<Ящик<…>>>` escapes
// the quotes and backslashes of the name inside it once more, doubling them, so the name is
// built no further than just past its bound. Past it the type cannot be named and stays
// `Неизвестен`, or, when the caller asks to know (обрезано), keeps the cut name and says so.
Тип тип_экземпляра(ТаблицаТипов& таблица, std::string_view база, std::span<const Тип> части, bool* обрезано) {
  ИмяЭкземпляра имя = имя_экземпляра_в_пределе(база, части, предел_имени_экземпляра);
  if (!имя.в_пределе) {
    if (!обрезано) return Тип();
    *обрезано = true;
  }
  return таблица.структура(имя.имя);
}

// The type of one written type whose parts are the last `n` entries of `готовые`, which it takes.
Тип собрать(ТаблицаТипов& т, const Синтаксис& тип, const Анализатор* контракты, bool* обрезано,
            std::vector<Тип>& готовые, std::size_t n) {
  if (тип.вид.index() < число_примитивов) return Тип(static_cast<ВидТипа>(тип.вид.index()));
  Тип* части = готовые.data() + (готовые.size() - n);
  Тип результат;
  if (auto* пользовательский = std::get_if<Синтаксис::Пользовательский>(&тип.вид)) {
    const std::string_view имя = пользовательский->имя;
    bool контракт = контракты && контракты->реестр_контрактов.содержит(имя);
    результат = контракт ? т.контракт(имя) : т.структура(имя);
  } else if (auto* обобщённый = std::get_if<Синтаксис::Обобщённый>(&тип.вид)) {
    if (это_список(*обобщённый)) {
      результат = т.список(части[0]);
    } else if (это_словарь(*обобщённый)) {
      результат = т.словарь(части[0], части[1]);
    } else if (n > 0) {
      результат = тип_экземпляра(т, обобщённый->имя, std::span<const Тип>(части, n), обрезано);
    }
  } else if (auto* массив = std::get_if<Синтаксис::Массив>(&тип.вид)) {
    if (массив->размер) результат = т.массив(части[0], static_cast<std::uint64_t>(*массив->размер));
  } else if (std::holds_alternative<Синтаксис::Опциональный>(тип.вид)) {
    результат = т.опциональный(части[0]);
  } else if (std::holds_alternative<Синтаксис::Результат>(тип.вид)) {
    результат = т.результат(части[0]);
  } else if (std::holds_alternative<Синтаксис::Канал>(тип.вид)) {
    результат = т.канал(части[0]);
  }
  готовые.resize(готовые.size() - n);
  return результат;
}

struct Кадр {
  const Синтаксис* тип;
  bool знает_контракты;
  std::size_t следующая_часть = 0;
};

// Post-order over the written type with an explicit stack: parts first, then their owner.
Тип понизить(ТаблицаТипов& т, const Синтаксис& корень, const Анализатор* анализатор, bool* обрезано) {
  std::vector<Тип> готовые;
  if (число_частей(корень) == 0) return собрать(т, корень, анализатор, обрезано, готовые, 0);
  std::vector<Кадр> кадры{{&корень, анализатор != nullptr}};
  while (!кадры.empty()) {
    Кадр& кадр = кадры.back();
    std::size_t частей = число_частей(*кадр.тип);
    if (кадр.следующая_часть < частей) {
      const Синтаксис& следующая = часть(*кадр.тип, кадр.следующая_часть++);
      bool знает = кадр.знает_контракты && части_знают_контракты(*кадр.тип);
      кадры.push_back({&следующая, знает});
      continue;
    }
    Тип тип = собрать(т, *кадр.тип, кадр.знает_контракты ? анализатор : nullptr, обрезано, готовые, частей);
    кадры.pop_back();
    готовые.push_back(std::move(тип));
  }
  return std::move(готовые.back());
}

constexpr std::array<std::string_view, число_примитивов> ключевые_слова = {
    "целое",     "целое8",    "целое16", "целое32",   "целое64",   "беззнак8", "беззнак16",
    "беззнак32", "беззнак64", "дробное", "дробное32", "дробное64", "текст",    "верно",
};

}  // namespace

Тип тип_из_синтаксиса(ТаблицаТипов& таблица, const СинтаксическийТип& тип) {
  return понизить(таблица, тип, nullptr, nullptr);
}

std::optional<Тип> возврат_из_синтаксиса(ТаблицаТипов& таблица, const std::optional<СинтаксическийТип>& тип) {
  if (!тип) return std::nullopt;
  return понизить(таблица, *тип, nullptr, nullptr);
}

Тип разрешить_тип(Анализатор& анализатор, const СинтаксическийТип& тип) {
  return понизить(анализатор.типы, тип, &анализатор, nullptr);
}

Тип тип_объявления(Анализатор& анализатор, const СинтаксическийТип& тип) {
  auto [место, новое] = анализатор.типы_объявлений.try_emplace(&тип);
  if (новое) место->second = тип_из_синтаксиса(анализатор.типы, тип);
  return место->second;
}

std::optional<Тип> возврат_объявления(Анализатор& анализатор, const std::optional<СинтаксическийТип>& тип) {
  if (!тип) return std::nullopt;
  return тип_объявления(анализатор, *тип);
}

Тип разрешённый_тип_объявления(Анализатор& анализатор, const СинтаксическийТип& тип) {
  auto [место, новое] = анализатор.разрешённые_типы_объявлений.try_emplace(&тип);
  if (новое) место->second = разрешить_тип(анализатор, тип);
  return место->second;
}

Тип тип_аргумента_экземпляра(ТаблицаТипов& таблица, const СинтаксическийТип& тип, bool& имя_обрезано) {
  return понизить(таблица, тип, nullptr, &имя_обрезано);
}

void ключевое_слово_типа(const Тип& тип, std::string& куда, std::size_t предел) {
  auto номер = static_cast<std::size_t>(тип.вид());
  if (номер < число_примитивов) {
    куда += ключевые_слова[номер];
  } else if (тип.это(ВидТипа::Структура)) {
    if (куда.size() > предел) return;
    const std::string_view имя = тип.имя();
    const std::size_t места = предел - куда.size();
    куда.append(имя, 0, имя.size() <= места ? имя.size() : места + 1);
  } else {
    отладочный_текст_типа(тип, куда, предел);
  }
}

void ключевое_слово_типа(const Тип& тип, std::string& куда) {
  ключевое_слово_типа(тип, куда, std::numeric_limits<std::size_t>::max());
}

std::string ключевое_слово_типа(const Тип& тип) {
  std::string слово;
  ключевое_слово_типа(тип, слово);
  return слово;
}

std::optional<Тип> тип_приведения(std::string_view имя) {
  // The first 12 keywords are exactly the numeric ones.
  for (std::size_t номер = 0; номер <= static_cast<std::size_t>(ВидТипа::Дробное64); ++номер) {
    if (ключевые_слова[номер] == имя) return Тип(static_cast<ВидТипа>(номер));
  }
  return std::nullopt;
}

}  // namespace тувра
