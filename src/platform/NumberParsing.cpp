// Parsing of numbers in text.
#include "platform/NumberParsing.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>

namespace kestrelon {
namespace {

// from_chars ignores the C locale: "." is the decimal point whatever the user's settings.
// It takes no leading "+", which the callers accept.
double toDouble(const std::string& text)
{
    std::string_view digits(text);
    if (!digits.empty() && digits.front() == '+')
        digits.remove_prefix(1);
    double value = 0;
    const auto result = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        // Too small underflows to 0; too large is infinite, which callers refuse.
        const bool tiny = digits.find("e-") != std::string_view::npos;
        const bool negative = digits.front() == '-';
        return tiny ? 0.0 : (negative ? -HUGE_VAL : HUGE_VAL);
    }
    return result.ec == std::errc() ? value : 0.0;
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

std::string_view trimBlanks(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// "&H1F" or "&O17" (and "&17"): whole numbers of at most 32 bits; 16-bit values are
// taken as signed 16-bit, as script literals are.
std::optional<double> parseRadixNumber(std::string_view text)
{
    text.remove_prefix(1);
    int radix = 8;
    if (!text.empty() && (text.front() == 'h' || text.front() == 'H')) {
        radix = 16;
        text.remove_prefix(1);
    } else if (!text.empty() && (text.front() == 'o' || text.front() == 'O')) {
        text.remove_prefix(1);
    }
    if (text.empty())
        return std::nullopt;
    std::uint64_t value = 0;
    for (char c : text) {
        int digit = std::isdigit(static_cast<unsigned char>(c)) ? c - '0'
                    : std::isxdigit(static_cast<unsigned char>(c)) ? std::tolower(c) - 'a' + 10
                                                                   : 99;
        if (digit >= radix)
            return std::nullopt;
        value = value * static_cast<unsigned>(radix) + static_cast<unsigned>(digit);
        if (value > 0xFFFFFFFFull)
            return std::nullopt;
    }
    if (value <= 0xFFFF)
        return static_cast<double>(static_cast<std::int16_t>(value));
    return static_cast<double>(static_cast<std::int32_t>(static_cast<std::uint32_t>(value)));
}

// The text of a decimal number without its thousands separators: an optional sign, digits
// with at most one decimal point, and an "e" exponent; nullopt when the text is no number.
std::optional<std::string> plainDecimalText(std::string_view text)
{
    std::string cleaned;
    size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        cleaned += text[i++];
    bool digits = false, point = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (std::isdigit(static_cast<unsigned char>(c))) {
            cleaned += c;
            digits = true;
        } else if (c == ',' && digits && !point) {
            continue; // thousands separator
        } else if (c == '.' && !point) {
            cleaned += c;
            point = true;
        } else {
            break;
        }
    }
    if (!digits)
        return std::nullopt;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E' || text[i] == 'd' || text[i] == 'D')) {
        cleaned += 'e';
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            cleaned += text[i++];
        const size_t start = i;
        while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])))
            cleaned += text[i++];
        if (i == start)
            return std::nullopt;
    }
    if (i != text.size())
        return std::nullopt;
    return cleaned;
}

std::optional<double> parseDecimalNumber(std::string_view text)
{
    const auto cleaned = plainDecimalText(text);
    if (!cleaned)
        return std::nullopt;
    const double value = toDouble(*cleaned);
    if (std::isinf(value))
        return std::nullopt;
    return value;
}

} // namespace

std::optional<double> parseNumber(std::string_view text)
{
    text = trimBlanks(text);
    if (text.empty())
        return std::nullopt;
    if (text.front() == '&')
        return parseRadixNumber(text);
    return parseDecimalNumber(text);
}

std::optional<ExactDecimal> parseExactDecimal(std::string_view text)
{
    text = trimBlanks(text);
    if (text.empty() || text.front() == '&')
        return std::nullopt;
    const auto plain = plainDecimalText(text);
    // What parseNumber refuses as beyond the Double range is refused here too.
    if (!plain || std::isinf(toDouble(*plain)))
        return std::nullopt;
    const std::string& cleaned = *plain;
    ExactDecimal exact;
    std::string_view rest(cleaned);
    if (rest.front() == '+' || rest.front() == '-') {
        exact.negative = rest.front() == '-';
        rest.remove_prefix(1);
    }
    const std::size_t e = rest.find('e');
    std::string_view mantissa = rest.substr(0, e);
    if (e != std::string_view::npos) {
        // An exponent of more than nine digits is far beyond any range a caller converts to:
        // capped, it still gives 0 or overflows there.
        std::string_view power = rest.substr(e + 1);
        const bool down = !power.empty() && power.front() == '-';
        if (!power.empty() && (power.front() == '-' || power.front() == '+'))
            power.remove_prefix(1);
        while (power.size() > 1 && power.front() == '0')
            power.remove_prefix(1);
        std::int64_t magnitude = 0;
        for (const char c : power.substr(0, 10))
            magnitude = magnitude * 10 + (c - '0');
        exact.exponent = down ? -magnitude : magnitude;
    }
    for (const char c : mantissa) {
        if (c == '.')
            continue;
        if (c != '0' || !exact.digits.empty())
            exact.digits += c;
    }
    if (const std::size_t point = mantissa.find('.'); point != std::string_view::npos)
        exact.exponent -= static_cast<std::int64_t>(mantissa.size() - point - 1);
    while (!exact.digits.empty() && exact.digits.back() == '0') {
        exact.digits.pop_back();
        ++exact.exponent;
    }
    if (exact.digits.empty())
        exact = ExactDecimal{};
    return exact;
}

bool isNumeric(std::string_view text)
{
    return parseNumber(text).has_value();
}

double readLeadingNumber(std::string_view text)
{
    std::string number;
    bool point = false, exponent = false, digitsSinceExponent = false;
    for (char c : text) {
        if (c == ' ' || c == '\t' || c == '\n' || c == '\r')
            continue;
        const bool digit = std::isdigit(static_cast<unsigned char>(c)) != 0;
        const bool signAllowed = number.empty() || (exponent && number.back() == 'e');
        if (digit) {
            number += c;
            digitsSinceExponent = true;
        } else if ((c == '+' || c == '-') && signAllowed) {
            number += c;
        } else if (c == '.' && !point && !exponent) {
            number += c;
            point = true;
        } else if ((c == 'e' || c == 'E' || c == 'd' || c == 'D') && !exponent && digitsSinceExponent) {
            number += 'e';
            exponent = true;
            digitsSinceExponent = false;
        } else {
            break;
        }
    }
    // A number beyond the Double range stays as large as it is, an infinity of its sign, so
    // the frame box can refuse it instead of reading it as no number.
    return toDouble(number);
}

} // namespace kestrelon
