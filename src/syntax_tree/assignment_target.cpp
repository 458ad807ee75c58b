#include "syntax_tree/assignment_target.h"

#include "syntax_tree/tree_walk.h"

namespace тувра {

bool ЦельПрисваивания::operator==(const ЦельПрисваивания& другой) const {
  return обход::Равенство<ЦельПрисваивания>::выполнить(*this, другой);
}

ЦельПрисваивания копия_цели_присваивания(const ЦельПрисваивания& цель, Арена& куда) {
  return обход::Копия<ЦельПрисваивания>::выполнить(цель, куда);
}

}  // namespace тувра
