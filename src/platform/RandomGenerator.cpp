// The program's random generator.
#include "platform/RandomGenerator.h"

#include <chrono>

namespace kestrelon {

float RandomGenerator::next()
{
    m_state = (m_state * 0x43FD43FDu + 0xC39EC3u) & 0xFFFFFFu;
    return current();
}

float RandomGenerator::current() const
{
    return static_cast<float>(m_state) / 16777216.0f;
}

void RandomGenerator::reseedFromClock()
{
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    const auto ticks = std::chrono::duration_cast<std::chrono::microseconds>(now).count();
    setState(static_cast<std::uint32_t>(ticks ^ (ticks >> 24)));
}

RandomGenerator& programRandom()
{
    static RandomGenerator generator;
    return generator;
}

} // namespace kestrelon
