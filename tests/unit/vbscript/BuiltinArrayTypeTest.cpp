// The array and type built-ins: Array's zero-based result, the bounds of each dimension and
// their errors, and the type tests (IsNumeric on text and objects, IsObject on Nothing).
#include "BuiltinTestSupport.h"

#include <gtest/gtest.h>

using namespace kestrelon::vbs;
using namespace kestrelon::vbs::testing;

namespace {

Value grid(std::vector<std::int32_t> bounds)
{
    return Value::array(std::make_shared<Array>(std::move(bounds), true));
}

Value unallocated()
{
    return Value::array(std::make_shared<Array>());
}

} // namespace

TEST(BuiltinArrayTypeTest, ArrayAndItsBounds)
{
    TestContext context;
    EXPECT_EQ(describe(call(context, "Array", {I(10), S("x"), E()})), "Variant(10|x|)");
    const std::vector<CallCase> rows = {
        {"UBound", {A({})}, "Long -1"},
        {"UBound", {A({I(10), I(20), I(30)})}, "Long 2"},
        {"LBound", {A({I(10)})}, "Long 0"},
        {"UBound", {grid({2, 5}), I(2)}, "Long 5"},
        {"UBound", {grid({2, 5}), D(1.4)}, "Long 2"},
        {"LBound", {grid({2, 5}), I(2)}, "Long 0"},
        {"UBound", {grid({2, 5}), I(3)}, "error 9"},
        {"UBound", {A({I(1)}), I(0)}, "error 9"},
        {"UBound", {unallocated()}, "error 9"},
        {"LBound", {unallocated()}, "error 9"},
        {"UBound", {E()}, "error 13"},
        {"UBound", {N()}, "error 13"},
        {"UBound", {S("abc")}, "error 13"},
        {"IsArray", {A({})}, "Boolean True"},
        {"IsArray", {unallocated()}, "Boolean True"},
        {"IsArray", {S("a")}, "Boolean False"},
    };
    EXPECT_CALLS(rows);
}

TEST(BuiltinArrayTypeTest, TypeTests)
{
    const std::vector<CallCase> rows = {
        {"IsEmpty", {E()}, "Boolean True"},
        {"IsEmpty", {S("")}, "Boolean False"},
        {"IsNull", {N()}, "Boolean True"},
        {"IsNull", {E()}, "Boolean False"},
        {"IsObject", {Value::nothing()}, "Boolean True"},
        {"IsObject", {O(I(1))}, "Boolean True"},
        {"IsObject", {I(1)}, "Boolean False"},
        {"IsNumeric", {E()}, "Boolean True"},
        {"IsNumeric", {N()}, "Boolean False"},
        {"IsNumeric", {B(true)}, "Boolean True"},
        {"IsNumeric", {S("44")}, "Boolean True"},
        {"IsNumeric", {S(" -1.5e3 ")}, "Boolean True"},
        {"IsNumeric", {S("abc")}, "Boolean False"},
        {"IsNumeric", {S("")}, "Boolean False"},
        {"IsNumeric", {A({I(1)})}, "Boolean False"},
        {"IsNumeric", {Value::nothing()}, "Boolean False"},
        {"IsNumeric", {O(I(3))}, "Boolean True"},
        {"IsNumeric", {O(S("x"))}, "Boolean False"},
        {"IsNumeric", {O(std::nullopt)}, "Boolean False"},
        {"VarType", {A({})}, "Integer 8204"},
        {"VarType", {S("")}, "Integer 8"},
        {"VarType", {Value::nothing()}, "Integer 9"},
        {"TypeName", {I(1)}, "String Integer"},
        {"TypeName", {Value::nothing()}, "String Nothing"},
        {"TypeName", {O(I(1))}, "String Holder"},
        {"TypeName", {A({})}, "String Variant()"},
    };
    EXPECT_CALLS(rows);
}
