// The settings of one unit type and one catalogued named sequence, as the editors set them,
// the project file stores them and every unit of a run copies them.
#pragma once

#include <cstdint>
#include <string>

namespace kestrelon {

struct UnitType {
    double Accel = 0;
    double MaxSpeed = 0;
    std::int32_t Maxlife = 0;
    std::int32_t Armor = 0;
    std::string AttackAnim;  // the named sequence the type's units play when they attack
    std::int32_t Damage = 0;
    double Proportion = 0;   // how many units take part; rounded half-even where counted
    double Range = 0;
    std::string Figure;      // spelled exactly as in the figure catalogue
    std::int32_t FigureIndex = 0; // its number in the catalogue; 0 while none is set
    std::string Code;        // the AI script, lines separated by CR LF
    std::int32_t Team = 0;   // army 1 or 2; any other value belongs to no army
    // The deployment box in map coordinates: the first corner clicked and the offsets to
    // the second, negative when the second corner lies left of or above the first.
    std::int32_t DeployLeft = 0, DeployTop = 0, DeployWidth = 0, DeployHeight = 0;

    friend bool operator==(const UnitType&, const UnitType&) = default;
};

struct SequenceInfo {
    std::string FigureName;   // the figure the sequence animates; empty when not named
    std::string SequenceName;

    friend bool operator==(const SequenceInfo&, const SequenceInfo&) = default;
};

} // namespace kestrelon
