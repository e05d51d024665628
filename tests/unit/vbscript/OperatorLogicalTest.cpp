// And, Or, Xor, Eqv, Imp and Not: bitwise on whole numbers, logical on Booleans, with their
// result subtypes (Empty and text count as Long), Null answered only when the other side
// does not decide, and the truth of conditions.
#include "BuiltinTestSupport.h"

#include "vbscript/Operators.h"

#include <gtest/gtest.h>

using namespace kestrelon::vbs;
using namespace kestrelon::vbs::testing;

namespace {

struct LogicCase {
    const char* expression;
    BinaryOp op;
    Value left;
    Value right;
    std::string expected;
};

} // namespace

TEST(OperatorLogicalTest, BitwiseResultsAndSubtypes)
{
    const std::vector<LogicCase> rows = {
        {"5 And 3", BinaryOp::And, I(5), I(3), "Integer 1"},
        {"5 Or 3", BinaryOp::Or, I(5), I(3), "Integer 7"},
        {"5 Xor 3", BinaryOp::Xor, I(5), I(3), "Integer 6"},
        {"5 Eqv 3", BinaryOp::Eqv, I(5), I(3), "Integer -7"},
        {"5 Imp 3", BinaryOp::Imp, I(5), I(3), "Integer -5"},
        {"True Xor True", BinaryOp::Xor, B(true), B(true), "Boolean False"},
        {"True Eqv False", BinaryOp::Eqv, B(true), B(false), "Boolean False"},
        {"False Imp False", BinaryOp::Imp, B(false), B(false), "Boolean True"},
        {"True And 3", BinaryOp::And, B(true), I(3), "Integer 3"},
        {"CByte(12) And CByte(10)", BinaryOp::And, Y(12), Y(10), "Byte 8"},
        {"CByte(1) Eqv CByte(1)", BinaryOp::Eqv, Y(1), Y(1), "Byte 255"},
        {"CByte(1) Or 256", BinaryOp::Or, Y(1), I(256), "Integer 257"},
        {"Empty And Empty", BinaryOp::And, E(), E(), "Long 0"},
        {"Empty Or 1", BinaryOp::Or, E(), I(1), "Long 1"},
        {"\"1\" And \"2\"", BinaryOp::And, S("1"), S("2"), "Long 0"},
        {"\"5\" Or \"3\"", BinaryOp::Or, S("5"), S("3"), "Long 7"},
        {"\"1\" Imp \"2\"", BinaryOp::Imp, S("1"), S("2"), "Long -2"},
        {"5 And \"3\"", BinaryOp::And, I(5), S("3"), "Long 1"},
        {"\"abc\" And \"2\"", BinaryOp::And, S("abc"), S("2"), "error 13"},
        {"2.5 And 3", BinaryOp::And, D(2.5), I(3), "Long 2"},
        {"1E10 And 1", BinaryOp::And, D(1e10), I(1), "error 6"},
        {"array And 1", BinaryOp::And, A({}), I(1), "error 13"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(outcome([&] { return applyBinary(row.op, row.left, row.right); }), row.expected) << row.expression;
}

TEST(OperatorLogicalTest, NullIsAnsweredUnlessTheOtherSideDecides)
{
    const std::vector<LogicCase> rows = {
        {"True And Null", BinaryOp::And, B(true), N(), "Null"},
        {"False And Null", BinaryOp::And, B(false), N(), "Boolean False"},
        {"Null And False", BinaryOp::And, N(), B(false), "Boolean False"},
        {"True Or Null", BinaryOp::Or, B(true), N(), "Boolean True"},
        {"False Or Null", BinaryOp::Or, B(false), N(), "Null"},
        {"False Xor Null", BinaryOp::Xor, B(false), N(), "Null"},
        {"False Eqv Null", BinaryOp::Eqv, B(false), N(), "Null"},
        {"False Imp Null", BinaryOp::Imp, B(false), N(), "Boolean True"},
        {"True Imp Null", BinaryOp::Imp, B(true), N(), "Null"},
        {"Null Imp True", BinaryOp::Imp, N(), B(true), "Boolean True"},
        {"Null Imp False", BinaryOp::Imp, N(), B(false), "Null"},
        {"CInt(0) And Null", BinaryOp::And, I(0), N(), "Integer 0"},
        {"CInt(5) And Null", BinaryOp::And, I(5), N(), "Null"},
        {"CByte(0) Imp Null", BinaryOp::Imp, Y(0), N(), "Byte 255"},
        {"Null And Null", BinaryOp::And, N(), N(), "Null"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(outcome([&] { return applyBinary(row.op, row.left, row.right); }), row.expected) << row.expression;
}

TEST(OperatorLogicalTest, NotOfEverySubtype)
{
    const std::vector<std::pair<Value, std::string>> rows = {
        {I(0), "Integer -1"},
        {I(5), "Integer -6"},
        {B(true), "Boolean False"},
        {E(), "Long -1"},
        {Y(0), "Byte 255"},
        {L(0), "Long -1"},
        {D(1.5), "Long -3"},
        {S("#FALSE#"), "Boolean True"},
        {S("5"), "Long -6"},
        {N(), "Null"},
        {Value::nothing(), "error 91"},
        {S("x"), "error 13"},
    };
    for (const auto& [operand, expected] : rows)
        EXPECT_EQ(outcome([&] { return applyUnary(UnaryOp::Not, operand); }), expected) << describe(operand);
}

TEST(OperatorLogicalTest, TruthOfConditions)
{
    const std::vector<std::pair<Value, std::string>> rows = {
        {I(1), "true"},      {D(0.1), "true"},       {I(0), "false"},       {E(), "false"},
        {N(), "false"},      {S("0"), "false"},      {S("-1"), "true"},     {S("TRUE"), "true"},
        {S("#FALSE#"), "false"}, {L(65536), "true"}, {O(B(true)), "true"}, {S(""), "error 13"},
        {S("abc"), "error 13"},  {A({}), "error 13"},
    };
    for (const auto& [condition, expected] : rows) {
        std::string result;
        try {
            result = isTrue(condition) ? "true" : "false";
        } catch (const ScriptError& error) {
            result = "error " + std::to_string(error.number());
        }
        EXPECT_EQ(result, expected) << describe(condition);
    }
}
