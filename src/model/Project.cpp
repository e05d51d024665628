// Growing the project: a type name and its record are always added together, so entry i of
// both tables is always type i.
#include "model/Project.h"

namespace kestrelon {

std::int32_t Project::addType(std::string name)
{
    UnitTypes.add(UnitType{});
    return TypeNames.add(std::move(name));
}

std::int32_t Project::addFigure(std::string name)
{
    return FigureNames.add(std::move(name));
}

std::int32_t Project::addSequence(SequenceInfo sequence)
{
    return Sequences.add(std::move(sequence));
}

} // namespace kestrelon
