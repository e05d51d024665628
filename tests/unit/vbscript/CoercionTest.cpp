// Conversions of values a script cannot write down: NaN, a date past the last day, an object's
// and an Error value's type, and the number reader called directly.
// The conversion functions on every other value run as scripts in tests/vbscript/conversions/.
#include "BuiltinTestSupport.h"

#include <gtest/gtest.h>

#include <limits>

using namespace kestrelon::vbs;
using namespace kestrelon::vbs::testing;

TEST(CoercionTest, ValuesNoScriptCanWrite)
{
    const std::vector<CallCase> rows = {
        {"CLng", {D(std::numeric_limits<double>::quiet_NaN())}, "error 6"},
        {"CStr", {Dt(1e300)}, "error 6"},
        {"Year", {Dt(1e300)}, "error 6"},
    };
    EXPECT_CALLS(rows);
}

TEST(CoercionTest, TypeNamesOfObjectsAndErrors)
{
    EXPECT_EQ(typeNameOf(O(I(1))) + " " + std::to_string(varTypeOf(O(I(1)))), "Holder 9");
    EXPECT_EQ(typeNameOf(Value::error(5)) + " " + std::to_string(varTypeOf(Value::error(5))), "Error 10");
}

TEST(CoercionTest, ParsedScriptNumbers)
{
    EXPECT_EQ(parseScriptNumber(u"&hFFFF"), -1.0);
    EXPECT_EQ(parseScriptNumber(u"&h10000"), 65536.0);
    EXPECT_EQ(parseScriptNumber(u"  +7  "), 7.0);
    EXPECT_EQ(parseScriptNumber(u"(1,250)"), -1250.0);
    EXPECT_FALSE(parseScriptNumber(u"()"));
    EXPECT_FALSE(parseScriptNumber(u"$"));
    EXPECT_FALSE(parseScriptNumber(u"-"));
    EXPECT_FALSE(parseScriptNumber(u"1e"));
}
