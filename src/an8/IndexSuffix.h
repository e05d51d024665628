// The number that tells units (and duplicated figures) apart in scene names.
// Kestrelon and Tessary share it, so a scene's "soldier007" finds Tessary's seventh copy.
#pragma once

#include <cstdint>
#include <string>

namespace kestrelon::an8 {

// "001" for 1, "042" for 42, "137" for 137; from 1000 on every digit ("1000", "1001"), so
// the units of a big battle keep unique names and still find their numbered figures.
std::string IndexSuffix(std::int32_t n);

} // namespace kestrelon::an8
