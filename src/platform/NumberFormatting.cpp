// General-form number text with a fixed count of significant digits.
#include "platform/NumberFormatting.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>

namespace kestrelon {
namespace {

struct Decimal {
    bool negative = false;
    std::string digits; // significant digits, no trailing zeros, at least one digit
    int exponent = 0;   // value = 0.d1d2d3... * 10^(exponent + 1), i.e. d1 stands at 10^exponent
};

Decimal decompose(double value, int significantDigits)
{
    // to_chars ignores the C locale, so a window running under a comma locale still writes ".".
    char buffer[64];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer - 1, value,
                                   std::chars_format::scientific, significantDigits - 1).ptr;
    *end = '\0';
    Decimal result;
    const char* p = buffer;
    if (*p == '-') {
        result.negative = true;
        ++p;
    }
    for (; *p && *p != 'e'; ++p) {
        if (*p != '.')
            result.digits += *p;
    }
    result.exponent = (*p == 'e') ? std::atoi(p + 1) : 0;
    while (result.digits.size() > 1 && result.digits.back() == '0')
        result.digits.pop_back();
    return result;
}

std::string plainForm(const Decimal& d)
{
    std::string text;
    const int count = static_cast<int>(d.digits.size());
    if (d.exponent < 0) {
        text = "0.";
        text.append(static_cast<size_t>(-d.exponent - 1), '0');
        text += d.digits;
    } else if (d.exponent + 1 >= count) {
        text = d.digits;
        text.append(static_cast<size_t>(d.exponent + 1 - count), '0');
    } else {
        text = d.digits.substr(0, static_cast<size_t>(d.exponent + 1));
        text += '.';
        text += d.digits.substr(static_cast<size_t>(d.exponent + 1));
    }
    return text;
}

std::string exponentForm(const Decimal& d)
{
    std::string text = d.digits.substr(0, 1);
    if (d.digits.size() > 1) {
        text += '.';
        text += d.digits.substr(1);
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

std::string withSign(const Decimal& d, std::string text)
{
    return d.negative ? "-" + text : text;
}

std::string formatGeneral(double value, int significantDigits)
{
    if (auto text = digitlessText(value))
        return *text;
    const Decimal d = decompose(value, significantDigits);
    // The plain form is used while it needs no more digit places than the significant digits:
    // for large values the places before the point, for small ones the zeros after it too.
    const int places = d.exponent >= 0 ? d.exponent + 1
                                       : -d.exponent - 1 + static_cast<int>(d.digits.size());
    const bool plain = d.exponent >= 0 ? d.exponent < significantDigits : places <= significantDigits;
    return withSign(d, plain ? plainForm(d) : exponentForm(d));
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
    const Decimal d = decompose(value, 15);
    return withSign(d, plainForm(d));
}

std::string formatSingle(float value)
{
    return formatGeneral(static_cast<double>(value), 7);
}

} // namespace kestrelon
