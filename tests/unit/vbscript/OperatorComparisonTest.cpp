// Comparisons as VBScript makes them: numbers by value, text by its bytes, Null giving Null,
// and text against numbers by the literal rules (numeric literal: the text is read as a
// number; string literal: the number's text is compared; neither: text is the greater).
#include "BuiltinTestSupport.h"

#include "vbscript/Operators.h"

#include <gtest/gtest.h>

using namespace kestrelon::vbs;
using namespace kestrelon::vbs::testing;

namespace {

constexpr OperandForm Lit{true};
constexpr OperandForm Var{false};

struct CompareCase {
    const char* expression;
    BinaryOp op;
    Value left;
    OperandForm leftForm;
    Value right;
    OperandForm rightForm;
    std::string expected;
};

} // namespace

TEST(OperatorComparisonTest, LiteralRulesForTextAgainstNumbers)
{
    const std::vector<CompareCase> rows = {
        {"\"10\" > 9", BinaryOp::Greater, S("10"), Lit, I(9), Lit, "Boolean True"},
        {"9 < \"10\"", BinaryOp::Less, I(9), Lit, S("10"), Lit, "Boolean True"},
        {"\"42\" = 42", BinaryOp::Equal, S("42"), Lit, I(42), Lit, "Boolean True"},
        {"\"1e2\" = 100", BinaryOp::Equal, S("1e2"), Lit, I(100), Lit, "Boolean True"},
        {"\"&hff\" = 255", BinaryOp::Equal, S("&hff"), Lit, I(255), Lit, "Boolean True"},
        {"x = \"0\": x > 30", BinaryOp::Greater, S("0"), Var, I(30), Lit, "Boolean False"},
        {"\"abc\" = 5", BinaryOp::Equal, S("abc"), Lit, I(5), Lit, "error 13"},
        {"\"\" = 5", BinaryOp::Equal, S(""), Lit, I(5), Lit, "error 13"},
        {"\" \" = 0", BinaryOp::Equal, S(" "), Lit, I(0), Lit, "error 13"},
        {"\"abc\" = #1/15/2024#", BinaryOp::Equal, S("abc"), Lit, Dt(45306), Lit, "error 13"},
        {"\"abc\" = n5", BinaryOp::Equal, S("abc"), Lit, I(5), Var, "Boolean False"},
        {"\"010\" = n10", BinaryOp::Equal, S("010"), Lit, I(10), Var, "Boolean False"},
        {"\"10\" > CDbl(5)", BinaryOp::Greater, S("10"), Lit, D(5), Var, "Boolean False"},
        {"\"True\" = True", BinaryOp::Equal, S("True"), Lit, B(true), Var, "Boolean True"},
        {"\"true\" = True", BinaryOp::Equal, S("true"), Lit, B(true), Var, "Boolean False"},
        {"\"1\" = True", BinaryOp::Equal, S("1"), Lit, B(true), Var, "Boolean False"},
        {"\"abc\" = CByte(5)", BinaryOp::Equal, S("abc"), Lit, Y(5), Var, "Boolean False"},
        {"s = n (s=\"5\", n=5)", BinaryOp::Equal, S("5"), Var, I(5), Var, "Boolean False"},
        {"s > n (s=\"5\", n=5)", BinaryOp::Greater, S("5"), Var, I(5), Var, "Boolean True"},
        {"n > s (s=\"5\", n=5)", BinaryOp::Greater, I(5), Var, S("5"), Var, "Boolean False"},
        {"Len(\"ab\") < Space(3)", BinaryOp::Less, L(2), Var, S("   "), Var, "Boolean True"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(outcome([&] { return applyBinary(row.op, row.left, row.right, row.leftForm, row.rightForm); }),
                  row.expected)
            << row.expression;
    }
}

TEST(OperatorComparisonTest, NumbersTextEmptyAndNull)
{
    const std::vector<CompareCase> rows = {
        {"False > True", BinaryOp::Greater, B(false), Var, B(true), Var, "Boolean True"},
        {"0 > True", BinaryOp::Greater, I(0), Lit, B(true), Var, "Boolean True"},
        {"CLng(3) = 3.0", BinaryOp::Equal, L(3), Var, D(3), Lit, "Boolean True"},
        {"CSng(0.1) = 0.1", BinaryOp::Equal, F(0.1f), Var, D(0.1), Lit, "Boolean False"},
        {"CCur(1.5) = 1.5", BinaryOp::Equal, Cy(15000), Var, D(1.5), Lit, "Boolean True"},
        {"date >= 2", BinaryOp::GreaterEqual, Dt(2), Var, I(2), Lit, "Boolean True"},
        {"\"a\" < \"b\"", BinaryOp::Less, S("a"), Lit, S("b"), Lit, "Boolean True"},
        {"\"abc\" = \"ABC\"", BinaryOp::Equal, S("abc"), Lit, S("ABC"), Lit, "Boolean False"},
        {"\"ab\" < \"abc\"", BinaryOp::Less, S("ab"), Lit, S("abc"), Lit, "Boolean True"},
        {"\"\xE9\" > \"z\"", BinaryOp::Greater, S("\xE9"), Lit, S("z"), Lit, "Boolean True"},
        {"Empty = \"\"", BinaryOp::Equal, E(), Var, S(""), Lit, "Boolean True"},
        {"Empty = 0", BinaryOp::Equal, E(), Var, I(0), Lit, "Boolean True"},
        {"Empty < \"a\"", BinaryOp::Less, E(), Var, S("a"), Lit, "Boolean True"},
        {"Empty < -1", BinaryOp::Less, E(), Var, I(-1), Var, "Boolean False"},
        {"Empty = Empty", BinaryOp::Equal, E(), Var, E(), Var, "Boolean True"},
        {"0 = Null", BinaryOp::Equal, I(0), Lit, N(), Lit, "Null"},
        {"Null <> 1", BinaryOp::NotEqual, N(), Lit, I(1), Lit, "Null"},
        {"Null = Null", BinaryOp::Equal, N(), Lit, N(), Lit, "Null"},
        {"array = Null", BinaryOp::Equal, A({}), Var, N(), Lit, "error 13"},
        {"array = array", BinaryOp::Equal, A({}), Var, A({}), Var, "error 13"},
        {"obj = 3", BinaryOp::Equal, O(I(3)), Var, I(3), Lit, "Boolean True"},
        {"Nothing = 3", BinaryOp::Equal, Value::nothing(), Var, I(3), Lit, "error 91"},
        {"2 <= 2", BinaryOp::LessEqual, I(2), Lit, I(2), Lit, "Boolean True"},
        {"2 <> 2", BinaryOp::NotEqual, I(2), Lit, I(2), Lit, "Boolean False"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(outcome([&] { return applyBinary(row.op, row.left, row.right, row.leftForm, row.rightForm); }),
                  row.expected)
            << row.expression;
    }
}

TEST(OperatorComparisonTest, SelectCaseTreatsAMismatchAsNoMatch)
{
    EXPECT_TRUE(caseMatches(S("3"), S("3"), Lit));
    EXPECT_TRUE(caseMatches(S("3"), I(3), Lit));
    EXPECT_FALSE(caseMatches(S("3"), I(3), Var));
    EXPECT_FALSE(caseMatches(I(3), S("abc"), Lit));
    EXPECT_FALSE(caseMatches(N(), N(), Lit));
    EXPECT_TRUE(caseMatches(E(), I(0), Lit));
    EXPECT_THROW(caseMatches(Value::nothing(), I(0), Lit), ScriptError);
}
