// What a conformance script says it prints: its "' expect: TEXT" comments in order, and at
// most one "' expect error: DESCRIPTION (column N)" whose line is where the comment stands
// (or, alone on a line, the nearest line of code above it), so inserting lines moves nothing.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace kestrelon::vbs::testing {

struct Expectations {
    std::vector<std::string> lines;
    // The whole message the host reports, "Error DESCRIPTION line: L column: N".
    std::optional<std::string> error;
    // Files of tests/vbscript/support/ named by "' needs: NAME.vbs", appended to the script.
    std::vector<std::string> needs;
};

// Reads the expectations of a script's lines (line 1 first). Raises std::runtime_error naming
// the line of a malformed expectation.
Expectations expectationsOf(const std::vector<std::string>& source);

} // namespace kestrelon::vbs::testing
