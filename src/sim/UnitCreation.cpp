// Unit creation. The draws are taken in a fixed order (X before Z, units in creation order),
// so the first run after the program starts puts a project's units on the same spots.
#include "sim/UnitCreation.h"

#include "platform/NumberFormatting.h"
#include "platform/Rounding.h"

namespace kestrelon::sim {

std::int32_t unitsInAction(const std::string& typeName, const UnitType& type)
{
    const auto count = tryRoundToInt32(type.Proportion);
    if (!count)
        throw UnitCountError("The unit type \"" + typeName + "\" has more units in action (" +
                             formatDouble(type.Proportion) + ") than a run can hold.");
    return *count > 0 ? *count : 0;
}

std::int32_t countUnits(const Project& project)
{
    std::int64_t total = 0;
    for (std::int32_t t = 1; t <= project.NumTypes(); ++t) {
        total += unitsInAction(project.TypeNames[t], project.UnitTypes[t]);
        if (total > MaxUnits)
            throw UnitCountError("The project has more units in action than a run can hold (at most " +
                                 formatInteger(MaxUnits) + "): the type \"" + project.TypeNames[t] +
                                 "\" brings them to " + formatInteger(total) + ".");
    }
    return static_cast<std::int32_t>(total);
}

std::int32_t typeOfUnit(const Project& project, std::int32_t unit)
{
    std::int64_t last = 0; // the number of the last unit of the types so far
    for (std::int32_t t = 1; t <= project.NumTypes() && unit > 0; ++t) {
        last += unitsInAction(project.TypeNames[t], project.UnitTypes[t]);
        if (unit <= last)
            return t;
    }
    return 0;
}

void createUnit(Avatar& unit, const UnitType& type, RandomGenerator& random)
{
    unit.Accel = type.Accel;
    unit.Armor = type.Armor;
    unit.AttackAnim = type.AttackAnim;
    unit.Code = type.Code;
    unit.Damage = type.Damage;
    unit.Figure = type.Figure;
    unit.FigureIndex = type.FigureIndex;
    unit.Maxlife = type.Maxlife;
    unit.MaxSpeed = type.MaxSpeed;
    unit.Proportion = type.Proportion;
    unit.Range = type.Range;
    unit.Team = type.Team;
    // The map's horizontal axis is the scene's X, its vertical axis the scene's Z.
    const double r1 = random.next();
    unit.xPos = r1 * static_cast<double>(type.DeployWidth) + static_cast<double>(type.DeployLeft);
    unit.yPos = 0;
    const double r2 = random.next();
    unit.zPos = r2 * static_cast<double>(type.DeployHeight) + static_cast<double>(type.DeployTop);
}

void buildUnitTable(AvatarTable& avatars, const Project& project, RandomGenerator& random)
{
    const std::int32_t total = countUnits(project);
    avatars.clear();
    avatars.reserve(total);
    for (std::int32_t t = 1; t <= project.NumTypes(); ++t) {
        const UnitType& type = project.UnitTypes[t];
        const std::int32_t count = unitsInAction(project.TypeNames[t], type);
        for (std::int32_t k = 0; k < count; ++k)
            createUnit(avatars.grow(), type, random);
    }
}

} // namespace kestrelon::sim
