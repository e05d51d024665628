// The product's number-to-text conversions: script CStr and project files write the general
// form; scene files write the same digits in plain decimal form, never with an exponent.
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

// The scene files' form: the same 15 significant digits, trailing zeros dropped and never "-0",
// but always plain decimal (0.0453527569770813, not 4.53527569770813E-02), since the animation
// package reads no exponents. Very large or small values keep every digit place: 1e-300 is
// "0." with 299 zeros and "1", some 300 characters, never 0.
std::string formatPlainDouble(double value);

// The same form for single-precision values, with 7 significant digits.
std::string formatSingle(float value);

} // namespace kestrelon
