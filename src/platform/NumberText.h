// The one number-to-text conversion of the product: script CStr, project files and scene
// files all write numbers this way, so a value reads the same wherever it appears.
#pragma once

#include <cstdint>
#include <string>

namespace kestrelon {

// Plain decimal with a leading "-" for negatives.
std::string formatInteger(std::int64_t value);

// The general form with at most 15 significant digits: no trailing zeros, no point for whole
// values, the exponent form ("1E+15", "1.99999997764826E-02") where the plain form would need
// more than 15 digit places, never "-0". The decimal separator is always ".".
std::string formatDouble(double value);

// The same form for single-precision values, with 7 significant digits.
std::string formatSingle(float value);

} // namespace kestrelon
