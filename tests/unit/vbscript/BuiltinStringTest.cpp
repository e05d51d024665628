// The text built-ins against VBScript's documented results: positions and lengths rounded
// half to even, invalid arguments raising 5, Null passing through where VBScript passes it
// and raising 94 where it does not, and the binary and text compare modes.
#include "BuiltinTestSupport.h"

#include <gtest/gtest.h>

using namespace kestrelon::vbs;
using namespace kestrelon::vbs::testing;

TEST(BuiltinStringTest, CuttingAndPadding)
{
    const std::vector<CallCase> rows = {
        {"Len", {S("abc")}, "Long 3"},
        {"Len", {I(1)}, "Long 1"},
        {"Len", {D(1.0 / 3)}, "Long 17"},
        {"Len", {E()}, "Long 0"},
        {"Len", {N()}, "Null"},
        {"Left", {S("123456"), D(2.5)}, "String 12"},
        {"Left", {S("ab"), I(5)}, "String ab"},
        {"Left", {N(), I(3)}, "Null"},
        {"Left", {S("ab"), I(-1)}, "error 5"},
        {"Left", {S("ab"), N()}, "error 94"},
        {"Right", {S("abc"), I(2)}, "String bc"},
        {"Right", {S("abc"), I(5)}, "String abc"},
        {"Right", {I(12345), I(2)}, "String 45"},
        {"Mid", {S("test"), I(2), I(4)}, "String est"},
        {"Mid", {S("abc"), I(2)}, "String bc"},
        {"Mid", {S("abc"), I(5)}, "String "},
        {"Mid", {S("abc"), I(0), I(1)}, "error 5"},
        {"Mid", {S("abc"), I(1), I(-1)}, "error 5"},
        {"Mid", {N(), I(1)}, "Null"},
        {"Space", {D(4.5)}, "String     "},
        {"Space", {D(5.5)}, "String       "},
        {"Space", {I(-1)}, "error 5"},
        {"Space", {N()}, "error 94"},
        {"Space", {L(2000000000)}, "error 7"},
        {"String", {I(3), S("ab")}, "String aaa"},
        {"String", {I(2), I(65)}, "String AA"},
        {"String", {I(3), S("")}, "error 5"},
        {"String", {I(-1), S("a")}, "error 5"},
        {"String", {I(2), I(256)}, "error 5"},
        {"String", {I(2), N()}, "Null"},
    };
    EXPECT_CALLS(rows);
}

TEST(BuiltinStringTest, CaseTrimsAndCharacters)
{
    const std::vector<CallCase> rows = {
        {"LCase", {S("AbC1")}, "String abc1"},
        {"UCase", {S("AbC1")}, "String ABC1"},
        {"UCase", {N()}, "Null"},
        {"Trim", {S("  a b  ")}, "String a b"},
        {"LTrim", {S("  a  ")}, "String a  "},
        {"RTrim", {S("  a  ")}, "String   a"},
        {"Trim", {S("\ta\t")}, "String \ta\t"},
        {"Trim", {N()}, "Null"},
        {"StrReverse", {S("abc")}, "String cba"},
        {"StrReverse", {N()}, "error 94"},
        {"Asc", {S("A")}, "Integer 65"},
        {"Asc", {S("\xE9")}, "Integer 233"},
        {"Asc", {S("")}, "error 5"},
        {"Asc", {E()}, "error 5"},
        {"Asc", {N()}, "error 94"},
        {"AscW", {S("a")}, "Integer 97"},
        {"Chr", {I(65)}, "String A"},
        {"Chr", {D(119.5)}, "String x"},
        {"Chr", {I(256)}, "error 5"},
        {"Chr", {I(-1)}, "error 5"},
        {"ChrW", {I(66)}, "String B"},
        {"ChrW", {L(65535)}, "String ?"},
        {"ChrW", {L(65536)}, "error 5"},
        {"Hex", {I(-1)}, "String FFFF"},
        {"Hex", {I(-16)}, "String FFF0"},
        {"Hex", {L(-32768)}, "String FFFF8000"},
        {"Hex", {L(-559038737)}, "String DEADBEEF"},
        {"Hex", {E()}, "String 0"},
        {"Hex", {S("17")}, "String 11"},
        {"Hex", {D(228.5)}, "String E4"},
        {"Hex", {D(2147483647.5)}, "error 6"},
        {"Hex", {S("abc")}, "error 13"},
        {"Hex", {N()}, "Null"},
        {"Oct", {I(-1)}, "String 177777"},
        {"Oct", {D(8.5)}, "String 10"},
        {"Oct", {D(9.5)}, "String 12"},
        {"Oct", {L(-32768)}, "String 37777700000"},
    };
    EXPECT_CALLS(rows);
}

TEST(BuiltinStringTest, Searching)
{
    const std::vector<CallCase> rows = {
        {"InStr", {S("abcd"), S("cd")}, "Long 3"},
        {"InStr", {D(2.6), S("abcd"), S("bc")}, "Long 0"},
        {"InStr", {I(4), S("abcdef"), S("")}, "Long 4"},
        {"InStr", {I(20), S("abcdef"), S("")}, "Long 0"},
        {"InStr", {I(4), S(""), S("")}, "Long 0"},
        {"InStr", {I(1), L(23456), I(45)}, "Long 3"},
        {"InStr", {I(1), S("ABC"), S("b"), I(1)}, "Long 2"},
        {"InStr", {I(1), S("ABC"), S("b"), I(0)}, "Long 0"},
        {"InStr", {I(1), S("ABC"), S("b"), I(2)}, "error 5"},
        {"InStr", {I(0), S("a"), S("a")}, "error 5"},
        {"InStr", {N(), S("a"), S("a")}, "error 94"},
        {"InStr", {S("abc"), N()}, "Null"},
        {"InStr", {I(9), S("abc"), S("c")}, "Long 0"},
        {"InStrRev", {S("abcd"), S("bc"), I(2)}, "Long 0"},
        {"InStrRev", {S("abcd"), S("bc"), I(3)}, "Long 2"},
        {"InStrRev", {S("abcabc"), S("bc")}, "Long 5"},
        {"InStrRev", {S("abcd"), S(""), I(3)}, "Long 3"},
        {"InStrRev", {S("abcd"), S("a"), I(9)}, "Long 0"},
        {"InStrRev", {S("ABCD"), S("bc"), I(-1), I(1)}, "Long 2"},
        {"InStrRev", {S("abcd"), S("a"), I(0)}, "error 5"},
        {"InStrRev", {N(), S("a")}, "error 94"},
        {"StrComp", {S("ABC"), S("abc")}, "Integer -1"},
        {"StrComp", {S("ABC"), S("abc"), I(1)}, "Integer 0"},
        {"StrComp", {S("b"), S("a")}, "Integer 1"},
        {"StrComp", {E(), S("")}, "Integer 0"},
        {"StrComp", {N(), S("")}, "Null"},
        {"StrComp", {S("a"), S("a"), I(3)}, "error 5"},
    };
    EXPECT_CALLS(rows);
}

TEST(BuiltinStringTest, ReplaceSplitAndJoin)
{
    const std::vector<CallCase> rows = {
        {"Replace", {S("xx testxx(xx)"), S("xx"), S("!"), I(2)}, "String x test!(!)"},
        {"Replace", {S("xxxxx"), S("xx"), S("y")}, "String yyx"},
        {"Replace", {S("abc"), S(""), S("y")}, "String abc"},
        {"Replace", {S("aAa"), S("a"), S("b"), I(1), I(-1), I(1)}, "String bbb"},
        {"Replace", {S("aAa"), S("a"), S("b"), I(1), I(1)}, "String bAa"},
        {"Replace", {S("abc"), S("b"), S("x"), I(1), I(0)}, "String abc"},
        {"Replace", {S("abc"), S("b"), S("x"), I(4)}, "String "},
        {"Replace", {S("abc"), S("b"), S("x"), I(0)}, "error 5"},
        {"Replace", {S("abc"), S("b"), S("x"), I(1), I(-2)}, "error 5"},
        {"Replace", {N(), S("b"), S("x")}, "error 94"},
        {"Split", {S("a,b,,c"), S(",")}, "Variant(a|b||c)"},
        {"Split", {S("a b")}, "Variant(a|b)"},
        {"Split", {S("")}, "Variant()"},
        {"Split", {S("a,b,c"), S(","), I(2)}, "Variant(a|b,c)"},
        {"Split", {S("a,b,c"), S(","), I(0)}, "Variant()"},
        {"Split", {S("abc"), S("")}, "Variant(abc)"},
        {"Split", {S("aXbxc"), S("x"), I(-1), I(1)}, "Variant(a|b|c)"},
        {"Split", {S("a"), S(","), I(-2)}, "error 5"},
        {"Split", {N()}, "error 94"},
        {"Join", {A({I(1), S("a"), E()}), S("-")}, "String 1-a-"},
        {"Join", {A({S("a"), S("b")})}, "String a b"},
        {"Join", {A({})}, "String "},
        {"Join", {A({N()})}, "error 13"},
        {"Join", {A({A({})})}, "error 13"},
        {"Join", {A({O(I(1))})}, "error 438"},
        {"Join", {I(5)}, "error 13"},
        {"Join", {N()}, "error 94"},
        {"Join", {A({S("a")}), N()}, "error 94"},
    };
    EXPECT_CALLS(rows);
}

TEST(BuiltinStringTest, JoinRefusesMultiDimensionalArrays)
{
    const Value grid = Value::array(std::make_shared<Array>(std::vector<std::int32_t>{1, 1}, false));
    EXPECT_EQ(callOutcome("Join", {grid}), "error 13");
}
