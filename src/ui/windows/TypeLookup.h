// Finding the unit type a list entry names. Lists show type names only, so of several types
// with one name the last is the one an entry stands for, in every editor alike.
#pragma once

#include "model/Project.h"

#include <QString>

#include <cstdint>

namespace kestrelon::ui {

// The last type whose name shows as shownName (compared exactly, letter case included);
// 0 when no type has it.
std::int32_t lastTypeNamed(const Project& project, const QString& shownName);

} // namespace kestrelon::ui
