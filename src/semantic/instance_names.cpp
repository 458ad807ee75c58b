#include "semantic/instance_names.h"

#include "semantic/lowering.h"

namespace тувра {

std::string имя_экземпляра(std::string_view база, const Тип& аргумент) {
  std::string имя(база);
  имя += "__";
  ключевое_слово_типа(аргумент, имя);
  return имя;
}

std::string имя_экземпляра_нескольких(std::string_view база, std::span<const Тип> аргументы) {
  std::string имя(база);
  имя += "__";
  for (std::size_t i = 0; i < аргументы.size(); ++i) {
    if (i > 0) имя += '_';
    ключевое_слово_типа(аргументы[i], имя);
  }
  return имя;
}

std::string ключ_экземпляра_метода(std::string_view структура, std::string_view имя_метода_экземпляра) {
  std::string ключ(структура);
  ключ += "::";
  ключ += имя_метода_экземпляра;
  return ключ;
}

}  // namespace тувра
