#include "semantic/types.h"

#include <array>
#include <cassert>
#include <limits>
#include <tuple>

#include "semantic/ordered_table.h"

namespace тувра {

namespace {

constexpr std::array<std::string_view, число_видов_типа> имена_видов = {
    "Целое",     "Целое8",  "Целое16",   "Целое32",   "Целое64",  "Беззнак8",     "Беззнак16",  "Беззнак32",
    "Беззнак64", "Дробное", "Дробное32", "Дробное64", "Текст",    "Верно",        "Структура",  "Массив",
    "Результат", "Список",  "Словарь",   "Канал",     "Контракт", "Опциональный", "Неизвестен",
};

std::size_t номер(ВидТипа вид) { return static_cast<std::size_t>(вид); }

}  // namespace

std::size_t смешать_хеш(std::size_t хеш, std::size_t часть) {
  // The 64-bit combine of boost::hash_combine: spreads every bit of the part over the result.
  хеш ^= часть + 0x9e3779b97f4a7c15ULL + (хеш << 12) + (хеш >> 4);
  return хеш;
}

Тип::Тип(ВидТипа вид) : вид_(вид) {
  // Variants with parts are built by their own factories, which give them the parts.
  assert(вид != ВидТипа::Массив && вид != ВидТипа::Результат && вид != ВидТипа::Список && вид != ВидТипа::Словарь &&
         вид != ВидТипа::Канал && вид != ВидТипа::Опциональный);
}

Тип::Тип(Тип&& другой) noexcept
    : вид_(другой.вид_),
      размер_(другой.размер_),
      имя_(std::move(другой.имя_)),
      первый_(std::move(другой.первый_)),
      второй_(std::move(другой.второй_)) {
  другой.вид_ = ВидТипа::Неизвестен;
  другой.размер_ = 0;
}

Тип& Тип::operator=(Тип&& другой) noexcept {
  if (this == &другой) return *this;
  // Detach the source first: it may live inside this type.
  Тип новый(std::move(другой));
  std::swap(вид_, новый.вид_);
  std::swap(размер_, новый.размер_);
  std::swap(имя_, новый.имя_);
  std::swap(первый_, новый.первый_);
  std::swap(второй_, новый.второй_);
  return *this;  // the old contents go with `новый`, iteratively
}

Тип::~Тип() {
  if (!первый_ && !второй_) return;
  // Take the parts apart one node at a time, so each destructor below sees no children.
  std::vector<std::unique_ptr<Тип>> части;
  if (первый_) части.push_back(std::move(первый_));
  if (второй_) части.push_back(std::move(второй_));
  while (!части.empty()) {
    std::unique_ptr<Тип> часть = std::move(части.back());
    части.pop_back();
    if (часть->первый_) части.push_back(std::move(часть->первый_));
    if (часть->второй_) части.push_back(std::move(часть->второй_));
  }
}

Тип Тип::структура(std::string имя) {
  Тип тип(ВидТипа::Структура);
  тип.имя_ = std::move(имя);
  return тип;
}

Тип Тип::контракт(std::string имя) {
  Тип тип(ВидТипа::Контракт);
  тип.имя_ = std::move(имя);
  return тип;
}

Тип Тип::массив(Тип элемент, std::uint64_t размер) {
  Тип тип;
  тип.вид_ = ВидТипа::Массив;
  тип.размер_ = размер;
  тип.первый_ = std::make_unique<Тип>(std::move(элемент));
  return тип;
}

Тип Тип::результат(Тип значение) {
  Тип тип;
  тип.вид_ = ВидТипа::Результат;
  тип.первый_ = std::make_unique<Тип>(std::move(значение));
  return тип;
}

Тип Тип::список(Тип элемент) {
  Тип тип;
  тип.вид_ = ВидТипа::Список;
  тип.первый_ = std::make_unique<Тип>(std::move(элемент));
  return тип;
}

Тип Тип::словарь(Тип ключ, Тип значение) {
  Тип тип;
  тип.вид_ = ВидТипа::Словарь;
  тип.первый_ = std::make_unique<Тип>(std::move(ключ));
  тип.второй_ = std::make_unique<Тип>(std::move(значение));
  return тип;
}

Тип Тип::канал(Тип элемент) {
  Тип тип;
  тип.вид_ = ВидТипа::Канал;
  тип.первый_ = std::make_unique<Тип>(std::move(элемент));
  return тип;
}

Тип Тип::опциональный(Тип внутренний) {
  Тип тип;
  тип.вид_ = ВидТипа::Опциональный;
  тип.первый_ = std::make_unique<Тип>(std::move(внутренний));
  return тип;
}

Тип Тип::взять_внутренний() && { return std::move(*первый_); }
Тип Тип::взять_значение() && { return std::move(*второй_); }

bool типы_равны(const Тип& а, const Тип& б) {
  const Тип* левый = &а;
  const Тип* правый = &б;
  std::vector<std::pair<const Тип*, const Тип*>> отложенные;  // second parts; only dictionaries fill it
  for (;;) {
    if (левый->вид() != правый->вид() || левый->размер() != правый->размер() || левый->имя() != правый->имя()) {
      return false;
    }
    if (левый->второй_ребёнок()) отложенные.emplace_back(левый->второй_ребёнок(), правый->второй_ребёнок());
    if (левый->первый_ребёнок()) {
      левый = левый->первый_ребёнок();
      правый = правый->первый_ребёнок();
      continue;
    }
    if (отложенные.empty()) return true;
    std::tie(левый, правый) = отложенные.back();
    отложенные.pop_back();
  }
}

bool типы_равны(std::span<const Тип> а, std::span<const Тип> б) {
  if (а.size() != б.size()) return false;
  for (std::size_t i = 0; i < а.size(); ++i) {
    if (!типы_равны(а[i], б[i])) return false;
  }
  return true;
}

std::size_t хеш_типа(const Тип& тип) {
  std::size_t хеш = 0xcbf29ce484222325ULL;
  const Тип* текущий = &тип;
  std::vector<const Тип*> отложенные;
  for (;;) {
    хеш = смешать_хеш(хеш, номер(текущий->вид()));
    if (текущий->это(ВидТипа::Структура) || текущий->это(ВидТипа::Контракт)) {
      хеш = смешать_хеш(хеш, std::hash<std::string_view>{}(текущий->имя()));
      хеш = смешать_хеш(хеш, 0xFF);
    } else if (текущий->это(ВидТипа::Массив)) {
      хеш = смешать_хеш(хеш, static_cast<std::size_t>(текущий->размер()));
    }
    if (текущий->второй_ребёнок()) отложенные.push_back(текущий->второй_ребёнок());
    if (текущий->первый_ребёнок()) {
      текущий = текущий->первый_ребёнок();
      continue;
    }
    if (отложенные.empty()) return хеш;
    текущий = отложенные.back();
    отложенные.pop_back();
  }
}

std::size_t хеш_типов(std::span<const Тип> типы) {
  std::size_t хеш = типы.size();
  for (const Тип& тип : типы) хеш = смешать_хеш(хеш, хеш_типа(тип));
  return хеш;
}

Тип копия_типа(const Тип& исходный) {
  Тип корень;
  if (!исходный.первый_) {
    корень.вид_ = исходный.вид_;
    корень.имя_ = исходный.имя_;
    return корень;  // a primitive copy allocates nothing
  }
  std::vector<std::pair<const Тип*, Тип*>> работа{{&исходный, &корень}};
  while (!работа.empty()) {
    auto [из, в] = работа.back();
    работа.pop_back();
    в->вид_ = из->вид_;
    в->размер_ = из->размер_;
    в->имя_ = из->имя_;
    if (из->первый_) {
      в->первый_ = std::make_unique<Тип>();
      работа.emplace_back(из->первый_.get(), в->первый_.get());
    }
    if (из->второй_) {
      в->второй_ = std::make_unique<Тип>();
      работа.emplace_back(из->второй_.get(), в->второй_.get());
    }
  }
  return корень;
}

std::optional<Тип> копия_типа(const std::optional<Тип>& тип) {
  if (!тип) return std::nullopt;
  return копия_типа(*тип);
}

std::vector<Тип> копия_типов(std::span<const Тип> типы) {
  std::vector<Тип> копия;
  копия.reserve(типы.size());
  for (const Тип& тип : типы) копия.push_back(копия_типа(тип));
  return копия;
}

std::vector<ПолеТипа> копия_полей(std::span<const ПолеТипа> поля) {
  std::vector<ПолеТипа> копия;
  копия.reserve(поля.size());
  for (const ПолеТипа& поле : поля) копия.push_back({поле.имя, копия_типа(поле.тип)});
  return копия;
}

СигнатураФункции копия_сигнатуры(const СигнатураФункции& сигнатура) {
  return {копия_типов(сигнатура.типы_параметров), копия_типа(сигнатура.тип_возврата)};
}

namespace {

// A name between double quotes, with `"` and `\` escaped: instance names can hold quotes.
// Stops once куда is past предел.
void дописать_имя(std::string& куда, std::string_view имя, std::size_t предел) {
  куда += '"';
  for (char знак : имя) {
    if (куда.size() > предел) return;
    if (знак == '"' || знак == '\\') куда += '\\';
    куда += знак;
  }
  куда += '"';
}

// One step of the rendering: a type to render, or a fixed piece, or a number.
struct Шаг {
  const Тип* тип = nullptr;
  std::string_view текст;
  std::uint64_t число = 0;
  bool это_число = false;
};

Шаг шаг_типа(const Тип& тип) { return {&тип, {}, 0, false}; }
Шаг шаг_текста(std::string_view текст) { return {nullptr, текст, 0, false}; }
Шаг шаг_числа(std::uint64_t число) { return {nullptr, {}, число, true}; }

// Stops once куда is past предел, though a piece may still add its closing text.
void выписать_тип(const Тип& корень, std::string& куда, std::size_t предел) {
  if (!корень.первый_ребёнок()) {
    куда += имена_видов[номер(корень.вид())];
    if (корень.это(ВидТипа::Структура) || корень.это(ВидТипа::Контракт)) {
      куда += '(';
      дописать_имя(куда, корень.имя(), предел);
      куда += ')';
    }
    return;
  }
  std::vector<Шаг> шаги{шаг_типа(корень)};
  while (!шаги.empty() && куда.size() <= предел) {
    Шаг шаг = шаги.back();
    шаги.pop_back();
    if (шаг.это_число) {
      куда += std::to_string(шаг.число);
      continue;
    }
    if (!шаг.тип) {
      куда += шаг.текст;
      continue;
    }
    const Тип& тип = *шаг.тип;
    куда += имена_видов[номер(тип.вид())];
    switch (тип.вид()) {
      case ВидТипа::Структура:
      case ВидТипа::Контракт:
        куда += '(';
        дописать_имя(куда, тип.имя(), предел);
        куда += ')';
        break;
      case ВидТипа::Массив:
        куда += " { элемент: ";
        шаги.push_back(шаг_текста(" }"));
        шаги.push_back(шаг_числа(тип.размер()));
        шаги.push_back(шаг_текста(", размер: "));
        шаги.push_back(шаг_типа(тип.элемент()));
        break;
      case ВидТипа::Словарь:
        куда += '(';
        шаги.push_back(шаг_текста(")"));
        шаги.push_back(шаг_типа(тип.значение()));
        шаги.push_back(шаг_текста(", "));
        шаги.push_back(шаг_типа(тип.ключ()));
        break;
      case ВидТипа::Результат:
      case ВидТипа::Список:
      case ВидТипа::Канал:
      case ВидТипа::Опциональный:
        куда += '(';
        шаги.push_back(шаг_текста(")"));
        шаги.push_back(шаг_типа(тип.внутренний()));
        break;
      default: break;
    }
  }
}

}  // namespace

void отладочный_текст_типа(const Тип& тип, std::string& куда, std::size_t предел) {
  выписать_тип(тип, куда, предел);
  // What was added after the bound was passed is no part of the text's start.
  if (куда.size() > предел) куда.resize(предел + 1);
}

void отладочный_текст_типа(const Тип& тип, std::string& куда) {
  отладочный_текст_типа(тип, куда, std::numeric_limits<std::size_t>::max());
}

std::string отладочный_текст_типа(const Тип& тип) {
  std::string текст;
  отладочный_текст_типа(тип, текст);
  return текст;
}

std::string отладочный_текст_типа(const std::optional<Тип>& тип) {
  if (!тип) return "None";
  std::string текст = "Some(";
  отладочный_текст_типа(*тип, текст);
  текст += ')';
  return текст;
}

std::string отладочный_текст_типов(std::span<const Тип> типы) {
  std::string текст = "[";
  for (std::size_t i = 0; i < типы.size(); ++i) {
    if (i > 0) текст += ", ";
    отладочный_текст_типа(типы[i], текст);
  }
  текст += ']';
  return текст;
}

bool целочисленный(const Тип& тип) { return номер(тип.вид()) <= номер(ВидТипа::Беззнак64); }
bool дробный(const Тип& тип) {
  return номер(тип.вид()) >= номер(ВидТипа::Дробное) && номер(тип.вид()) <= номер(ВидТипа::Дробное64);
}
bool числовой(const Тип& тип) { return номер(тип.вид()) <= номер(ВидТипа::Дробное64); }

}  // namespace тувра
