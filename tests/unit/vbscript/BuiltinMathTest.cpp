// Randomize's effect on the generator's state, which scripts cannot see: a seed keeps the
// low bits of the state and replaces the rest with bits of the seed, and without a seed the
// state stays within its 24 bits. Scripts check the rest of the math built-ins.
#include "BuiltinTestSupport.h"

#include "vbscript/runtime/Math.h"

#include <gtest/gtest.h>

using namespace kestrelon::vbs;
using namespace kestrelon::vbs::testing;
using kestrelon::RandomGenerator;

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
}
