// What the interpreter needs from the math built-ins beyond the function table: the
// Randomize statement, which reseeds the engine's Rnd generator.
#pragma once

#include "vbscript/values/Value.h"
#include "vbscript/runtime/Builtin.h"

#include <optional>

namespace kestrelon::vbs {

// Randomize [seed]: without a seed the generator is reseeded from the timer. The new state
// keeps the low 8 bits of the old one, as the Windows engine's generator does.
void randomize(BuiltinContext& context, std::optional<Value> seed);

} // namespace kestrelon::vbs
