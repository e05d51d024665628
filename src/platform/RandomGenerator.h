// The program's random generator: uniform single-precision numbers in [0, 1) from a 24-bit
// linear congruential state. It starts from the same state at every program start, so the
// first run of a project deploys its units on the same spots every time.
#pragma once

#include <cstdint>

namespace kestrelon {

class RandomGenerator {
public:
    static constexpr std::uint32_t InitialState = 0x50000;

    RandomGenerator() = default;
    explicit RandomGenerator(std::uint32_t state) : m_state(state & 0xFFFFFF) {}

    // Advances the state and returns the new value in [0, 1).
    float next();
    // The value last returned (or that of the start state), without advancing.
    float current() const;
    // A new state taken from the system clock.
    void reseedFromClock();

    std::uint32_t state() const { return m_state; }
    void setState(std::uint32_t state) { m_state = state & 0xFFFFFF; }

private:
    std::uint32_t m_state = InitialState;
};

// The one generator that unit creation and the Game object share.
RandomGenerator& programRandom();

} // namespace kestrelon
