// General-form number text with a fixed count of significant digits.
#include "platform/NumberFormatting.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <optional>
#include <string_view>

namespace kestrelon {
namespace {

// Digits are kept in place and texts built once: scene files write millions of numbers, and
// most of their texts fit in a string's own storage, so writing one asks the heap for nothing.
struct Decimal {
    bool negative = false;
    char digits[24] = {}; // significant digits, no trailing zeros, at least one digit
    int count = 0;
    int exponent = 0; // value = 0.d1d2d3... * 10^(exponent + 1), i.e. d1 stands at 10^exponent

    std::string_view significant() const { return {digits, static_cast<std::size_t>(count)}; }
};

Decimal digitsOf(const char* text, const char* end);
Decimal roundedAt(const Decimal& digits, int count);

// The digits of a value rounded to significantDigits. They come from the shortest digits that
// read back as the value, which to_chars finds far quicker than a rounding to a precision (a
// scene writes millions of coordinates): for a normal double, those digits and the value lie
// on the same side of every rounding boundary of fewer digits, since a boundary between them
// would itself read back and be shorter or nearer. Only a shortest form that ends exactly on a
// boundary (one digit too many, and that digit a 5) leaves the side to the value itself.
Decimal decompose(double value, int significantDigits)
{
    // to_chars ignores the C locale, so a window running under a comma locale still writes ".".
    char buffer[64];
    if (std::abs(value) >= std::numeric_limits<double>::min()) {
        const char* const end =
            std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific).ptr;
        const Decimal shortest = digitsOf(buffer, end);
        if (shortest.count <= significantDigits)
            return shortest;
        const bool onBoundary = shortest.count == significantDigits + 1 && shortest.digits[significantDigits] == '5';
        if (!onBoundary)
            return roundedAt(shortest, significantDigits);
    }
    const char* const end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific,
                                          significantDigits - 1)
                                .ptr;
    return digitsOf(buffer, end);
}

// Digits cut to count, the last one rounded up when the first digit cut is 5 or more.
Decimal roundedAt(const Decimal& digits, int count)
{
    Decimal result = digits;
    result.count = count;
    if (digits.digits[count] >= '5') {
        int i = count - 1;
        while (i >= 0 && result.digits[i] == '9')
            result.digits[i--] = '0';
        if (i < 0) { // 9.99… became 10
            result.digits[0] = '1';
            result.count = 1;
            ++result.exponent;
        } else {
            ++result.digits[i];
        }
    }
    while (result.count > 1 && result.digits[result.count - 1] == '0')
        --result.count;
    return result;
}

// The digits and exponent of to_chars' scientific form ("-1.2345e+02").
Decimal digitsOf(const char* text, const char* end)
{
    Decimal result;
    const char* p = text;
    if (*p == '-') {
        result.negative = true;
        ++p;
    }
    for (; p != end && *p != 'e'; ++p) {
        if (*p != '.' && result.count < static_cast<int>(sizeof result.digits))
            result.digits[result.count++] = *p;
    }
    if (p != end) { // "e+05", "e-07"
        const char* exponent = p + 1;
        if (*exponent == '+')
            ++exponent;
        std::from_chars(exponent, end, result.exponent);
    }
    while (result.count > 1 && result.digits[result.count - 1] == '0')
        --result.count;
    return result;
}

std::string plainForm(const Decimal& d)
{
    const std::string_view digits = d.significant();
    std::string text;
    text.reserve(static_cast<std::size_t>(d.count + std::abs(d.exponent) + 3));
    if (d.negative)
        text += '-';
    if (d.exponent < 0) {
        text += "0.";
        text.append(static_cast<size_t>(-d.exponent - 1), '0');
        text += digits;
    } else if (d.exponent + 1 >= d.count) {
        text += digits;
        text.append(static_cast<size_t>(d.exponent + 1 - d.count), '0');
    } else {
        text += digits.substr(0, static_cast<size_t>(d.exponent + 1));
        text += '.';
        text += digits.substr(static_cast<size_t>(d.exponent + 1));
    }
    return text;
}

std::string exponentForm(const Decimal& d)
{
    const std::string_view digits = d.significant();
    std::string text;
    if (d.negative)
        text += '-';
    text += digits.substr(0, 1);
    if (digits.size() > 1) {
        text += '.';
        text += digits.substr(1);
    }
    char exponent[16];
    std::snprintf(exponent, sizeof exponent, "E%c%02d", d.exponent < 0 ? '-' : '+', std::abs(d.exponent));
    return text + exponent;
}

// The texts of values that have no digits to round: zero (whatever its sign) and the non-finite.
std::optional<std::string> digitlessText(double value)
{
    if (std::isnan(value))
        return "NaN";
    if (std::isinf(value))
        return value < 0 ? "-Infinity" : "Infinity";
    if (value == 0)
        return "0";
    return std::nullopt;
}

std::string formatGeneral(double value, int significantDigits)
{
    if (auto text = digitlessText(value))
        return *text;
    const Decimal d = decompose(value, significantDigits);
    // The plain form is used while it needs no more digit places than the significant digits:
    // for large values the places before the point, for small ones the zeros after it too.
    const int places = d.exponent >= 0 ? d.exponent + 1 : -d.exponent - 1 + d.count;
    const bool plain = d.exponent >= 0 ? d.exponent < significantDigits : places <= significantDigits;
    return plain ? plainForm(d) : exponentForm(d);
}

} // namespace

std::string formatInteger(std::int64_t value)
{
    return std::to_string(value);
}

std::string formatDouble(double value)
{
    return formatGeneral(value, 15);
}

std::string formatPlainDouble(double value)
{
    if (auto text = digitlessText(value))
        return *text;
    return plainForm(decompose(value, 15));
}

std::string formatSingle(float value)
{
    return formatGeneral(static_cast<double>(value), 7);
}

} // namespace kestrelon
