// Guards over the analyser's body context: each sets its part for the length of one nested
// check and puts the outer one back however that check ends, an early error return included.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <utility>

#include "semantic/analyser.h"

namespace тувра {

// One more scope, left with its bindings when the guard goes.
class ОбластьАнализа {
 public:
  explicit ОбластьАнализа(Анализатор& анализатор) : анализатор_(анализатор) { войти_в_область(анализатор_); }
  ~ОбластьАнализа() { выйти_из_области(анализатор_); }
  ОбластьАнализа(const ОбластьАнализа&) = delete;
  ОбластьАнализа& operator=(const ОбластьАнализа&) = delete;

 private:
  Анализатор& анализатор_;
};

// The loop depth of a loop's body (one more) or of a `параллельно` block (none).
class ГлубинаЦиклов {
 public:
  ГлубинаЦиклов(Анализатор& анализатор, std::size_t глубина)
      : анализатор_(анализатор), прежняя_(std::exchange(анализатор.глубина_циклов, глубина)) {}
  ~ГлубинаЦиклов() { анализатор_.глубина_циклов = прежняя_; }
  ГлубинаЦиклов(const ГлубинаЦиклов&) = delete;
  ГлубинаЦиклов& operator=(const ГлубинаЦиклов&) = delete;

 private:
  Анализатор& анализатор_;
  std::size_t прежняя_;
};

// A body's return type and struct: none of the enclosing body's, until the body sets its own.
class КонтекстТела {
 public:
  explicit КонтекстТела(Анализатор& анализатор)
      : анализатор_(анализатор),
        тип_возврата_(std::exchange(анализатор.текущий_тип_возврата, std::nullopt)),
        структура_(std::exchange(анализатор.текущая_структура, std::nullopt)) {}
  ~КонтекстТела() {
    анализатор_.текущий_тип_возврата = std::move(тип_возврата_);
    анализатор_.текущая_структура = std::move(структура_);
  }
  КонтекстТела(const КонтекстТела&) = delete;
  КонтекстТела& operator=(const КонтекстТела&) = delete;

 private:
  Анализатор& анализатор_;
  std::optional<Тип> тип_возврата_;
  std::optional<std::string> структура_;
};

}  // namespace тувра
