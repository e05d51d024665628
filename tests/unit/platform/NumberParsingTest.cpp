// Reading numbers from text: the numeric test, whole-text parsing and the frame-box reader.
#include "platform/NumberParsing.h"
#include "platform/Rounding.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kestrelon {
namespace {

TEST(ParseNumber, AcceptsWhatTheNumericTestAccepts)
{
    struct Case { const char* text; std::optional<double> value; };
    const Case cases[] = {
        {"42", 42}, {" -3.5 ", -3.5}, {"+7", 7}, {"1,234.5", 1234.5}, {"1e3", 1000},
        {"2.5E-1", 0.25}, {".5", 0.5}, {"10.", 10}, {"&HFF", 255}, {"&HFFFF", -1},
        {"&O17", 15}, {"", std::nullopt}, {"   ", std::nullopt}, {"abc", std::nullopt},
        {"1.2.3", std::nullopt}, {"1e", std::nullopt}, {"12abc", std::nullopt},
        {"-", std::nullopt}, {".", std::nullopt}, {"1e999", std::nullopt}, {"1e-400", 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(parseNumber(c.text), c.value) << '"' << c.text << '"';
        EXPECT_EQ(isNumeric(c.text), c.value.has_value()) << '"' << c.text << '"';
    }
}

// Every digit kept, leading and trailing zeros folded into the exponent, and only what
// parseNumber reads as a decimal number.
TEST(ParseExactDecimal, KeepsEveryDigitOfWhatParseNumberReads)
{
    struct Case { const char* text; bool known; bool negative; const char* digits; std::int64_t exponent; };
    const Case cases[] = {
        {"922337203685477.5807", true, false, "9223372036854775807", -4},
        {" -1,200.50 ", true, true, "12005", -1},
        {"+0.00070", true, false, "7", -4},
        {"1.5e3", true, false, "15", 2},
        {"25E-2", true, false, "25", -2},
        {"000", true, false, "", 0},
        {"0.0e5", true, false, "", 0},
        {"1e-400", true, false, "1", -400},
        {"&H10", false, false, "", 0},
        {"1e999", false, false, "", 0},
        {"12abc", false, false, "", 0},
        {"", false, false, "", 0},
    };
    for (const auto& c : cases) {
        const auto exact = parseExactDecimal(c.text);
        ASSERT_EQ(exact.has_value(), c.known) << '"' << c.text << '"';
        if (!exact)
            continue;
        EXPECT_EQ(exact->negative, c.negative) << '"' << c.text << '"';
        EXPECT_EQ(exact->digits, c.digits) << '"' << c.text << '"';
        EXPECT_EQ(exact->exponent, c.exponent) << '"' << c.text << '"';
    }
}

TEST(ReadLeadingNumber, StopsAtTheFirstCharacterThatCannotContinue)
{
    struct Case { const char* text; double value; };
    const Case cases[] = {
        {"60", 60}, {"60 abc", 60}, {"", 0}, {"abc", 0}, {"2.5", 2.5}, {"3.5", 3.5},
        {" 1 2 3", 123}, {"-4x", -4}, {"1e2", 100}, {"1.2.3", 1.2}, {"0", 0},
        {"1e309", HUGE_VAL}, {"-1e309x", -HUGE_VAL}, {"1e-400", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(readLeadingNumber(c.text), c.value) << '"' << c.text << '"';
}

TEST(Rounding, HalvesGoToTheEvenNeighbour)
{
    struct Case { double value; int rounded; };
    const Case cases[] = {{2.5, 2}, {3.5, 4}, {-2.5, -2}, {0.5, 0}, {1.5, 2}, {-0.5, 0},
                          {2.4999, 2}, {2147483647.4, 2147483647}, {-2147483648.5, -2147483648}};
    for (const auto& c : cases)
        EXPECT_EQ(roundToInt32(c.value), c.rounded) << c.value;
}

TEST(Rounding, OutsideThe32BitRangeIsAnOverflow)
{
    EXPECT_THROW(roundToInt32(2147483647.5), RoundingOverflow);
    EXPECT_THROW(roundToInt32(-2147483649.0), RoundingOverflow);
    EXPECT_FALSE(tryRoundToInt32(std::numeric_limits<double>::quiet_NaN()));
}

} // namespace
} // namespace kestrelon
