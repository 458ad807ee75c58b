// The whole syntax tree in one include, and how to use it.
//
// Ownership. Every node of a tree lives in one Арена (arena.h): nodes, their lists and the
// texts of their names and literals. Nothing in a node owns anything; dropping the arena
// frees the whole tree at once and runs no destructor (every node type is trivially
// destructible). A parsed program comes with its arena as one value, РазобраннаяПрограмма
// (parser/front_end.h); keep that value alive as long as anything reads the tree.
//
// Reading. A boxed child is Указатель<Т>, read with `*` and `->` like std::unique_ptr; a
// list of children is СписокУзлов<Т>, a view with begin/end, size, [] like std::span; a
// text is std::string_view into the arena. Optional parts are std::optional.
//
// Building. Make children in the arena the tree lives in: `арена.ящик(узел)` boxes one,
// `арена.список(std::span(вектор))` moves a finished list in, `арена.текст(т)` copies a text.
// Moving a node copies the references to its children; nodes cannot be copied, as a copy
// would share its children. A deep copy is the копия_… function of the node's type, which
// takes the arena to copy into, so a copy may outlive the tree it was taken from.
//
// Depth. Expressions, types, statements and assignment targets nest without bound; copies,
// comparisons and renderings walk them with worklists on the heap, never by recursion.
//
// Walking. Every node struct has one declared field list (field_list.h), checked at compile
// time to name every member; tree_walk.h walks nodes through it: `обход::для_детей` gives a
// node's children, `обход::обойти<Вид>` every node of a kind under a root, without recursion,
// for passes that read or rewrite nodes in place.
#pragma once

#include "syntax_tree/arena.h"
#include "syntax_tree/assignment_target.h"
#include "syntax_tree/declaration.h"
#include "syntax_tree/expression.h"
#include "syntax_tree/node_list.h"
#include "syntax_tree/statement.h"
#include "syntax_tree/syntax_type.h"
