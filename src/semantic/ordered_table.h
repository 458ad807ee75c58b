// Hash tables that iterate in first-insertion order, so that suggestions and messages never
// depend on hashing. Lookups go through a view of the key (`std::string_view` for a name), so
// a lookup builds no key of its own.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "semantic/types.h"
#include "support/expected.h"
#include "support/keyed_hash.h"

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

// How a key is viewed, hashed (with the table's key) and compared. Instance keys hold types of
// the analysis's one table, where equal types are one node: they hash and compare handles.
template <class Ключ>
struct ПризнакиКлюча;

template <>
struct ПризнакиКлюча<std::string> {
  using Взгляд = std::string_view;
  static Взгляд взгляд(const std::string& к) { return к; }
  static std::uint64_t хеш(const КлючХеша& ключ, Взгляд в) { return хеш_текста(ключ, в); }
  static bool равны(Взгляд а, Взгляд б) { return а == б; }
};

namespace детали_таблицы {

// A name with its length in front, so that two names in a row cannot pass for two others.
inline ХешСКлючом& имя(ХешСКлючом& хеш, std::string_view имя) { return хеш.слово(имя.size()).байты(имя); }

}  // namespace детали_таблицы

template <>
struct ПризнакиКлюча<ПараИмён> {
  using Взгляд = ВзглядПарыИмён;
  static Взгляд взгляд(const ПараИмён& к) { return {к.первое, к.второе}; }
  static std::uint64_t хеш(const КлючХеша& ключ, Взгляд в) {
    ХешСКлючом хеш(ключ);
    детали_таблицы::имя(хеш, в.первое).байты(в.второе);
    return хеш.итог();
  }
  static bool равны(Взгляд а, Взгляд б) { return а.первое == б.первое && а.второе == б.второе; }
};

template <>
struct ПризнакиКлюча<КлючЭкземпляраФункции> {
  using Взгляд = ВзглядКлючаФункции;
  static Взгляд взгляд(const КлючЭкземпляраФункции& к) { return {к.имя, к.аргумент}; }
  static std::uint64_t хеш(const КлючХеша& ключ, Взгляд в) {
    ХешСКлючом хеш(ключ);
    детали_таблицы::имя(хеш, в.имя).слово(хеш_типа(в.аргумент));
    return хеш.итог();
  }
  static bool равны(Взгляд а, Взгляд б) { return а.аргумент.тот_же(б.аргумент) && а.имя == б.имя; }
};

template <>
struct ПризнакиКлюча<КлючЭкземпляраМетода> {
  using Взгляд = ВзглядКлючаМетода;
  static Взгляд взгляд(const КлючЭкземпляраМетода& к) { return {к.структура, к.метод, к.аргумент}; }
  static std::uint64_t хеш(const КлючХеша& ключ, Взгляд в) {
    ХешСКлючом хеш(ключ);
    детали_таблицы::имя(детали_таблицы::имя(хеш, в.структура), в.метод).слово(хеш_типа(в.аргумент));
    return хеш.итог();
  }
  static bool равны(Взгляд а, Взгляд б) {
    return а.аргумент.тот_же(б.аргумент) && а.структура == б.структура && а.метод == б.метод;
  }
};

template <>
struct ПризнакиКлюча<КлючЭкземпляраСтруктуры> {
  using Взгляд = ВзглядКлючаСтруктуры;
  static Взгляд взгляд(const КлючЭкземпляраСтруктуры& к) { return {к.имя, к.аргументы}; }
  static std::uint64_t хеш(const КлючХеша& ключ, Взгляд в) {
    ХешСКлючом хеш(ключ);
    детали_таблицы::имя(хеш, в.имя).слово(в.аргументы.size());
    for (const Тип& тип : в.аргументы) хеш.слово(хеш_типа(тип));
    return хеш.итог();
  }
  static bool равны(Взгляд а, Взгляд б) {
    if (а.аргументы.size() != б.аргументы.size() || а.имя != б.имя) return false;
    for (std::size_t i = 0; i < а.аргументы.size(); ++i) {
      if (!а.аргументы[i].тот_же(б.аргументы[i])) return false;
    }
    return true;
  }
};

// Key → value; iteration yields `std::pair<Ключ, Значение>` in first-insertion order.
template <class Ключ, class Значение>
class УпорядоченнаяТаблица {
 public:
  using Признаки = ПризнакиКлюча<Ключ>;
  using Взгляд = typename Признаки::Взгляд;

  // With a key of its own.
  УпорядоченнаяТаблица() : УпорядоченнаяТаблица(случайный_ключ_хеша()) {}
  explicit УпорядоченнаяТаблица(const КлючХеша& ключ) : индекс_(0, Хеш{ключ}) {}
  // The index holds views into the entries, which a copy or move of the deque would not carry.
  УпорядоченнаяТаблица(const УпорядоченнаяТаблица&) = delete;
  УпорядоченнаяТаблица& operator=(const УпорядоченнаяТаблица&) = delete;
  УпорядоченнаяТаблица(УпорядоченнаяТаблица&& другая)
  noexcept : записи_(std::move(другая.записи_)), индекс_(std::move(другая.индекс_)) {
    другая.записи_.clear();
    другая.индекс_.clear();
  }
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
    КлючХеша ключ;
    std::size_t operator()(const Взгляд& в) const { return static_cast<std::size_t>(Признаки::хеш(ключ, в)); }
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

  УпорядоченноеМножество() = default;
  explicit УпорядоченноеМножество(const КлючХеша& ключ) : таблица_(ключ) {}

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
