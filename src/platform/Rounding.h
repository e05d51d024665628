// Conversion of floating-point values to 32-bit whole numbers. Everywhere in the product a
// half goes to the even neighbour (2.5 -> 2, 3.5 -> 4), as the original tools rounded.
#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>

namespace kestrelon {

// Raised when a value rounds to something outside the 32-bit signed range (or is not a number).
class RoundingOverflow : public std::overflow_error {
public:
    RoundingOverflow() : std::overflow_error("Overflow") {}
};

// Nearest whole number, halves to even; nullopt outside the 32-bit range or for NaN.
std::optional<std::int32_t> tryRoundToInt32(double value);

// As tryRoundToInt32, raising RoundingOverflow instead of returning nullopt.
std::int32_t roundToInt32(double value);

// Nearest whole number as a double, halves to even, for values of any size.
double roundHalfEven(double value);

} // namespace kestrelon
