// Hash tables that iterate in first-insertion order, so that suggestions and messages never
// depend on hashing. Lookups go through a view of the key (`std::string_view` for a name), so
// a lookup builds no key of its own.
#pragma once

#include <cstddef>
#include <deque>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "semantic/types.h"
#include "support/expected.h"

namespace тувра {

// (struct name, field or method name), (module name, function name).
struct ПараИмён {
  std::string первое;
  std::string второе;
};
// (function name, type argument).
struct КлючЭкземпляраФункции {
  std::string имя;
  Тип аргумент;
};
// (struct name, method name, type argument).
struct КлючЭкземпляраМетода {
  std::string структура;
  std::string метод;
  Тип аргумент;
};
// (struct name, type arguments in order).
struct КлючЭкземпляраСтруктуры {
  std::string имя;
  std::vector<Тип> аргументы;
};

struct ВзглядПарыИмён {
  std::string_view первое;
  std::string_view второе;
};
struct ВзглядКлючаФункции {
  std::string_view имя;
  const Тип& аргумент;
};
struct ВзглядКлючаМетода {
  std::string_view структура;
  std::string_view метод;
  const Тип& аргумент;
};
struct ВзглядКлючаСтруктуры {
  std::string_view имя;
  std::span<const Тип> аргументы;
};

// For `std::unordered_…<std::string>` looked up by `std::string_view`.
struct ХешИмени {
  using is_transparent = void;
  std::size_t operator()(std::string_view имя) const { return std::hash<std::string_view>{}(имя); }
};

// How a key is viewed, hashed and compared.
template <class Ключ>
struct ПризнакиКлюча;

template <>
struct ПризнакиКлюча<std::string> {
  using Взгляд = std::string_view;
  static Взгляд взгляд(const std::string& к) { return к; }
  static std::size_t хеш(Взгляд в) { return std::hash<std::string_view>{}(в); }
  static bool равны(Взгляд а, Взгляд б) { return а == б; }
};

template <>
struct ПризнакиКлюча<ПараИмён> {
  using Взгляд = ВзглядПарыИмён;
  static Взгляд взгляд(const ПараИмён& к) { return {к.первое, к.второе}; }
  static std::size_t хеш(Взгляд в) {
    return смешать_хеш(std::hash<std::string_view>{}(в.первое), std::hash<std::string_view>{}(в.второе));
  }
  static bool равны(Взгляд а, Взгляд б) { return а.первое == б.первое && а.второе == б.второе; }
};

template <>
struct ПризнакиКлюча<КлючЭкземпляраФункции> {
  using Взгляд = ВзглядКлючаФункции;
  static Взгляд взгляд(const КлючЭкземпляраФункции& к) { return {к.имя, к.аргумент}; }
  static std::size_t хеш(Взгляд в) { return смешать_хеш(std::hash<std::string_view>{}(в.имя), хеш_типа(в.аргумент)); }
  static bool равны(Взгляд а, Взгляд б) { return а.имя == б.имя && типы_равны(а.аргумент, б.аргумент); }
};

template <>
struct ПризнакиКлюча<КлючЭкземпляраМетода> {
  using Взгляд = ВзглядКлючаМетода;
  static Взгляд взгляд(const КлючЭкземпляраМетода& к) { return {к.структура, к.метод, к.аргумент}; }
  static std::size_t хеш(Взгляд в) {
    std::size_t х = смешать_хеш(std::hash<std::string_view>{}(в.структура), std::hash<std::string_view>{}(в.метод));
    return смешать_хеш(х, хеш_типа(в.аргумент));
  }
  static bool равны(Взгляд а, Взгляд б) {
    return а.структура == б.структура && а.метод == б.метод && типы_равны(а.аргумент, б.аргумент);
  }
};

template <>
struct ПризнакиКлюча<КлючЭкземпляраСтруктуры> {
  using Взгляд = ВзглядКлючаСтруктуры;
  static Взгляд взгляд(const КлючЭкземпляраСтруктуры& к) { return {к.имя, к.аргументы}; }
  static std::size_t хеш(Взгляд в) { return смешать_хеш(std::hash<std::string_view>{}(в.имя), хеш_типов(в.аргументы)); }
  static bool равны(Взгляд а, Взгляд б) { return а.имя == б.имя && типы_равны(а.аргументы, б.аргументы); }
};

// Key → value; iteration yields `std::pair<Ключ, Значение>` in first-insertion order.
template <class Ключ, class Значение>
class УпорядоченнаяТаблица {
 public:
  using Признаки = ПризнакиКлюча<Ключ>;
  using Взгляд = typename Признаки::Взгляд;

  УпорядоченнаяТаблица() = default;
  // The index holds views into the entries, which a copy or move of the deque would not carry.
  УпорядоченнаяТаблица(const УпорядоченнаяТаблица&) = delete;
  УпорядоченнаяТаблица& operator=(const УпорядоченнаяТаблица&) = delete;
  УпорядоченнаяТаблица(УпорядоченнаяТаблица&& другая) noexcept { *this = std::move(другая); }
  УпорядоченнаяТаблица& operator=(УпорядоченнаяТаблица&& другая) noexcept {
    if (this == &другая) return *this;
    // Moving a deque keeps its elements where they are, so the views stay valid.
    записи_ = std::move(другая.записи_);
    индекс_ = std::move(другая.индекс_);
    другая.записи_.clear();
    другая.индекс_.clear();
    return *this;
  }

  // Inserts, or replaces the value of an existing key in its old place.
  Значение& положить(Ключ ключ, Значение значение) {
    if (auto найдено = индекс_.find(Признаки::взгляд(ключ)); найдено != индекс_.end()) {
      return записи_[найдено->second].second = std::move(значение);
    }
    записи_.emplace_back(std::move(ключ), std::move(значение));
    индекс_.emplace(Признаки::взгляд(записи_.back().first), записи_.size() - 1);
    return записи_.back().second;
  }

  Значение* найти(Взгляд ключ) {
    auto найдено = индекс_.find(ключ);
    return найдено == индекс_.end() ? nullptr : &записи_[найдено->second].second;
  }
  const Значение* найти(Взгляд ключ) const {
    auto найдено = индекс_.find(ключ);
    return найдено == индекс_.end() ? nullptr : &записи_[найдено->second].second;
  }
  bool содержит(Взгляд ключ) const { return индекс_.contains(ключ); }

  std::size_t size() const { return записи_.size(); }
  bool empty() const { return записи_.empty(); }
  auto begin() const { return записи_.begin(); }
  auto end() const { return записи_.end(); }
  void clear() {
    индекс_.clear();
    записи_.clear();
  }

 private:
  struct Хеш {
    std::size_t operator()(const Взгляд& в) const { return Признаки::хеш(в); }
  };
  struct Равно {
    bool operator()(const Взгляд& а, const Взгляд& б) const { return Признаки::равны(а, б); }
  };

  std::deque<std::pair<Ключ, Значение>> записи_;
  std::unordered_map<Взгляд, std::size_t, Хеш, Равно> индекс_;
};

// A set of keys in first-insertion order.
template <class Ключ>
class УпорядоченноеМножество {
 public:
  using Взгляд = typename ПризнакиКлюча<Ключ>::Взгляд;

  // False when the key was already there.
  bool добавить(Ключ ключ) {
    if (таблица_.содержит(ПризнакиКлюча<Ключ>::взгляд(ключ))) return false;
    таблица_.положить(std::move(ключ), Пусто{});
    return true;
  }
  bool содержит(Взгляд ключ) const { return таблица_.содержит(ключ); }
  std::size_t size() const { return таблица_.size(); }
  bool empty() const { return таблица_.empty(); }
  // Entries are `std::pair<Ключ, Пусто>`; the key is `.first`.
  auto begin() const { return таблица_.begin(); }
  auto end() const { return таблица_.end(); }

 private:
  УпорядоченнаяТаблица<Ключ, Пусто> таблица_;
};

}  // namespace тувра
