// Operators and built-ins on objects whose default member gives a value (or that have none),
// which a script cannot make without classes: they take part through that value, keep their
// own type name, and Join and CStr refuse an object without one. Everything else these
// operators and built-ins do runs as scripts in tests/vbscript/.
#include "BuiltinTestSupport.h"

#include "vbscript/operators/Operators.h"

#include <gtest/gtest.h>

using namespace kestrelon::vbs;
using namespace kestrelon::vbs::testing;

TEST(ObjectOperandTest, OperatorsUseTheDefaultValue)
{
    constexpr OperandForm Lit{true};
    constexpr OperandForm Var{false};
    EXPECT_EQ(outcome([] { return applyBinary(BinaryOp::Add, O(I(41)), I(1)); }), "Integer 42");
    EXPECT_EQ(outcome([&] { return applyBinary(BinaryOp::Equal, O(I(3)), I(3), Var, Lit); }), "Boolean True");
    EXPECT_TRUE(isTrue(O(B(true))));
    EXPECT_TRUE(applyUnary(UnaryOp::Plus, O(std::nullopt)).isObject());
}

TEST(ObjectOperandTest, BuiltinsUseTheDefaultValueOrRefuse)
{
    const std::vector<CallCase> rows = {
        {"CLng", {O(D(7.5))}, "Long 8"},
        {"CStr", {O(S("text"))}, "String text"},
        {"CStr", {O(std::nullopt)}, "error 438"},
        {"CBool", {O(B(true))}, "Boolean True"},
        {"IsObject", {O(I(1))}, "Boolean True"},
        {"IsNumeric", {O(I(3))}, "Boolean True"},
        {"IsNumeric", {O(S("x"))}, "Boolean False"},
        {"IsNumeric", {O(std::nullopt)}, "Boolean False"},
        {"TypeName", {O(I(1))}, "String Holder"},
        // Join does not ask an element object for its value.
        {"Join", {A({O(I(1))})}, "error 438"},
    };
    EXPECT_CALLS(rows);
}
