// Building a run's units from the project: type by type, as many units as each type has in
// action, each with a copy of its type's values and a random start point in its type's
// deployment box, on the ground.
#pragma once

#include "model/Project.h"
#include "platform/RandomGenerator.h"
#include "sim/AvatarTable.h"

#include <cstdint>
#include <stdexcept>

namespace kestrelon::sim {

// More units than a run can hold: a type's number in action beyond the 32-bit range, or a
// total beyond MaxUnits. The text names the type and is meant for the user.
class UnitCountError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The most units (and contact entries) a run takes; far beyond what memory holds scripts for.
inline constexpr std::int32_t MaxUnits = 1 << 24;

// The number of units of a type: its Proportion rounded half-even, 0 for zero or less.
// Raises UnitCountError when the number leaves the 32-bit range.
std::int32_t unitsInAction(const std::string& typeName, const UnitType& type);

// The number of units of all types; raises UnitCountError beyond MaxUnits, naming the type
// whose units pass the limit.
std::int32_t countUnits(const Project& project);

// Empties avatars and fills slots 1 .. NumAvatars with the project's units: all units of
// type 1 first, then those of type 2, and so on. Each unit takes two numbers of random.
// Checks the counts first, so UnitCountError leaves the table and the generator untouched.
void buildUnitTable(AvatarTable& avatars, const Project& project, RandomGenerator& random);

// The type index of unit number unit as buildUnitTable numbers the units; 0 when no unit of
// the project has that number.
std::int32_t typeOfUnit(const Project& project, std::int32_t unit);

// Gives unit the values of type and a start point in the type's deployment box: X from the
// first draw, Y = 0, Z from the second draw, computed in double precision.
void createUnit(Avatar& unit, const UnitType& type, RandomGenerator& random);

} // namespace kestrelon::sim
