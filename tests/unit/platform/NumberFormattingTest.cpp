// Number text: the one conversion the engine, the project file and the scene file share.
#include "platform/NumberFormatting.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>

namespace kestrelon {
namespace {

struct DoubleCase {
    double value;
    const char* text;
};

class FormatDouble : public ::testing::TestWithParam<DoubleCase> {};

TEST_P(FormatDouble, WritesTheGeneralForm)
{
    EXPECT_EQ(formatDouble(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Values, FormatDouble, ::testing::Values(
    DoubleCase{1.0 / 3, "0.333333333333333"},
    DoubleCase{-0.25, "-0.25"},
    DoubleCase{12.5, "12.5"},
    DoubleCase{3, "3"},
    DoubleCase{-5.5, "-5.5"},
    DoubleCase{1e15, "1E+15"},
    DoubleCase{1e14, "100000000000000"},
    DoubleCase{1e20, "1E+20"},
    DoubleCase{0.00001, "0.00001"},
    DoubleCase{0.0199999997764826, "1.99999997764826E-02"},
    DoubleCase{9.2 * 100, "920"},
    DoubleCase{0.1 + 0.2, "0.3"},
    DoubleCase{9007199254740992.0, "9.00719925474099E+15"},
    DoubleCase{1.4142135623730951, "1.4142135623731"},
    DoubleCase{-0.0, "0"},
    DoubleCase{1e-300, "1E-300"},
    DoubleCase{-1.5e-7, "-0.00000015"},
    DoubleCase{123456789012345.6, "123456789012346"}));

class FormatPlainDouble : public ::testing::TestWithParam<DoubleCase> {};

TEST_P(FormatPlainDouble, WritesFifteenDigitsWithoutAnExponent)
{
    EXPECT_EQ(formatPlainDouble(GetParam().value), GetParam().text);
}

// The digits of 10^exponent in plain form: "1" and zeros, or "0." and zeros before the "1".
std::string powerOfTen(int exponent)
{
    if (exponent >= 0)
        return "1" + std::string(static_cast<size_t>(exponent), '0');
    return "0." + std::string(static_cast<size_t>(-exponent - 1), '0') + "1";
}

INSTANTIATE_TEST_SUITE_P(Values, FormatPlainDouble, ::testing::Values(
    DoubleCase{0.0453527569770813, "0.0453527569770813"},
    DoubleCase{-0.0453527569770813, "-0.0453527569770813"},
    DoubleCase{0.0199999997764826, "0.0199999997764826"},
    DoubleCase{1.0 / 3, "0.333333333333333"},
    DoubleCase{-5.5, "-5.5"},
    DoubleCase{3, "3"},
    DoubleCase{0.1 + 0.2, "0.3"},
    DoubleCase{1e14, "100000000000000"},
    DoubleCase{1e15, "1000000000000000"},
    DoubleCase{-1e20, "-100000000000000000000"},
    DoubleCase{9007199254740992.0, "9007199254740990"},
    DoubleCase{123456789012345.6, "123456789012346"},
    DoubleCase{1e-7, "0.0000001"},
    DoubleCase{0.1 + 0.2 - 0.3, "0.0000000000000000555111512312578"},
    DoubleCase{-1e-20, "-0.00000000000000000001"},
    DoubleCase{-0.0, "0"},
    DoubleCase{0.0, "0"}));

// The extremes of the number range keep every digit place, so a text can grow to a few
// hundred characters, but it never shows an exponent and reads back as the same number.
TEST(FormatPlainDouble, TheExtremesOfTheRangeAreWrittenInFull)
{
    EXPECT_EQ(formatPlainDouble(1e300), powerOfTen(300));
    EXPECT_EQ(formatPlainDouble(-1e-300), "-" + powerOfTen(-300));
    EXPECT_EQ(formatPlainDouble(std::numeric_limits<double>::max()), "179769313486232" + std::string(294, '0'));
    EXPECT_EQ(formatPlainDouble(std::numeric_limits<double>::denorm_min()),
              "0." + std::string(323, '0') + "494065645841247");
}

TEST(FormatPlainDouble, ReadsBackAsTheGeneralFormAtEveryMagnitude)
{
    for (int exponent = -323; exponent <= 307; ++exponent) {
        for (double mantissa : {1.0, -2.5, 4.53527569770813, 9.99999999999999}) {
            const double value = mantissa * std::pow(10.0, exponent);
            const std::string plain = formatPlainDouble(value);
            EXPECT_EQ(plain.find_first_of("Ee"), std::string::npos) << plain;
            EXPECT_EQ(std::strtod(plain.c_str(), nullptr), std::strtod(formatDouble(value).c_str(), nullptr))
                << plain;
        }
    }
}

TEST(FormatSingle, UsesSevenSignificantDigits)
{
    EXPECT_EQ(formatSingle(1.0f / 3), "0.3333333");
    EXPECT_EQ(formatSingle(12345678.0f), "1.234568E+07");
    EXPECT_EQ(formatSingle(1234567.0f), "1234567");
    EXPECT_EQ(formatSingle(-2.5f), "-2.5");
}

TEST(FormatInteger, WritesPlainDecimal)
{
    EXPECT_EQ(formatInteger(0), "0");
    EXPECT_EQ(formatInteger(-42), "-42");
    EXPECT_EQ(formatInteger(std::numeric_limits<std::int32_t>::min()), "-2147483648");
}

// The digits of printf's "%.Ne", which rounds the exact value correctly: what every number
// text must agree with.
std::string roundedDigits(double value, int significantDigits, int* exponent)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.*e", significantDigits - 1, std::fabs(value));
    std::string digits;
    const char* p = text;
    for (; *p != 'e'; ++p)
        if (*p != '.')
            digits += *p;
    *exponent = std::atoi(p + 1);
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    return digits;
}

// The digits of a formatted number, without sign, point and leading zeros, and the place of
// its first digit.
std::string digitsOfText(const std::string& text, int* exponent)
{
    std::string digits;
    int beforePoint = 0;
    bool seenPoint = false;
    for (const char c : text.substr(0, text.find('E'))) {
        if (c == '.') {
            seenPoint = true;
        } else if (c >= '0' && c <= '9') {
            if (digits.empty() && c == '0') {
                if (seenPoint)
                    --beforePoint;
                continue;
            }
            digits += c;
            if (!seenPoint)
                ++beforePoint;
        }
    }
    const std::size_t mark = text.find('E');
    *exponent = beforePoint - 1 + (mark != std::string::npos ? std::atoi(text.c_str() + mark + 1) : 0);
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    return digits;
}

TEST(NumberDigits, AgreeWithCorrectRoundingWhereRoundingIsDelicate)
{
    // Sums that leave 16 or 17 digits, nines that carry into a new place, halves at the digit
    // cut, the edges of the normal range and widened floats.
    for (const double value : {0.1 + 0.2, 1.0000000000000002, 9.999999999999998, 99999.99999999999, 0.9999999999999999,
                               123456789012345.6, 1234567890123455.0, 0.1234567890123455, 2.5e-16 + 1,
                               1.0 / 3, 2.0 / 3, 1e23, 9.007199254740993e15, 4.35, 2.675, 1.005,
                               std::numeric_limits<double>::min(), std::numeric_limits<double>::max(),
                               static_cast<double>(0.1f), static_cast<double>(3.14159274f)}) {
        for (const double signed_ : {value, -value}) {
            int expectedExponent = 0;
            int actualExponent = 0;
            const std::string expected = roundedDigits(signed_, 15, &expectedExponent);
            EXPECT_EQ(digitsOfText(formatPlainDouble(signed_), &actualExponent), expected) << signed_;
            EXPECT_EQ(actualExponent, expectedExponent) << signed_;
        }
    }
}

TEST(NumberDigits, AgreeWithCorrectRoundingAcrossTheRange)
{
    // Doubles from every binade, subnormals included, and floats widened to doubles.
    std::uint64_t state = 0x9e3779b97f4a7c15u;
    const auto next = [&] {
        state ^= state << 13;
        state ^= state >> 7;
        state ^= state << 17;
        return state;
    };
    for (int i = 0; i < 200000; ++i) {
        double value = 0;
        // Two in three with the exponent bits cleared: subnormal numbers.
        const std::uint64_t exponentBits = std::uint64_t{0x7ff} << 52;
        const std::uint64_t bits = i % 3 == 0 ? next() : next() & ~exponentBits;
        std::memcpy(&value, &bits, sizeof value);
        if (!std::isfinite(value) || value == 0)
            continue;
        int expectedExponent = 0;
        int actualExponent = 0;
        const std::string expected = roundedDigits(value, 15, &expectedExponent);
        ASSERT_EQ(digitsOfText(formatPlainDouble(value), &actualExponent), expected) << value;
        ASSERT_EQ(actualExponent, expectedExponent) << value;
        ASSERT_EQ(digitsOfText(formatDouble(value), &actualExponent), expected) << value;
        const float single = static_cast<float>(value);
        if (std::isfinite(single) && single != 0) {
            const std::string expectedSingle = roundedDigits(single, 7, &expectedExponent);
            ASSERT_EQ(digitsOfText(formatSingle(single), &actualExponent), expectedSingle) << single;
            ASSERT_EQ(actualExponent, expectedExponent) << single;
        }
    }
}

} // namespace
} // namespace kestrelon
