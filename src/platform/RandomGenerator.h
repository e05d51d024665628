// The program's random generator: uniform single-precision numbers in [0, 1) from a 24-bit
// linear congruential state. It starts from the same state at every program start, so the
// first run of a project deploys its units on the same spots every time.
#pragma once

#include <cstdint>

namespace kestrelon {

class RandomGenerator {
public:
    static constexpr std::uint32_t InitialState = 0x50000;
    static constexpr std::uint32_t MaxSeed = 0xFFFFFF;

    RandomGenerator() = default;
    explicit RandomGenerator(std::uint32_t state) : m_state(state & 0xFFFFFF) {}

    // A generator that starts from seed (0 .. MaxSeed) and keeps the clock out, so every
    // draw after it can be repeated exactly.
    static RandomGenerator repeatable(std::uint32_t seed);

    // Advances the state and returns the new value in [0, 1).
    float next();
    // The value last returned (or that of the start state), without advancing.
    float current() const;
    // Stirs the system clock into the state, which stays part of it: two stirs within one
    // clock tick still lead to different draws. A repeatable generator is left as it is.
    void mixInClock();

    std::uint32_t state() const { return m_state; }
    void setState(std::uint32_t state) { m_state = state & 0xFFFFFF; }

private:
    std::uint32_t m_state = InitialState;
    bool m_repeatable = false;
};

// The one generator that unit creation and the Game object share.
RandomGenerator& programRandom();

} // namespace kestrelon
