// The whole syntax tree in one include.
#pragma once

#include "syntax_tree/assignment_target.h"
#include "syntax_tree/declaration.h"
#include "syntax_tree/expression.h"
#include "syntax_tree/statement.h"
#include "syntax_tree/syntax_type.h"
