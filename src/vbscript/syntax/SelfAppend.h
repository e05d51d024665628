// The shape of an assignment that appends to its own target: "s = s & tail" and
// "x.m = x.m & tail" with x a plain name, the tail possibly a chain of "&" itself
// ("s = s & a & b", read ((s & a) & b)). Such statements may grow the text in place.
#pragma once

#include "vbscript/syntax/Ast.h"

namespace kestrelon::vbs {

// The leftmost operand of a chain of "&": in "s & a & b" that is s.
const Expr& chainStart(const Expr& value);

bool appendsToItself(const AssignStmt& statement);

} // namespace kestrelon::vbs
