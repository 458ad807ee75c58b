// The pass after parsing that turns calls written on arrays into element access and
// `массив(…)` into array literals, decided by the names the program declares.
// It changes the tree in place, placing the few nodes it makes in the tree's own arena, and
// cannot fail. Every walk keeps its own stack, so a chain of any length (`а + б + … `, a
// long `иначе если` run) never exhausts the stack.
#pragma once

#include <functional>
#include <string_view>
#include <unordered_set>

#include "support/keyed_hash.h"
#include "syntax_tree/syntax_tree.h"

namespace тувра {

// Views of the names in the tree, which outlives the pass; keyed, since the document names them.
using НаборИмён = std::unordered_set<std::string_view, ХешИмени, std::equal_to<>>;

struct КонтекстПереписывания {
  // The three sets share one key.
  КонтекстПереписывания() : КонтекстПереписывания(случайный_ключ_хеша()) {}
  explicit КонтекстПереписывания(const КлючХеша& ключ)
      : имена_полей(0, ХешИмени(ключ)), имена_методов(0, ХешИмени(ключ)), локальные_имена(0, ХешИмени(ключ)) {}

  НаборИмён имена_полей;      // every field of every struct
  НаборИмён имена_методов;    // every struct method and contract method signature
  НаборИмён локальные_имена;  // parameters and locals of the function being rewritten
};

// `арена` is the one the program's tree lives in.
void переписать_индексы(Программа& программа, Арена& арена);

// Adds every name declared anywhere in the list, nested bodies included, whatever its scope.
void собрать_локальные_имена(СписокУзлов<Инструкция> инструкции, НаборИмён& имена);

void переписать_инструкции(const КонтекстПереписывания& контекст, СписокУзлов<Инструкция> инструкции, Арена& арена);
void переписать_выражение(const КонтекстПереписывания& контекст, УзелВыражения& выражение, Арена& арена);
// Only the index expressions of the chain change.
void переписать_цель(const КонтекстПереписывания& контекст, ЦельПрисваивания& цель, Арена& арена);

}  // namespace тувра
