// Names in An8 files stand between double quotes on their chunk's opening line; both programs
// cut them out the same way.
#pragma once

#include <string>
#include <string_view>

namespace kestrelon::an8 {

// The text between the first and the last double quote of the line (inner quotes kept);
// the empty name when the line holds fewer than two quotes.
std::string GetQuotedName(std::string_view line);

} // namespace kestrelon::an8
