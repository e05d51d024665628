// The one project the program holds: the unit types with their names, and the catalogue of
// figures and named sequences collected from An8 files. Type names and records stay parallel.
#pragma once

#include "model/Table.h"
#include "model/UnitType.h"

#include <cstdint>
#include <string>

namespace kestrelon {

struct Project {
    Table<std::string> TypeNames;
    Table<UnitType> UnitTypes;   // entry i belongs to TypeNames entry i
    Table<std::string> FigureNames;
    Table<SequenceInfo> Sequences;
    // The file it was read from began with a UTF-8 byte-order mark, as some text editors save
    // one: a save writes it back, so the file keeps the form its editor expects.
    bool byteOrderMark = false;

    std::int32_t NumTypes() const { return TypeNames.count(); }
    std::int32_t NumFigures() const { return FigureNames.count(); }
    std::int32_t NumSequences() const { return Sequences.count(); }

    // Adds a type with an empty record; returns its number.
    std::int32_t addType(std::string name);
    // Appends to the catalogue; returns the new entry's number.
    std::int32_t addFigure(std::string name);
    std::int32_t addSequence(SequenceInfo sequence = {});

    friend bool operator==(const Project&, const Project&) = default;
};

} // namespace kestrelon
