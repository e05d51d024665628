// The math built-ins: the subtypes Abs, Sgn, Int, Fix and Round keep or give, their rounding,
// the invalid arguments of Sqr and Log, and Rnd / Randomize, which must repeat the Windows
// engine's sequence exactly so seeded scripts behave the same.
#include "BuiltinTestSupport.h"

#include "vbscript/runtime/Math.h"

#include <gtest/gtest.h>

#include <limits>

using namespace kestrelon::vbs;
using namespace kestrelon::vbs::testing;
using kestrelon::RandomGenerator;

TEST(BuiltinMathTest, SubtypesOfAbsSgnIntFixRound)
{
    const std::vector<CallCase> rows = {
        {"Int", {D(-1.99)}, "Double -2"},
        {"Fix", {D(-1.99)}, "Double -1"},
        {"Int", {D(-2.5)}, "Double -3"},
        {"Fix", {D(-2.5)}, "Double -2"},
        {"Int", {B(true)}, "Integer -1"},
        {"Int", {E()}, "Integer 0"},
        {"Int", {S("2.5")}, "Double 2"},
        {"Int", {F(-1.5f)}, "Single -2"},
        {"Int", {Cy(-15000)}, "Currency -2"},
        {"Fix", {Cy(-15000)}, "Currency -1"},
        {"Int", {Cy(std::numeric_limits<std::int64_t>::min())}, "error 6"},
        {"Fix", {Cy(std::numeric_limits<std::int64_t>::min())}, "Currency -922337203685477"},
        {"Int", {L(7)}, "Long 7"},
        {"Int", {N()}, "Null"},
        {"Round", {D(3.5)}, "Double 4"},
        {"Round", {D(-3.5)}, "Double -4"},
        {"Round", {D(2.5)}, "Double 2"},
        {"Round", {S("2")}, "Double 2"},
        {"Round", {I(5)}, "Integer 5"},
        {"Round", {B(true)}, "Boolean True"},
        {"Round", {D(1.2345), I(2)}, "Double 1.23"},
        {"Round", {D(0.125), I(2)}, "Double 0.12"},
        {"Round", {Cy(12345), I(1)}, "Currency 1.2"},
        {"Round", {D(1.5), I(-1)}, "error 5"},
        {"Round", {N()}, "Null"},
        {"Sgn", {B(true)}, "Integer -1"},
        {"Sgn", {S("-1")}, "Integer -1"},
        {"Sgn", {D(0.001)}, "Integer 1"},
        {"Sgn", {E()}, "Integer 0"},
        {"Sgn", {N()}, "error 94"},
        {"Abs", {L(-32769)}, "Long 32769"},
        {"Abs", {I(-32768)}, "Long 32768"},
        {"Abs", {L(-2147483647 - 1)}, "Double 2147483648"},
        {"Abs", {B(true)}, "Integer 1"},
        {"Abs", {S("-2")}, "Double 2"},
        {"Abs", {Y(3)}, "Byte 3"},
        {"Abs", {F(-1.5f)}, "Single 1.5"},
        {"Abs", {Cy(-5)}, "Currency 0.0005"},
        {"Abs", {Cy(std::numeric_limits<std::int64_t>::min())}, "error 6"},
        {"Round", {Cy(std::numeric_limits<std::int64_t>::max())}, "error 6"},
        {"Round", {Cy(-25000)}, "Currency -2"},
        {"Round", {Cy(-35000)}, "Currency -4"},
        {"Abs", {S("x")}, "error 13"},
        {"Abs", {N()}, "Null"},
    };
    EXPECT_CALLS(rows);
}

TEST(BuiltinMathTest, FunctionsOfDoubles)
{
    const std::vector<CallCase> rows = {
        {"Sqr", {I(4)}, "Double 2"},
        {"Sqr", {I(2)}, "Double 1.4142135623731"},
        {"Sqr", {I(-1)}, "error 5"},
        {"Log", {I(1)}, "Double 0"},
        {"Log", {I(0)}, "error 5"},
        {"Exp", {I(0)}, "Double 1"},
        {"Exp", {I(1000)}, "error 6"},
        {"Sin", {I(0)}, "Double 0"},
        {"Cos", {I(0)}, "Double 1"},
        {"Tan", {I(0)}, "Double 0"},
        {"Atn", {I(1)}, "Double 0.785398163397448"},
        {"Sqr", {S("9")}, "Double 3"},
        {"Sqr", {N()}, "error 94"},
    };
    EXPECT_CALLS(rows);
}

TEST(BuiltinMathTest, RndRepeatsTheWindowsSequence)
{
    TestContext context;
    std::vector<std::string> values;
    for (int i = 0; i < 5; ++i)
        values.push_back(describe(call(context, "Rnd", {})));
    EXPECT_EQ(values, (std::vector<std::string>{"Single 0.7055475", "Single 0.533424", "Single 0.5795186",
                                                "Single 0.2895625", "Single 0.301948"}));
    EXPECT_EQ(describe(call(context, "Rnd", {I(0)})), "Single 0.301948");
}

TEST(BuiltinMathTest, RndOfZeroBeforeAnyDrawGivesTheStartValue)
{
    TestContext context;
    const Value first = call(context, "Rnd", {I(0)});
    ASSERT_EQ(first.type(), VarType::Single);
    EXPECT_EQ(first.asSingle(), 327680.0f / 16777216.0f);
}

TEST(BuiltinMathTest, NegativeRndRestartsFromTheArgument)
{
    TestContext context;
    EXPECT_EQ(describe(call(context, "Rnd", {I(-1)})), "Single 0.224007");
    const std::string first = describe(call(context, "Rnd", {I(-2)}));
    call(context, "Rnd", {});
    EXPECT_EQ(describe(call(context, "Rnd", {I(-2)})), first);
}

TEST(BuiltinMathTest, RandomizeWithASeedKeepsTheLowBitsOfTheState)
{
    TestContext a;
    TestContext b;
    b.generator.setState(RandomGenerator::InitialState + 0x100);
    randomize(a, I(5));
    randomize(b, I(5));
    EXPECT_EQ(a.generator.state(), b.generator.state());
    EXPECT_EQ(a.generator.state() & 0xFF, RandomGenerator::InitialState & 0xFF);
    // 5.0 has the high bits 0x40140000; folded: 0x40140000 ^ 0x4014 = 0x40144014.
    EXPECT_EQ(a.generator.state(), (0x4014u << 8) | (RandomGenerator::InitialState & 0xFF));
}

TEST(BuiltinMathTest, RandomizeWithoutSeedChangesTheState)
{
    TestContext context;
    randomize(context, std::nullopt);
    EXPECT_LT(context.generator.state(), 1u << 24);
    EXPECT_THROW(randomize(context, S("abc")), ScriptError);
}
