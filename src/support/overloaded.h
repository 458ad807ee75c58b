// A visitor made of lambdas, one per alternative: std::visit(перегрузка{…}, вариант).
#pragma once

namespace тувра {

template <class... Ф>
struct перегрузка : Ф... {
  using Ф::operator()...;
};
template <class... Ф>
перегрузка(Ф...) -> перегрузка<Ф...>;

}  // namespace тувра
