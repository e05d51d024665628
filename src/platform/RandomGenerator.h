// The program's random generator: uniform single-precision numbers in [0, 1) from a 24-bit
// linear congruential state. It starts from the same state at every program start, so the
// first run of a project deploys its units on the same spots every time.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

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
    // A generator that repeats the draws of a run made before: it starts from the state that
    // run started from and takes each clock stir from stirs, in the order they were noted
    // (noteClockStirs). stirs must outlive it. Past their end it keeps the clock out.
    static RandomGenerator replaying(std::uint32_t state, std::span<const std::uint32_t> stirs);

    // Advances the state and returns the new value in [0, 1).
    float next();
    // The value last returned (or that of the start state), without advancing.
    float current() const;
    // Stirs the system clock into the state, which stays part of it: two stirs within one
    // clock tick still lead to different draws. A repeatable generator is left as it is.
    void mixInClock();
    // Notes every clock stir from now on in journal (nullptr: no more noting), so that a
    // replaying generator can repeat the draws.
    void noteClockStirs(std::vector<std::uint32_t>* journal) { m_journal = journal; }
    // A replaying generator: true once it was asked for more stirs than it was given, or
    // left some unused, which means the draws went otherwise than the first time.
    bool replayDiffered() const { return m_replayDiffered || m_replayed != m_stirs.size(); }

    std::uint32_t state() const { return m_state; }
    void setState(std::uint32_t state) { m_state = state & 0xFFFFFF; }

private:
    std::uint32_t m_state = InitialState;
    bool m_repeatable = false;
    bool m_replaying = false;
    bool m_replayDiffered = false;
    std::span<const std::uint32_t> m_stirs;
    std::size_t m_replayed = 0;
    std::vector<std::uint32_t>* m_journal = nullptr;
};

// The one generator that unit creation and the Game object share.
RandomGenerator& programRandom();

} // namespace kestrelon
