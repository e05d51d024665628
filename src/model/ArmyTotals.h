// The number of units in each army, as the main window shows it and the command line reports it.
#pragma once

#include "model/Project.h"

#include <cstdint>

namespace kestrelon {

// The units of army 1 or 2: the types' Proportion values of that Team added in type order,
// the running total rounded half-even after each addition (1.5 then 1 gives 2, then 3).
// Raises RoundingOverflow when a total leaves the 32-bit range.
std::int32_t armyTotal(const Project& project, std::int32_t army);

} // namespace kestrelon
