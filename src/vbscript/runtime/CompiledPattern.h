// A RegExp pattern compiled by PCRE2, and the bounded search that runs it: each search counts
// its work towards the script's time limit as it goes, so a pattern that backtracks without end
// stops like any runaway loop, and PCRE2's own limits stop it even where no time limit runs.
#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include "vbscript/values/Text.h"

#include <vector>

namespace kestrelon::vbs {

// Where a group matched, in code units: from start up to end; start is NotMatched for a group
// that took no part.
struct MatchSpan {
    static constexpr std::size_t NotMatched = static_cast<std::size_t>(-1);
    std::size_t start = NotMatched;
    std::size_t end = NotMatched;
    bool matched() const { return start != NotMatched; }
    std::size_t length() const { return end - start; }
};

// The whole match first, then each capture group.
using MatchSpans = std::vector<MatchSpan>;

class CompiledPattern {
public:
    // Compiles a script's pattern (RegExpPattern.h says how it is read). Raises the pattern
    // errors 5017 to 5021.
    CompiledPattern(TextView pattern, bool ignoreCase, bool multiline);
    ~CompiledPattern();
    CompiledPattern(const CompiledPattern&) = delete;
    CompiledPattern& operator=(const CompiledPattern&) = delete;

    std::size_t groupCount() const { return m_groups; }

    // The first match starting at from or later; nullopt when there is none. Raises the
    // time-limit error when the script's time runs out during the search, and "Out of stack
    // space" (28) when the search backtracks past PCRE2's limits.
    std::optional<MatchSpans> search(TextView subject, std::size_t from);

private:
    struct Resources;
    std::unique_ptr<Resources> m_resources;
    std::size_t m_groups = 0;
};

} // namespace kestrelon::vbs
