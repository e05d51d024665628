// Turns resolved statements into their compiled form (Code.h). A body that sets its own error
// handling (On Error) keeps running through the tree interpreter, which resumes statement by
// statement; every other body is compiled.
#pragma once

#include "vbscript/compile/Code.h"
#include "vbscript/syntax/Ast.h"

#include <memory>

namespace kestrelon::vbs {

// Compiles every procedure and the top-level statements of a resolved program, giving each
// frame the extra slots its code computes in.
void generateCode(Program& program);

// The same for the procedures alone, those of its classes included (code that Execute runs
// keeps its statements to the tree interpreter).
void generateProcedureCode(Program& program);

// The code of one block, run in a frame of slotCount slots, which grows by the slots the code
// computes in; nullptr when the block must run through the tree interpreter.
std::shared_ptr<const Code> generateBlockCode(const Block& block, int& slotCount);

} // namespace kestrelon::vbs
