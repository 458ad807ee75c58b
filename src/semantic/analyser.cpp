#include "semantic/analyser.h"

#include <cassert>

namespace тувра {

ПоляСтруктуры::ПоляСтруктуры(std::vector<ПолеТипа> поля, const КлючХеша& ключ)
    : поля_(std::move(поля)), индекс_(0, ХешИмени(ключ)) {
  индекс_.reserve(поля_.size());
  for (std::size_t i = 0; i < поля_.size(); ++i) индекс_.emplace(поля_[i].имя, i);  // keeps the first of a name
}

const ПолеТипа* ПоляСтруктуры::найти(std::string_view имя) const {
  auto найдено = индекс_.find(имя);
  return найдено == индекс_.end() ? nullptr : &поля_[найдено->second];
}

КонтрактыСтруктуры::КонтрактыСтруктуры(std::vector<std::string> контракты, const КлючХеша& ключ)
    : контракты_(std::move(контракты)), индекс_(0, ХешИмени(ключ)) {
  индекс_.reserve(контракты_.size());
  for (const std::string& контракт : контракты_) индекс_.insert(контракт);
}

СтекОбластей::СтекОбластей(const КлючХеша& ключ) : привязки_(0, ХешИмени(ключ)), объявлено_в_области_(1) {}

void СтекОбластей::войти() { объявлено_в_области_.emplace_back(); }

void СтекОбластей::выйти() {
  assert(объявлено_в_области_.size() > 1);
  if (объявлено_в_области_.size() <= 1) return;
  // A name left without bindings keeps its entry: the same names come back in every body, and
  // an entry kept costs less than one made anew.
  for (Карта::value_type* запись : объявлено_в_области_.back()) запись->second.pop_back();
  объявлено_в_области_.pop_back();
}

void СтекОбластей::объявить(std::string_view имя, Тип тип, bool неизменна) {
  std::size_t область = объявлено_в_области_.size() - 1;
  auto найдено = привязки_.find(имя);
  if (найдено == привязки_.end()) найдено = привязки_.emplace(std::string(имя), std::vector<Привязка>{}).first;
  std::vector<Привязка>& стек = найдено->second;
  if (!стек.empty() && стек.back().область == область) {
    стек.back().запись = {std::move(тип), неизменна};
    return;
  }
  стек.push_back({область, {std::move(тип), неизменна}});
  объявлено_в_области_.back().push_back(&*найдено);
}

const ЗаписьПеременной* СтекОбластей::найти(std::string_view имя) const {
  auto найдено = привязки_.find(имя);
  if (найдено == привязки_.end() || найдено->second.empty()) return nullptr;
  return &найдено->second.back().запись;
}

bool СтекОбластей::есть_во_внутренней(std::string_view имя) const {
  auto найдено = привязки_.find(имя);
  return найдено != привязки_.end() && !найдено->second.empty() &&
         найдено->second.back().область == объявлено_в_области_.size() - 1;
}

std::vector<std::string_view> СтекОбластей::все_имена() const {
  std::vector<std::string_view> имена;
  for (const auto& область : объявлено_в_области_) {
    for (const Карта::value_type* запись : область) имена.push_back(запись->first);
  }
  return имена;
}

Анализатор новый_анализатор() { return новый_анализатор(случайный_ключ_хеша()); }

Анализатор новый_анализатор(const КлючХеша& ключ) { return Анализатор(ключ); }

void войти_в_область(Анализатор& анализатор) { анализатор.области_видимости.войти(); }

void выйти_из_области(Анализатор& анализатор) { анализатор.области_видимости.выйти(); }

void объявить_переменную(Анализатор& анализатор, std::string_view имя, Тип тип, bool неизменна) {
  анализатор.области_видимости.объявить(имя, std::move(тип), неизменна);
}

const ЗаписьПеременной* найти_переменную(const Анализатор& анализатор, std::string_view имя) {
  return анализатор.области_видимости.найти(имя);
}

}  // namespace тувра
