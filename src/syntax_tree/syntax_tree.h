// The whole syntax tree in one include, and how to use it.
//
// Ownership. Every node of a tree lives in one Арена (arena.h): nodes, their lists and the
// texts of their names and literals. Nothing in a node owns anything; dropping the arena
// frees the whole tree at once and runs no destructor (every node type is trivially
// destructible, checked at compile time). A parsed program comes with its arena as one
// value, РазобраннаяПрограмма (parser/front_end.h): keep that value alive as long as
// anything reads the tree. A tree never refers to the source text it was parsed from.
//
// Reading. A boxed child is Указатель<Т>, read with `*` and `->` like std::unique_ptr; its
// == compares identity, `*а == *б` structure. A list of children is СписокУзлов<Т>, a view
// with begin/end, size, empty, [], front and back like std::span; its == compares element
// by element. A text is a std::string_view into the arena. Optional parts are std::optional.
// Node structs compare structurally with ==, iteratively at any depth.
//
// Changing. Elements reached through a Указатель or a СписокУзлов may be changed in place
// (the rewrite pass does); a list's length is fixed once it is built.
//
// Building. Make children in the arena the tree lives in: `арена.ящик(узел)` boxes one,
// `арена.список(std::span(вектор))` moves a finished list in, `арена.список<Т>(n)` makes n
// default elements to fill, `арена.текст(т)` copies a text. Moving a node copies the
// references to its children; nodes cannot be copied, as a copy would share its children.
// A deep copy is the копия_… function of the node's type, which takes the arena to copy
// into: the copy, texts included, shares nothing with its source and may outlive it.
//
// Depth. Expressions, types, statements and assignment targets nest without bound; copies,
// comparisons and renderings walk them with worklists on the heap, never by recursion.
//
// Walking. Every node struct has one declared field list (field_list.h), checked at compile
// time to name each member exactly once; tree_walk.h walks nodes through it alone:
// `обход::для_детей(узел, ф)` gives a node's children of every kind in field order, and
// `обход::обойти<Вид>(корень, ф)` every node of one kind under a root (a node, a list or a
// declaration), without recursion, for passes that read or rewrite nodes in place; its
// comment shows the substitution of written types in a copied body.
#pragma once

#include "syntax_tree/arena.h"
#include "syntax_tree/assignment_target.h"
#include "syntax_tree/declaration.h"
#include "syntax_tree/expression.h"
#include "syntax_tree/node_list.h"
#include "syntax_tree/statement.h"
#include "syntax_tree/syntax_type.h"
