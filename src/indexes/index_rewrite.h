// The pass after parsing that turns calls written on arrays into element access and
// `массив(…)` into array literals, decided by the names the program declares.
// It changes the tree in place and cannot fail. Every walk keeps its own stack, so a
// chain of any length (`а + б + … `, a long `иначе если` run) never exhausts the stack.
#pragma once

#include <string>
#include <unordered_set>
#include <vector>

#include "syntax_tree/syntax_tree.h"

namespace тувра {

using НаборИмён = std::unordered_set<std::string>;

struct КонтекстПереписывания {
  НаборИмён имена_полей;    // every field of every struct
  НаборИмён имена_методов;  // every struct method and contract method signature
  НаборИмён локальные_имена;  // parameters and locals of the function being rewritten
};

void переписать_индексы(Программа& программа);

// Adds every name declared anywhere in the list, nested bodies included, whatever its scope.
void собрать_локальные_имена(const std::vector<Инструкция>& инструкции, НаборИмён& имена);

void переписать_инструкции(const КонтекстПереписывания& контекст, std::vector<Инструкция>& инструкции);
void переписать_выражение(const КонтекстПереписывания& контекст, УзелВыражения& выражение);
// Only the index expressions of the chain change.
void переписать_цель(const КонтекстПереписывания& контекст, ЦельПрисваивания& цель);

}  // namespace тувра
