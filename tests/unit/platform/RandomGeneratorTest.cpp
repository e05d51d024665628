// The program's random generator: its fixed start, its range, the repeatable generator that a
// seeded run uses, which the clock never reaches, and the replaying one that repeats a run.
#include "platform/RandomGenerator.h"

#include <gtest/gtest.h>

#include <vector>

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

namespace kestrelon {
namespace {

// Draws with a clock stir before every third, as OneToTen makes them among the other draws.
std::vector<float> drawsOf(RandomGenerator& random, int count)
{
    std::vector<float> draws;
    for (int i = 0; i < count; ++i) {
        if (i % 3 == 0)
            random.mixInClock();
        draws.push_back(random.next());
    }
    return draws;
}

TEST(RandomGenerator, AReplayingGeneratorRepeatsTheDrawsOfTheClockStirsItWasGiven)
{
    for (RandomGenerator first : {RandomGenerator(0x123456), RandomGenerator::repeatable(42)}) {
        std::vector<std::uint32_t> stirs;
        const std::uint32_t start = first.state();
        first.noteClockStirs(&stirs);
        const std::vector<float> draws = drawsOf(first, 300);
        first.noteClockStirs(nullptr);
        first.mixInClock(); // no longer noted
        ASSERT_EQ(stirs.size(), 100u);

        RandomGenerator again = RandomGenerator::replaying(start, stirs);
        EXPECT_EQ(drawsOf(again, 300), draws);
        EXPECT_FALSE(again.replayDiffered());

        const std::vector<std::uint32_t> fewer(stirs.begin(), stirs.end() - 1);
        RandomGenerator short_ = RandomGenerator::replaying(start, fewer);
        drawsOf(short_, 300);
        EXPECT_TRUE(short_.replayDiffered()) << "asked for a stir it was not given";
        RandomGenerator unfinished = RandomGenerator::replaying(start, stirs);
        drawsOf(unfinished, 200);
        EXPECT_TRUE(unfinished.replayDiffered()) << "left stirs unused";
    }
}

} // namespace
} // namespace kestrelon
