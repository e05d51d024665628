// The program's random generator: its fixed start, its range, and the repeatable generator
// that a seeded run uses, which the clock never reaches.
#include "platform/RandomGenerator.h"

#include <gtest/gtest.h>

namespace kestrelon {
namespace {

TEST(RandomGenerator, StartsFromTheSameStateAndStaysInRange)
{
    RandomGenerator a, b;
    for (int i = 0; i < 1000; ++i) {
        const float value = a.next();
        EXPECT_EQ(value, b.next());
        EXPECT_GE(value, 0.0f);
        EXPECT_LT(value, 1.0f);
    }
    RandomGenerator fresh;
    EXPECT_NEAR(fresh.next(), 0.7055475, 1e-6);
    EXPECT_NEAR(fresh.next(), 0.533424, 1e-6);
}

TEST(RandomGenerator, MixingInTheClockKeepsTheDrawsInRange)
{
    RandomGenerator random;
    for (int i = 0; i < 1000; ++i) {
        random.mixInClock();
        EXPECT_LE(random.state(), RandomGenerator::MaxSeed);
        const float value = random.next();
        EXPECT_GE(value, 0.0f);
        EXPECT_LT(value, 1.0f);
    }
}

TEST(RandomGenerator, ARepeatableGeneratorStartsFromItsSeedAndKeepsTheClockOut)
{
    for (std::uint32_t seed : {0u, 42u, RandomGenerator::InitialState, RandomGenerator::MaxSeed}) {
        RandomGenerator repeatable = RandomGenerator::repeatable(seed);
        RandomGenerator plain(seed);
        EXPECT_EQ(repeatable.state(), seed);
        for (int i = 0; i < 100; ++i) {
            repeatable.mixInClock();
            EXPECT_EQ(repeatable.next(), plain.next()) << "seed " << seed << ", draw " << i;
        }
    }
}

} // namespace
} // namespace kestrelon
