// The --time-limit option of the commands that run scripts: the processor seconds one call into
// the script engine may compute.
#pragma once

#include <chrono>
#include <optional>
#include <string>

namespace kestrelon::cli {

// Longer limits are taken as this one: over three years of processor time, never reached.
inline constexpr double LongestTimeLimitSeconds = 1e8;
inline constexpr std::chrono::milliseconds NoTimeLimit{static_cast<long long>(LongestTimeLimitSeconds * 1000)};

// A positive number of seconds ("10", "0.5", "2e1") as whole milliseconds, at least one;
// nullopt for anything else.
std::optional<std::chrono::milliseconds> timeLimitOf(const std::string& text);

// The message for a --time-limit value that is not a positive number of seconds.
std::string badTimeLimit(const std::string& command, const std::string& text);

} // namespace kestrelon::cli
