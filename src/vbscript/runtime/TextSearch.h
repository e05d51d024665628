// Searching a script text for another: InStr, Replace, Split and Filter all find texts in texts,
// and a script may hand them any texts, so the search may never slow down with what they hold.
#pragma once

#include "vbscript/values/Text.h"

#include <cstddef>

namespace kestrelon::vbs {

// Where needle first starts in text at or after from; npos when nowhere (from past the end
// included). An empty needle is found at from.
std::size_t findText(TextView text, TextView needle, std::size_t from);

} // namespace kestrelon::vbs
