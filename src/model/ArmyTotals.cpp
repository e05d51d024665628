// Army totals: each addition is rounded at once, so two types of 1.5 units count 2 then 4,
// exactly as the main window has always shown them.
#include "model/ArmyTotals.h"

#include "platform/Rounding.h"

namespace kestrelon {

std::int32_t armyTotal(const Project& project, std::int32_t army)
{
    std::int32_t total = 0;
    for (const UnitType& type : project.UnitTypes) {
        if (type.Team == army)
            total = roundToInt32(static_cast<double>(total) + type.Proportion);
    }
    return total;
}

} // namespace kestrelon
