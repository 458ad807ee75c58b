#include "parser/assignment.h"

#include <memory>
#include <utility>
#include <variant>
#include <vector>

namespace тувра {

namespace {

using Узел = УзелВыражения;
using Цель = ЦельПрисваивания;

bool один_простой_аргумент(const std::vector<СинтаксическийТип>& типы, const std::vector<Узел>& аргументы) {
  return типы.empty() && аргументы.size() == 1;
}

// The inner expression this link of the chain stands on, or nullptr for a base
// (a name or a call of a name) and for an expression without a target form.
Узел* внутреннее_звено(Узел& узел) {
  if (auto* поле = std::get_if<Узел::ДоступКПолю>(&узел.вид)) return поле->объект.get();
  if (auto* индекс = std::get_if<Узел::ДоступПоИндексу>(&узел.вид)) return индекс->массив.get();
  if (auto* метод = std::get_if<Узел::ВызовМетода>(&узел.вид)) {
    if (один_простой_аргумент(метод->типовые_параметры, метод->аргументы)) return метод->объект.get();
  }
  return nullptr;
}

bool основание(const Узел& узел) {
  if (std::holds_alternative<Узел::Идентификатор>(узел.вид)) return true;
  const auto* вызов = std::get_if<Узел::ВызовФункции>(&узел.вид);
  return вызов != nullptr && один_простой_аргумент(вызов->типовые_параметры, вызов->аргументы);
}

std::unique_ptr<Цель> в_коробку(Цель цель) { return std::make_unique<Цель>(std::move(цель)); }
std::unique_ptr<Узел> в_коробку(Узел узел) { return std::make_unique<Узел>(std::move(узел)); }

Цель цель_основания(Узел& узел) {
  if (auto* имя = std::get_if<Узел::Идентификатор>(&узел.вид)) return Цель::Переменная{std::move(имя->имя)};
  auto& вызов = std::get<Узел::ВызовФункции>(узел.вид);
  return Цель::ЭлементМассива{в_коробку(Цель::Переменная{std::move(вызов.имя)}),
                              в_коробку(std::move(вызов.аргументы.front()))};
}

// One outer link around the target of its inner expression.
Цель обернуть(Узел& звено, Цель внутренняя) {
  if (auto* поле = std::get_if<Узел::ДоступКПолю>(&звено.вид)) {
    return Цель::Поле{в_коробку(std::move(внутренняя)), std::move(поле->поле)};
  }
  if (auto* индекс = std::get_if<Узел::ДоступПоИндексу>(&звено.вид)) {
    return Цель::ЭлементМассива{в_коробку(std::move(внутренняя)), std::move(индекс->индекс)};
  }
  auto& метод = std::get<Узел::ВызовМетода>(звено.вид);
  auto индекс = в_коробку(std::move(метод.аргументы.front()));
  if (метод.метод.empty()) return Цель::ЭлементМассива{в_коробку(std::move(внутренняя)), std::move(индекс)};
  Цель поле = Цель::Поле{в_коробку(std::move(внутренняя)), std::move(метод.метод)};
  return Цель::ЭлементМассива{в_коробку(std::move(поле)), std::move(индекс)};
}

std::string сообщение_о_цели(const Узел& узел) {
  return "нельзя присвоить значение в " + отладочный_текст_выражения(узел) +
         " — это не переменная, не поле структуры и не элемент массива";
}

}  // namespace

Итог<ЦельПрисваивания, std::string> построить_цель_присваивания(УзелВыражения выражение) {
  // Walked without recursion: a chain written on one line may be arbitrarily long.
  std::vector<Узел*> звенья;  // outermost first
  Узел* узел = &выражение;
  while (!основание(*узел)) {
    Узел* внутреннее = внутреннее_звено(*узел);
    if (внутреннее == nullptr) return Неудача{сообщение_о_цели(*узел)};
    звенья.push_back(узел);
    узел = внутреннее;
  }
  Цель цель = цель_основания(*узел);
  for (std::size_t и = звенья.size(); и > 0; --и) цель = обернуть(*звенья[и - 1], std::move(цель));
  return цель;
}

}  // namespace тувра
