// The conversion functions against VBScript's documented results: half-even rounding with
// Overflow past each range, Boolean words, Null and Nothing, numeric text, and the exact
// text of every subtype (15 significant digits for Double, 7 for Single, dates in en-US form).
#include "BuiltinTestSupport.h"

#include <gtest/gtest.h>

#include <limits>

using namespace kestrelon::vbs;
using namespace kestrelon::vbs::testing;

TEST(ConversionTest, WholeNumbersRoundHalfToEvenAndOverflow)
{
    const std::vector<CallCase> rows = {
        {"CInt", {D(0.5)}, "Integer 0"},
        {"CInt", {D(1.5)}, "Integer 2"},
        {"CInt", {D(2.5)}, "Integer 2"},
        {"CInt", {D(-36.5)}, "Integer -36"},
        {"CInt", {D(32767.49)}, "Integer 32767"},
        {"CInt", {D(32767.5)}, "error 6"},
        {"CInt", {D(-32768.5)}, "Integer -32768"},
        {"CInt", {D(-32768.51)}, "error 6"},
        {"CInt", {S("12.5")}, "Integer 12"},
        {"CLng", {D(2.5)}, "Long 2"},
        {"CLng", {D(-0.5)}, "Long 0"},
        {"CLng", {D(2147483647.5)}, "error 6"},
        {"CLng", {Cy(25000)}, "Long 2"},
        {"CLng", {Cy(35000)}, "Long 4"},
        {"CLng", {S("&hFF")}, "Long 255"},
        {"CByte", {S("-1")}, "error 6"},
        {"CByte", {S("258")}, "error 6"},
        {"CByte", {D(255.49)}, "Byte 255"},
        {"CByte", {S("-0.5")}, "Byte 0"},
        {"CByte", {B(true)}, "Byte 255"},
        {"CInt", {B(true)}, "Integer -1"},
        {"CLng", {E()}, "Long 0"},
        {"CInt", {S("abc")}, "error 13"},
        {"CInt", {S("TRUE")}, "error 13"},
        {"CLng", {N()}, "error 94"},
        {"CLng", {D(std::numeric_limits<double>::quiet_NaN())}, "error 6"},
    };
    EXPECT_CALLS(rows);
}

TEST(ConversionTest, BooleanTakesNumbersAndTheTwoWords)
{
    const std::vector<CallCase> rows = {
        {"CBool", {I(5)}, "Boolean True"},
        {"CBool", {D(0.0)}, "Boolean False"},
        {"CBool", {S("0")}, "Boolean False"},
        {"CBool", {S("0.1")}, "Boolean True"},
        {"CBool", {S("true")}, "Boolean True"},
        {"CBool", {S("#TRUE#")}, "Boolean True"},
        {"CBool", {S("false")}, "Boolean False"},
        {"CBool", {S("#FALSE#")}, "Boolean False"},
        {"CBool", {S("")}, "error 13"},
        {"CBool", {S("yes")}, "error 13"},
        {"CBool", {E()}, "Boolean False"},
        {"CBool", {N()}, "error 94"},
        {"CBool", {Cy(1)}, "Boolean True"},
    };
    EXPECT_CALLS(rows);
}

TEST(ConversionTest, NumbersFromTextAsTheScriptHostReadsThem)
{
    const std::vector<CallCase> rows = {
        {"CDbl", {S("1e2")}, "Double 100"},
        {"CDbl", {S(" 12 ")}, "Double 12"},
        {"CDbl", {S("1,000.5")}, "Double 1000.5"},
        {"CDbl", {S("-.5")}, "Double -0.5"},
        {"CDbl", {S("(5)")}, "Double -5"},
        {"CDbl", {S("5-")}, "Double -5"},
        {"CDbl", {S("$3.25")}, "Double 3.25"},
        {"CDbl", {S("&o17")}, "Double 15"},
        {"CDbl", {S("TRUE")}, "error 13"},
        {"CDbl", {S("")}, "error 13"},
        {"CDbl", {S("1 2")}, "error 13"},
        {"CDbl", {S("--5")}, "error 13"},
        {"CDbl", {B(true)}, "Double -1"},
        {"CDbl", {Dt(2.5)}, "Double 2.5"},
        {"CSng", {D(1e39)}, "error 6"},
        {"CSng", {S("0.1")}, "Single 0.1"},
        {"CCur", {D(0.000149)}, "Currency 0.0001"},
        {"CCur", {S("1.5")}, "Currency 1.5"},
        {"CCur", {D(1e20)}, "error 6"},
    };
    EXPECT_CALLS(rows);
}

TEST(ConversionTest, TextOfEverySubtype)
{
    const std::vector<CallCase> rows = {
        {"CStr", {D(1.0 / 3)}, "String 0.333333333333333"},
        {"CStr", {D(1e20)}, "String 1E+20"},
        {"CStr", {D(1e15)}, "String 1E+15"},
        {"CStr", {D(1e14)}, "String 100000000000000"},
        {"CStr", {D(0.00001)}, "String 0.00001"},
        {"CStr", {D(9007199254740992.0)}, "String 9.00719925474099E+15"},
        {"CStr", {D(0.1 + 0.2)}, "String 0.3"},
        {"CStr", {D(-0.0)}, "String 0"},
        {"CStr", {F(1.0f / 3)}, "String 0.3333333"},
        {"CStr", {B(true)}, "String True"},
        {"CStr", {B(false)}, "String False"},
        {"CStr", {L(-2147483647 - 1)}, "String -2147483648"},
        {"CStr", {Y(255)}, "String 255"},
        {"CStr", {Cy(15000)}, "String 1.5"},
        {"CStr", {Cy(9)}, "String 0.0009"},
        {"CStr", {Cy(-15000)}, "String -1.5"},
        {"CStr", {Cy(std::numeric_limits<std::int64_t>::max())}, "String 922337203685477.5807"},
        {"CStr", {Cy(std::numeric_limits<std::int64_t>::min())}, "String -922337203685477.5808"},
        {"CStr", {E()}, "String "},
        {"CStr", {N()}, "error 94"},
        {"CStr", {A({I(1)})}, "error 13"},
    };
    EXPECT_CALLS(rows);
}

TEST(ConversionTest, DatesShowInTheEnglishShortForm)
{
    const std::vector<CallCase> rows = {
        {"CStr", {Dt(0)}, "String 12:00:00 AM"},
        {"CStr", {Dt(3.34)}, "String 1/2/1900 8:09:36 AM"},
        {"CStr", {Dt(365)}, "String 12/30/1900"},
        {"CStr", {Dt(1461.5)}, "String 12/31/1903 12:00:00 PM"},
        {"CStr", {Dt(0.75)}, "String 6:00:00 PM"},
        {"CStr", {Dt(-1.5)}, "String 12/29/1899 12:00:00 PM"},
        {"CStr", {Dt(2958465)}, "String 12/31/9999"},
        {"CStr", {Dt(-657434)}, "String 1/1/100"},
        {"CStr", {Dt(1e300)}, "error 6"},
        {"Year", {Dt(1e300)}, "error 6"},
        {"CDate", {I(1)}, "Date 12/31/1899"},
        {"CDate", {I(-1)}, "Date 12/29/1899"},
        {"CDate", {L(100000)}, "Date 10/14/2173"},
        {"CDate", {S("1")}, "Date 12/31/1899"},
        {"CDate", {S("")}, "error 13"},
        {"CDate", {S("1/15/2024")}, "Date 1/15/2024"},
        {"CDate", {S("2024-01-15 22:30")}, "Date 1/15/2024 10:30:00 PM"},
        {"CDate", {S("January 15, 2024 10:30:05 PM")}, "Date 1/15/2024 10:30:05 PM"},
        {"CDate", {S("15 Jan 2024")}, "Date 1/15/2024"},
        {"CDate", {S("13/1/2024")}, "Date 1/13/2024"},
        {"CDate", {S("2/30/2024")}, "error 13"},
        {"CDate", {S("12:00 PM")}, "Date 12:00:00 PM"},
        {"CDate", {S("1/1/99")}, "Date 1/1/1999"},
        {"CDate", {S("1/1/29")}, "Date 1/1/2029"},
        {"CDate", {D(3e6)}, "error 6"},
        {"CDate", {N()}, "error 94"},
    };
    EXPECT_CALLS(rows);
}

TEST(ConversionTest, ObjectsGiveTheirDefaultValue)
{
    const std::vector<CallCase> rows = {
        {"CLng", {O(D(7.5))}, "Long 8"},
        {"CStr", {O(S("text"))}, "String text"},
        {"CStr", {O(std::nullopt)}, "error 438"},
        {"CStr", {Value::nothing()}, "error 91"},
        {"CInt", {Value::nothing()}, "error 91"},
        {"CBool", {O(B(true))}, "Boolean True"},
    };
    EXPECT_CALLS(rows);
}

TEST(ConversionTest, TypeNamesAndVarTypes)
{
    const std::vector<std::pair<Value, std::string>> rows = {
        {E(), "Empty 0"},          {N(), "Null 1"},        {I(1), "Integer 2"},
        {L(1), "Long 3"},          {F(1), "Single 4"},     {D(1), "Double 5"},
        {Cy(1), "Currency 6"},     {Dt(1), "Date 7"},      {S(""), "String 8"},
        {Value::nothing(), "Nothing 9"},                   {O(I(1)), "Holder 9"},
        {Value::error(5), "Error 10"},                     {B(true), "Boolean 11"},
        {Y(1), "Byte 17"},         {A({}), "Variant() 8204"},
    };
    for (const auto& [value, expected] : rows)
        EXPECT_EQ(typeNameOf(value) + " " + std::to_string(varTypeOf(value)), expected);
}

TEST(ConversionTest, ParsedScriptNumbers)
{
    EXPECT_EQ(parseScriptNumber("&hFFFF"), -1.0);
    EXPECT_EQ(parseScriptNumber("&h10000"), 65536.0);
    EXPECT_EQ(parseScriptNumber("  +7  "), 7.0);
    EXPECT_EQ(parseScriptNumber("(1,250)"), -1250.0);
    EXPECT_FALSE(parseScriptNumber("()"));
    EXPECT_FALSE(parseScriptNumber("$"));
    EXPECT_FALSE(parseScriptNumber("-"));
    EXPECT_FALSE(parseScriptNumber("1e"));
}
