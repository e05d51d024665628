// Number text: the one conversion the engine, the project file and the scene file share.
#include "platform/NumberText.h"

#include <gtest/gtest.h>

#include <limits>

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

} // namespace
} // namespace kestrelon
