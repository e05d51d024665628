// The keys a unit's scene texts hold, read back from the texts themselves, so a preview shows
// exactly what the scene file animates, whatever a script wrote there. Text that is no key is
// passed over, as the animation package would not find a key in it either.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kestrelon::an8 {

// " pointkey { FRAME ( X Y Z ) … }" of a position track (either spacing the key texts use).
struct PointKey {
    std::int32_t frame = 0;
    double x = 0;
    double y = 0;
    double z = 0;
};

// " namedsequence { "NAME" FRAME } ".
struct SequenceKey {
    std::int32_t frame = 0;
    std::string name;
};

// Every point key in text, in the order written.
std::vector<PointKey> readPointKeys(std::string_view text);

// Every named-sequence key in text, in the order written.
std::vector<SequenceKey> readSequenceKeys(std::string_view text);

} // namespace kestrelon::an8
