// PCRE2 behind RegExp: compiling a translated pattern (its errors become the script's pattern
// errors), and a search that counts the items it tries through PCRE2's automatic callouts,
// which come before every item of the pattern, and ends at PCRE2's match, depth and heap limits.
#include "vbscript/runtime/CompiledPattern.h"

#include "vbscript/runtime/RegExpPattern.h"
#include "vbscript/values/Limits.h"
#include "vbscript/values/ScriptError.h"

#include <pcre2.h>

#include <cassert>
#include <cstdint>
#include <exception>
#include <new>

namespace kestrelon::vbs {
namespace {

// Texts are UTF-16 code units, matched one by one as JScript matches them, and the pattern
// language is JScript's (RegExpPattern.h): a backreference to a group that has not matched
// matches nothing, as in JScript, and [] is an empty class. UTF (which would read surrogate
// pairs as one character and refuse a lone surrogate), Unicode properties and \C cannot be
// reached through the translation; they are refused here as well, so that no slip there can
// turn them on.
constexpr std::uint32_t CompileOptions = PCRE2_ALLOW_EMPTY_CLASS | PCRE2_MATCH_UNSET_BACKREF | PCRE2_NEVER_UTF |
                                         PCRE2_NEVER_UCP | PCRE2_NEVER_BACKSLASH_C | PCRE2_AUTO_CALLOUT;

// The most passes of PCRE2's matching loop one start position may take (a few seconds' work),
// the deepest its backtracking may nest, and the memory that backtracking may hold.
constexpr std::uint32_t MatchLimit = 100'000'000;
constexpr std::uint32_t DepthLimit = 1'000'000;
constexpr std::uint32_t HeapLimitKibibytes = 64 * 1024;


// Items tried are counted in batches; each counts as this many bytes handled (RunClock), about
// the time it takes, so the clock is read every millisecond or so of searching.
constexpr std::uint32_t ItemsPerCount = 256;
constexpr std::uint64_t ItemWork = 64;

// What a search's callouts share: the items tried since the last count, and the error that
// stopped the search (the time-limit error), raised again once PCRE2 has returned.
struct SearchWork {
    std::uint32_t items = 0;
    std::exception_ptr stopped;
};

int countItem(pcre2_callout_block*, void* data)
{
    auto& work = *static_cast<SearchWork*>(data);
    if (++work.items < ItemsPerCount)
        return 0;
    work.items = 0;
    try {
        addScriptWorkNow(ItemsPerCount * ItemWork);
        return 0;
    } catch (...) {
        // No exception may cross PCRE2's C frames: the search is abandoned, and the error
        // raised after it returns.
        work.stopped = std::current_exception();
        return PCRE2_ERROR_CALLOUT;
    }
}

ErrorCode patternError(int code)
{
    switch (code) {
    case PCRE2_ERROR_MISSING_SQUARE_BRACKET: return ErrorCode::RegExpExpectedBracket;
    case PCRE2_ERROR_MISSING_CLOSING_PARENTHESIS: return ErrorCode::RegExpExpectedParen;
    case PCRE2_ERROR_CLASS_RANGE_ORDER:
    case PCRE2_ERROR_CLASS_INVALID_RANGE: return ErrorCode::RegExpInvalidRange;
    case PCRE2_ERROR_QUANTIFIER_INVALID: return ErrorCode::RegExpUnexpectedQuantifier;
    default: return ErrorCode::RegExpSyntaxError;
    }
}

[[noreturn]] void searchFailed(int result, const SearchWork& work)
{
    switch (result) {
    case PCRE2_ERROR_CALLOUT: std::rethrow_exception(work.stopped);
    case PCRE2_ERROR_MATCHLIMIT:
    case PCRE2_ERROR_DEPTHLIMIT:
    case PCRE2_ERROR_HEAPLIMIT: throw ScriptError::runtime(ErrorCode::OutOfStackSpace);
    case PCRE2_ERROR_NOMEMORY: throw std::bad_alloc();
    default: assert(false && "PCRE2 refused a search it was given"); throw ScriptError::runtime(ErrorCode::InternalError);
    }
}

} // namespace

struct CompiledPattern::Resources {
    Resources() = default;
    Resources(const Resources&) = delete;
    Resources& operator=(const Resources&) = delete;
    ~Resources()
    {
        pcre2_match_data_free(data);
        pcre2_match_context_free(context);
        pcre2_code_free(code);
    }

    pcre2_code* code = nullptr;
    pcre2_match_context* context = nullptr;
    pcre2_match_data* data = nullptr;
};

CompiledPattern::CompiledPattern(TextView pattern, bool ignoreCase, bool multiline)
    : m_resources(std::make_unique<Resources>())
{
    const Text translated = translatePattern(pattern, multiline);
    addScriptWork(translated.size());
    int error = 0;
    PCRE2_SIZE errorOffset = 0;
    Resources& r = *m_resources;
    r.code = pcre2_compile(reinterpret_cast<PCRE2_SPTR>(translated.data()), translated.size(),
                           CompileOptions | (ignoreCase ? PCRE2_CASELESS : 0), &error, &errorOffset, nullptr);
    if (!r.code)
        throw ScriptError::runtime(error == PCRE2_ERROR_NOMEMORY ? ErrorCode::OutOfMemory : patternError(error));
    r.context = pcre2_match_context_create(nullptr);
    r.data = pcre2_match_data_create_from_pattern(r.code, nullptr);
    if (!r.context || !r.data)
        throw std::bad_alloc();
    pcre2_set_match_limit(r.context, MatchLimit);
    pcre2_set_depth_limit(r.context, DepthLimit);
    pcre2_set_heap_limit(r.context, HeapLimitKibibytes);
    std::uint32_t groups = 0;
    pcre2_pattern_info(r.code, PCRE2_INFO_CAPTURECOUNT, &groups);
    m_groups = groups;
}

CompiledPattern::~CompiledPattern() = default;

std::optional<MatchSpans> CompiledPattern::search(TextView subject, std::size_t from)
{
    assert(from <= subject.size());
    Resources& r = *m_resources;
    SearchWork work;
    pcre2_set_callout(r.context, countItem, &work);
    const int result = pcre2_match(r.code, reinterpret_cast<PCRE2_SPTR>(subject.data()), subject.size(), from, 0,
                                   r.data, r.context);
    if (result == PCRE2_ERROR_NOMATCH) {
        addScriptWork(subject.size() - from);
        return std::nullopt;
    }
    if (result < 0)
        searchFailed(result, work);
    const PCRE2_SIZE* pairs = pcre2_get_ovector_pointer(r.data);
    MatchSpans spans(m_groups + 1);
    for (std::size_t group = 0; group < spans.size() && group < static_cast<std::size_t>(result); ++group) {
        if (pairs[2 * group] != PCRE2_UNSET)
            spans[group] = MatchSpan{pairs[2 * group], pairs[2 * group + 1]};
    }
    addScriptWork(spans[0].end - from);
    return spans;
}

} // namespace kestrelon::vbs
