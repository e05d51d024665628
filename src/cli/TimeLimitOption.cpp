// Reading the --time-limit option.
#include "cli/TimeLimitOption.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>

namespace kestrelon::cli {

std::optional<std::chrono::milliseconds> timeLimitOf(const std::string& text)
{
    double seconds = 0;
    const auto [end, fault] = std::from_chars(text.data(), text.data() + text.size(), seconds);
    if (fault != std::errc() || end != text.data() + text.size() || !std::isfinite(seconds) || seconds <= 0)
        return std::nullopt;
    const double milliseconds = std::ceil(std::min(seconds, LongestTimeLimitSeconds) * 1000);
    return std::chrono::milliseconds(static_cast<std::int64_t>(milliseconds));
}

std::string badTimeLimit(const std::string& command, const std::string& text)
{
    return "kestrelon-cli " + command + ": the time limit must be a positive number of seconds, not \"" + text + "\"";
}

} // namespace kestrelon::cli
