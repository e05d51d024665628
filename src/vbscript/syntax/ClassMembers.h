// The member table of a class, built once its text is parsed (ClassMembers.cpp).
#pragma once

#include "vbscript/syntax/Ast.h"

namespace kestrelon::vbs {

// Fills decl's members, their index, its default member and its Class_Initialize and
// Class_Terminate; raises the compilation errors of a class whose members disagree.
void buildClassMembers(ClassDecl& decl);

} // namespace kestrelon::vbs
