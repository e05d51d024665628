// Half-even rounding to 32-bit whole numbers.
#include "platform/Rounding.h"

#include <cmath>

namespace kestrelon {

double roundHalfEven(double value)
{
    // nearbyint follows the current rounding mode, which the program never changes from
    // round-to-nearest-even.
    return std::nearbyint(value);
}

std::optional<std::int32_t> tryRoundToInt32(double value)
{
    if (std::isnan(value))
        return std::nullopt;
    const double rounded = roundHalfEven(value);
    if (rounded < -2147483648.0 || rounded > 2147483647.0)
        return std::nullopt;
    return static_cast<std::int32_t>(rounded);
}

std::int32_t roundToInt32(double value)
{
    if (auto result = tryRoundToInt32(value))
        return *result;
    throw RoundingOverflow();
}

} // namespace kestrelon
