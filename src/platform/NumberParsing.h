// Text-to-number conversion and the numeric test, as the product applies them to typed
// boxes, project file lines and script strings. The decimal point is always ".".
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kestrelon {

// The number a whole text stands for: blanks around it, an optional sign, digits with
// thousands separators (","), at most one decimal point, an optional exponent, or a
// "&H" / "&O" prefixed whole number. Empty text and anything else give nullopt.
std::optional<double> parseNumber(std::string_view text);

// A decimal number text read exactly: ±digits × 10^exponent, digits without leading zeros
// (empty for zero).
struct ExactDecimal {
    bool negative = false;
    std::string digits;
    std::int64_t exponent = 0;
};

// The decimal number parseNumber would read, kept exact, for conversions a double would round
// (amounts of 19 digits). nullopt for what parseNumber refuses and for the "&H" / "&O" forms,
// whole numbers a double holds exactly.
std::optional<ExactDecimal> parseExactDecimal(std::string_view text);

// True when parseNumber would give a number.
bool isNumeric(std::string_view text);

// The number at the start of a text, as the frame box is read: blanks are skipped anywhere,
// reading stops at the first character that cannot continue a number, no number reads as 0,
// a number beyond the Double range reads as an infinity of its sign.
double readLeadingNumber(std::string_view text);

} // namespace kestrelon
