#include "semantic/instance_names.h"

#include <limits>

#include "semantic/lowering.h"

namespace тувра {

ИмяЭкземпляра имя_экземпляра_в_пределе(std::string_view база, std::span<const Тип> аргументы, std::size_t предел) {
  ИмяЭкземпляра итог{std::string(база), true};
  std::string& имя = итог.имя;
  имя += "__";
  for (std::size_t i = 0; i < аргументы.size() && имя.size() <= предел; ++i) {
    if (i > 0) имя += '_';
    ключевое_слово_типа(аргументы[i], имя, предел);
  }
  if (имя.size() > предел) {
    имя.resize(предел + 1);
    итог.в_пределе = false;
  }
  return итог;
}

std::string имя_экземпляра(std::string_view база, const Тип& аргумент) {
  return имя_экземпляра_нескольких(база, {&аргумент, 1});
}

std::string имя_экземпляра_нескольких(std::string_view база, std::span<const Тип> аргументы) {
  return имя_экземпляра_в_пределе(база, аргументы, std::numeric_limits<std::size_t>::max()).имя;
}

std::string ключ_экземпляра_метода(std::string_view структура, std::string_view имя_метода_экземпляра) {
  std::string ключ(структура);
  ключ += "::";
  ключ += имя_метода_экземпляра;
  return ключ;
}

}  // namespace тувра
