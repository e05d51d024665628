// Arithmetic with VBScript's result subtypes: Integer overflowing into Long and Long into
// Double, text that adds as Double, "/" always Double (Single for Singles), "\" and Mod
// rounding their operands half to even, Null propagating and the errors of each operator.
#include "BuiltinTestSupport.h"

#include "vbscript/Operators.h"

#include <gtest/gtest.h>

#include <limits>

using namespace kestrelon::vbs;
using namespace kestrelon::vbs::testing;

namespace {

struct BinaryCase {
    const char* expression;
    BinaryOp op;
    Value left;
    Value right;
    std::string expected;
};

void expectBinary(const std::vector<BinaryCase>& rows)
{
    for (const auto& row : rows)
        EXPECT_EQ(outcome([&] { return applyBinary(row.op, row.left, row.right); }), row.expected) << row.expression;
}

} // namespace

TEST(OperatorArithmeticTest, AdditionWidensAndPromotesOnOverflow)
{
    expectBinary({
        {"32767 + 1", BinaryOp::Add, I(32767), I(1), "Long 32768"},
        {"-32768 + -1", BinaryOp::Add, I(-32768), I(-1), "Long -32769"},
        {"2147483647 + 1", BinaryOp::Add, L(2147483647), I(1), "Double 2147483648"},
        {"CByte(200) + CByte(100)", BinaryOp::Add, Y(200), Y(100), "Integer 300"},
        {"CByte(1) + CByte(2)", BinaryOp::Add, Y(1), Y(2), "Byte 3"},
        {"True + True", BinaryOp::Add, B(true), B(true), "Integer -2"},
        {"\"1\" + \"2\"", BinaryOp::Add, S("1"), S("2"), "String 12"},
        {"\"1\" + 2", BinaryOp::Add, S("1"), I(2), "Double 3"},
        {"\"abc\" + 1", BinaryOp::Add, S("abc"), I(1), "error 13"},
        {"Empty + \"x\"", BinaryOp::Add, E(), S("x"), "String x"},
        {"Empty + Empty", BinaryOp::Add, E(), E(), "Integer 0"},
        {"Empty + CLng(5)", BinaryOp::Add, E(), L(5), "Long 5"},
        {"CByte(1) + Empty", BinaryOp::Add, Y(1), E(), "Integer 1"},
        {"Date + 1", BinaryOp::Add, Dt(1), I(1), "Date 1/1/1900"},
        {"CCur(1) + 1", BinaryOp::Add, Cy(10000), I(1), "Currency 2"},
        {"CCur(1) + 0.5", BinaryOp::Add, Cy(10000), D(0.5), "Currency 1.5"},
        {"CSng(1.5) + 1", BinaryOp::Add, F(1.5f), I(1), "Single 2.5"},
        {"CSng(1.5) + CLng(1)", BinaryOp::Add, F(1.5f), L(1), "Double 2.5"},
        {"CSng(1.5) + \"1\"", BinaryOp::Add, F(1.5f), S("1"), "Double 2.5"},
        {"2 + Null", BinaryOp::Add, I(2), N(), "Null"},
        {"1E308 + 1E308", BinaryOp::Add, D(1e308), D(1e308), "error 6"},
        {"array + 1", BinaryOp::Add, A({I(1)}), I(1), "error 13"},
        {"array + Null", BinaryOp::Add, A({I(1)}), N(), "error 13"},
        {"obj + 1", BinaryOp::Add, O(I(41)), I(1), "Integer 42"},
        {"Nothing + 1", BinaryOp::Add, Value::nothing(), I(1), "error 91"},
    });
}

TEST(OperatorArithmeticTest, SubtractionAndMultiplication)
{
    expectBinary({
        {"CByte(1) - CByte(2)", BinaryOp::Subtract, Y(1), Y(2), "Integer -1"},
        {"CInt(-32768) - 1", BinaryOp::Subtract, I(-32768), I(1), "Long -32769"},
        {"date - date", BinaryOp::Subtract, Dt(3), Dt(1), "Double 2"},
        {"date - 1", BinaryOp::Subtract, Dt(3), I(1), "Date 1/1/1900"},
        {"\"5\" - \"2\"", BinaryOp::Subtract, S("5"), S("2"), "Double 3"},
        {"\"5\" - Empty", BinaryOp::Subtract, S("5"), E(), "Double 5"},
        {"Empty - Empty", BinaryOp::Subtract, E(), E(), "Integer 0"},
        {"200 * 200", BinaryOp::Multiply, I(200), I(200), "Long 40000"},
        {"65536 * 65536", BinaryOp::Multiply, L(65536), L(65536), "Double 4294967296"},
        {"CByte(16) * CByte(16)", BinaryOp::Multiply, Y(16), Y(16), "Integer 256"},
        {"\"2\" * 3", BinaryOp::Multiply, S("2"), I(3), "Double 6"},
        {"CSng(2) * 3", BinaryOp::Multiply, F(2), I(3), "Single 6"},
        {"CSng(2) * CLng(3)", BinaryOp::Multiply, F(2), L(3), "Double 6"},
        {"CCur(1.5) * 3", BinaryOp::Multiply, Cy(15000), I(3), "Currency 4.5"},
        {"CCur(1.5) * CCur(1.5)", BinaryOp::Multiply, Cy(15000), Cy(15000), "Currency 2.25"},
        {"date * 2", BinaryOp::Multiply, Dt(2), I(2), "Double 4"},
        {"1E300 * 1E300", BinaryOp::Multiply, D(1e300), D(1e300), "error 6"},
        {"Null * 2", BinaryOp::Multiply, N(), I(2), "Null"},
    });
}

TEST(OperatorArithmeticTest, DivisionsAndPower)
{
    expectBinary({
        {"1 / 2", BinaryOp::Divide, I(1), I(2), "Double 0.5"},
        {"6 / 3", BinaryOp::Divide, I(6), I(3), "Double 2"},
        {"CSng(1) / CSng(3)", BinaryOp::Divide, F(1), F(3), "Single 0.3333333"},
        {"CSng(1) / 3", BinaryOp::Divide, F(1), I(3), "Single 0.3333333"},
        {"CSng(1) / CLng(3)", BinaryOp::Divide, F(1), L(3), "Double 0.333333333333333"},
        {"1 / 0", BinaryOp::Divide, I(1), I(0), "error 11"},
        {"0 / 0", BinaryOp::Divide, I(0), I(0), "error 6"},
        {"1 / Empty", BinaryOp::Divide, I(1), E(), "error 11"},
        {"4.6 \\ 1.5", BinaryOp::IntegerDivide, D(4.6), D(1.5), "Long 2"},
        {"4.6 \\ 1.49", BinaryOp::IntegerDivide, D(4.6), D(1.49), "Long 5"},
        {"5 \\ 2", BinaryOp::IntegerDivide, I(5), I(2), "Integer 2"},
        {"-7 \\ 2", BinaryOp::IntegerDivide, I(-7), I(2), "Integer -3"},
        {"CByte(9) \\ CByte(2)", BinaryOp::IntegerDivide, Y(9), Y(2), "Byte 4"},
        {"\"9\" \\ 2", BinaryOp::IntegerDivide, S("9"), I(2), "Long 4"},
        {"1 \\ 0", BinaryOp::IntegerDivide, I(1), I(0), "error 11"},
        {"1 \\ 0.4", BinaryOp::IntegerDivide, I(1), D(0.4), "error 11"},
        {"-32768 \\ -1", BinaryOp::IntegerDivide, I(-32768), I(-1), "Long 32768"},
        {"Long min \\ -1", BinaryOp::IntegerDivide, L(-2147483647 - 1), I(-1), "error 6"},
        {"11.6 Mod 5.5", BinaryOp::Modulo, D(11.6), D(5.5), "Long 0"},
        {"9 Mod 6", BinaryOp::Modulo, I(9), I(6), "Integer 3"},
        {"-7 Mod 3", BinaryOp::Modulo, I(-7), I(3), "Integer -1"},
        {"Null Mod 2", BinaryOp::Modulo, N(), I(2), "Null"},
        {"1 Mod Empty", BinaryOp::Modulo, I(1), E(), "error 11"},
        {"1E10 Mod 2", BinaryOp::Modulo, D(1e10), I(2), "error 6"},
        {"2 ^ 3", BinaryOp::Power, I(2), I(3), "Double 8"},
        {"Empty ^ 2", BinaryOp::Power, E(), I(2), "Double 0"},
        {"2 ^ Empty", BinaryOp::Power, I(2), E(), "Double 1"},
        {"(-8) ^ (1/3)", BinaryOp::Power, I(-8), D(1.0 / 3), "error 5"},
        {"10 ^ 400", BinaryOp::Power, I(10), I(400), "error 6"},
    });
}

TEST(OperatorArithmeticTest, ConcatenationJoinsTextOfAnySubtype)
{
    expectBinary({
        {"1 & 100000", BinaryOp::Concatenate, I(1), L(100000), "String 1100000"},
        {"True & False", BinaryOp::Concatenate, B(true), B(false), "String TrueFalse"},
        {"Null & Null", BinaryOp::Concatenate, N(), N(), "Null"},
        {"Null & \"a\"", BinaryOp::Concatenate, N(), S("a"), "String a"},
        {"Empty & \"foo\"", BinaryOp::Concatenate, E(), S("foo"), "String foo"},
        {"\"x\" & 1/3", BinaryOp::Concatenate, S("x"), D(1.0 / 3), "String x0.333333333333333"},
        {"\"\" & Nothing", BinaryOp::Concatenate, S(""), Value::nothing(), "error 91"},
        {"\"\" & array", BinaryOp::Concatenate, S(""), A({}), "error 13"},
    });
}

TEST(OperatorArithmeticTest, NegationKeepsTheSubtypeUntilItOverflows)
{
    const std::vector<std::pair<Value, std::string>> rows = {
        {I(5), "Integer -5"},
        {I(-32768), "Long 32768"},
        {L(-2147483647 - 1), "Double 2147483648"},
        {S("3"), "Double -3"},
        {E(), "Integer 0"},
        {B(true), "Integer 1"},
        {Y(5), "Integer -5"},
        {Dt(2), "Date 12/28/1899"},
        {Cy(15000), "Currency -1.5"},
        {Cy(std::numeric_limits<std::int64_t>::min()), "error 6"},
        {F(1.5f), "Single -1.5"},
        {N(), "Null"},
        {S("x"), "error 13"},
        {A({}), "error 13"},
    };
    for (const auto& [operand, expected] : rows)
        EXPECT_EQ(outcome([&] { return applyUnary(UnaryOp::Negate, operand); }), expected) << describe(operand);
}

TEST(OperatorArithmeticTest, UnaryPlusChangesNothing)
{
    EXPECT_EQ(outcome([] { return applyUnary(UnaryOp::Plus, S("true")); }), "String true");
    EXPECT_EQ(outcome([] { return applyUnary(UnaryOp::Plus, E()); }), "Empty");
    EXPECT_TRUE(applyUnary(UnaryOp::Plus, O(std::nullopt)).isObject());
}

TEST(OperatorArithmeticTest, OverlongTextRunsOutOfMemory)
{
    const Value big = S(std::string(MaxStringLength / 2 + 1, 'x'));
    EXPECT_EQ(outcome([&] { return applyBinary(BinaryOp::Concatenate, big, big); }), "error 7");
    EXPECT_EQ(outcome([&] { return applyBinary(BinaryOp::Add, big, big); }), "error 7");
}
