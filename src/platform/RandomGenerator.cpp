// The program's random generator and the stirring of the clock into its state.
#include "platform/RandomGenerator.h"

#include <chrono>

namespace kestrelon {
namespace {

// Spreads every bit of the clock's count over all bits of the result, so clock readings a
// few nanoseconds apart change the whole state, not only its low bits (which an LCG passes
// on to the high bits of later draws slowly).
std::uint64_t scrambled(std::uint64_t x)
{
    x += 0x9E3779B97F4A7C15u;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9u;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBu;
    return x ^ (x >> 31);
}

} // namespace

RandomGenerator RandomGenerator::repeatable(std::uint32_t seed)
{
    RandomGenerator generator(seed);
    generator.m_repeatable = true;
    return generator;
}

RandomGenerator RandomGenerator::replaying(std::uint32_t state, std::span<const std::uint32_t> stirs)
{
    RandomGenerator generator(state);
    generator.m_replaying = true;
    generator.m_stirs = stirs;
    return generator;
}

float RandomGenerator::next()
{
    m_state = (m_state * 0x43FD43FDu + 0xC39EC3u) & 0xFFFFFFu;
    return current();
}

float RandomGenerator::current() const
{
    return static_cast<float>(m_state) / 16777216.0f;
}

void RandomGenerator::mixInClock()
{
    // A repeatable generator notes a stir that changes nothing, so its replay takes the same.
    std::uint32_t stir = 0;
    if (m_replaying) {
        if (m_replayed == m_stirs.size()) {
            m_replayDiffered = true;
            return;
        }
        stir = m_stirs[m_replayed++];
    } else if (!m_repeatable) {
        const auto now = std::chrono::system_clock::now().time_since_epoch();
        const auto ticks = std::chrono::duration_cast<std::chrono::nanoseconds>(now).count();
        stir = static_cast<std::uint32_t>(scrambled(static_cast<std::uint64_t>(ticks))) & MaxSeed;
    }
    if (m_journal)
        m_journal->push_back(stir);
    setState(m_state ^ stir);
}

RandomGenerator& programRandom()
{
    static RandomGenerator generator;
    return generator;
}

} // namespace kestrelon
