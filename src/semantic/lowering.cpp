#include "semantic/lowering.h"

#include <array>
#include <cstdint>
#include <limits>
#include <span>
#include <unordered_map>
#include <variant>
#include <vector>

#include "semantic/analyser.h"
#include "semantic/instance_names.h"
#include "semantic/messages.h"
#include "support/propagate.h"

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
// built no further than just past its bound; such a cut name is kept in обрезанные.
Тип тип_экземпляра(ТаблицаТипов& таблица, std::string_view база, std::span<const Тип> части,
                   std::vector<Тип>& обрезанные) {
  ИмяЭкземпляра имя = имя_экземпляра_в_пределе(база, части, предел_имени_экземпляра);
  Тип тип = таблица.структура(имя.имя);
  if (!имя.в_пределе) обрезанные.push_back(тип);
  return тип;
}

// The type of one written type whose parts are the last `n` entries of `готовые`, which it takes.
Тип собрать(ТаблицаТипов& т, const Синтаксис& тип, const Анализатор* контракты, std::vector<Тип>& обрезанные,
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
      результат = тип_экземпляра(т, обобщённый->имя, std::span<const Тип>(части, n), обрезанные);
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

using Известные = std::unordered_map<const Синтаксис*, Тип>;

// A replaced type parameter whose type is known, unless contracts could make it another: a
// place where contract names count lowers as written while the run has contracts.
const Тип* известный(const Синтаксис& тип, bool знает_контракты, const Анализатор* анализатор,
                     const Известные* известные) {
  if (!известные || известные->empty()) return nullptr;
  if (знает_контракты && !анализатор->реестр_контрактов.empty()) return nullptr;
  const auto место = известные->find(&тип);
  return место == известные->end() ? nullptr : &место->second;
}

// Post-order over the written type with an explicit stack: parts first, then their owner.
Тип понизить(ТаблицаТипов& т, const Синтаксис& корень, const Анализатор* анализатор, std::vector<Тип>& обрезанные,
             const Известные* известные = nullptr) {
  if (const Тип* готов = известный(корень, анализатор != nullptr, анализатор, известные)) return *готов;
  std::vector<Тип> готовые;
  if (число_частей(корень) == 0) return собрать(т, корень, анализатор, обрезанные, готовые, 0);
  std::vector<Кадр> кадры{{&корень, анализатор != nullptr}};
  while (!кадры.empty()) {
    Кадр& кадр = кадры.back();
    std::size_t частей = число_частей(*кадр.тип);
    if (кадр.следующая_часть < частей) {
      const Синтаксис& следующая = часть(*кадр.тип, кадр.следующая_часть++);
      bool знает = кадр.знает_контракты && части_знают_контракты(*кадр.тип);
      if (const Тип* готов = известный(следующая, знает, анализатор, известные)) {
        готовые.push_back(*готов);
      } else {
        кадры.push_back({&следующая, знает});
      }
      continue;
    }
    Тип тип = собрать(т, *кадр.тип, кадр.знает_контракты ? анализатор : nullptr, обрезанные, готовые, частей);
    кадры.pop_back();
    готовые.push_back(std::move(тип));
  }
  return std::move(готовые.back());
}

// The outermost of the cut instances in тип, the first in written order: the instance whose
// constructor would be refused by the same name.
const Тип& внешний_обрезанный(const Тип& тип, const std::vector<Тип>& обрезанные) {
  const auto обрезан = [&](const Тип& часть) -> const Тип* {
    for (const Тип& т : обрезанные)
      if (т.тот_же(часть)) return &т;
    return nullptr;
  };
  std::vector<Тип> ждут{тип};
  while (!ждут.empty()) {
    const Тип часть = ждут.back();
    ждут.pop_back();
    if (const Тип* найден = обрезан(часть)) return *найден;
    const УзелТипа& узел = часть.узел();
    if (узел.второй) ждут.push_back(часть.значение());
    if (узел.первый) ждут.push_back(часть.внутренний());
  }
  return обрезанные.front();
}

ИтогАнализа<Тип> проверенный(ТаблицаТипов& т, const Синтаксис& тип, const Анализатор* анализатор,
                             const Известные* известные = nullptr) {
  std::vector<Тип> обрезанные;
  Тип итог = понизить(т, тип, анализатор, обрезанные, известные);
  if (обрезанные.empty()) return итог;
  const std::string_view имя = внешний_обрезанный(итог, обрезанные).имя();
  return неудача(сообщения::слишком_длинное_имя_экземпляра(имя, предел_имени_экземпляра));
}

constexpr std::array<std::string_view, число_примитивов> ключевые_слова = {
    "целое",     "целое8",    "целое16", "целое32",   "целое64",   "беззнак8", "беззнак16",
    "беззнак32", "беззнак64", "дробное", "дробное32", "дробное64", "текст",    "верно",
};

}  // namespace

ИтогАнализа<Тип> тип_из_синтаксиса(ТаблицаТипов& таблица, const СинтаксическийТип& тип) {
  return проверенный(таблица, тип, nullptr);
}

ИтогАнализа<std::optional<Тип>> возврат_из_синтаксиса(ТаблицаТипов& таблица,
                                                      const std::optional<СинтаксическийТип>& тип) {
  if (!тип) return std::optional<Тип>();
  ТУВРА_ВЗЯТЬ(итог, проверенный(таблица, *тип, nullptr));
  return std::optional<Тип>(итог);
}

ИтогАнализа<Тип> тип_из_синтаксиса(Анализатор& анализатор, const СинтаксическийТип& тип) {
  return проверенный(анализатор.типы, тип, nullptr, &анализатор.типы_замен);
}

ИтогАнализа<Тип> разрешить_тип(Анализатор& анализатор, const СинтаксическийТип& тип) {
  return проверенный(анализатор.типы, тип, &анализатор, &анализатор.типы_замен);
}

ИтогАнализа<Тип> тип_объявления(Анализатор& анализатор, const СинтаксическийТип& тип) {
  auto& кеш = анализатор.типы_объявлений;
  if (const auto место = кеш.find(&тип); место != кеш.end()) return место->second;
  ТУВРА_ВЗЯТЬ(итог, тип_из_синтаксиса(анализатор.типы, тип));
  кеш.emplace(&тип, итог);
  return итог;
}

ИтогАнализа<std::optional<Тип>> возврат_объявления(Анализатор& анализатор,
                                                   const std::optional<СинтаксическийТип>& тип) {
  if (!тип) return std::optional<Тип>();
  ТУВРА_ВЗЯТЬ(итог, тип_объявления(анализатор, *тип));
  return std::optional<Тип>(итог);
}

ИтогАнализа<Тип> разрешённый_тип_объявления(Анализатор& анализатор, const СинтаксическийТип& тип) {
  auto& кеш = анализатор.разрешённые_типы_объявлений;
  if (const auto место = кеш.find(&тип); место != кеш.end()) return место->second;
  ТУВРА_ВЗЯТЬ(итог, разрешить_тип(анализатор, тип));
  кеш.emplace(&тип, итог);
  return итог;
}

Тип тип_аргумента_экземпляра(ТаблицаТипов& таблица, const СинтаксическийТип& тип, bool& имя_обрезано) {
  std::vector<Тип> обрезанные;
  Тип итог = понизить(таблица, тип, nullptr, обрезанные);
  if (!обрезанные.empty()) имя_обрезано = true;
  return итог;
}

Тип тип_аргумента_экземпляра(Анализатор& анализатор, const СинтаксическийТип& тип, bool& имя_обрезано) {
  std::vector<Тип> обрезанные;
  Тип итог = понизить(анализатор.типы, тип, nullptr, обрезанные, &анализатор.типы_замен);
  if (!обрезанные.empty()) имя_обрезано = true;
  return итог;
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
