// The script error and the catalogue of VBScript's error texts: every run-time and compilation
// error a script can meet, numbered and worded as the Windows script engine words them, so
// scripts that test Err.Number or show Err.Description behave the same here.
#include "vbscript/values/ScriptError.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace kestrelon::vbs {
namespace {

struct ErrorText {
    std::int32_t number;
    const char* text;
};

// Sorted by number, so a lookup is a binary search.
constexpr ErrorText ErrorTexts[] = {
#define KESTRELON_ERROR_TEXT(name, number, text) ErrorText{number, text},
    KESTRELON_VBSCRIPT_ERRORS(KESTRELON_ERROR_TEXT)
#undef KESTRELON_ERROR_TEXT
};

static_assert(std::is_sorted(std::begin(ErrorTexts), std::end(ErrorTexts),
                             [](const ErrorText& a, const ErrorText& b) { return a.number < b.number; }),
              "the error catalogue must stay sorted by number");

} // namespace

ScriptError::ScriptError(std::int32_t number, std::string description, std::string source, int line,
                         int column)
    : m_number(number), m_description(std::move(description)), m_source(std::move(source)), m_line(line),
      m_column(column)
{
}

ScriptError ScriptError::runtime(ErrorCode code)
{
    const std::int32_t number = errorNumber(code);
    return ScriptError(number, standardDescription(number), RuntimeErrorSource);
}

ScriptError ScriptError::compile(ErrorCode code, int line, int column)
{
    const std::int32_t number = errorNumber(code);
    return ScriptError(number, standardDescription(number), CompileErrorSource, line, column);
}

void ScriptError::setPositionIfUnknown(int line, int column)
{
    if (m_line > 0)
        return;
    m_line = line;
    m_column = column;
}

std::string standardDescription(std::int32_t number)
{
    const auto found = std::lower_bound(std::begin(ErrorTexts), std::end(ErrorTexts), number,
                                        [](const ErrorText& entry, std::int32_t n) { return entry.number < n; });
    if (found == std::end(ErrorTexts) || found->number != number)
        return "Unknown runtime error";
    return found->text;
}

} // namespace kestrelon::vbs
