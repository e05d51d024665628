// Reads the expectation comments of a conformance script; a quote inside a string literal
// does not start a comment, so "it's" in a MsgBox text is never taken for one.
#include "vbscript/runner/Expectations.h"

#include <stdexcept>

namespace kestrelon::vbs::testing {

namespace {

struct SplitLine {
    bool hasCode = false;
    std::string comment; // from the quote on; empty when the line has none
};

SplitLine splitLine(const std::string& line)
{
    SplitLine split;
    bool inString = false;
    for (size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (c == '"')
            inString = !inString;
        if (c == '\'' && !inString) {
            split.comment = line.substr(i);
            return split;
        }
        if (c != ' ' && c != '\t')
            split.hasCode = true;
    }
    return split;
}

// The text after marker when comment starts with it; one blank after the colon belongs to it.
std::optional<std::string> afterMarker(const std::string& comment, const std::string& marker)
{
    if (comment.rfind(marker, 0) != 0)
        return std::nullopt;
    std::string text = comment.substr(marker.size());
    if (!text.empty() && text.front() == ' ')
        text.erase(0, 1);
    return text;
}

// "Subscript out of range (column 5)" on line 12 -> "Error Subscript out of range line: 12 column: 5".
std::string errorMessageOf(const std::string& text, size_t line)
{
    const size_t open = text.rfind(" (column ");
    if (open == std::string::npos || text.back() != ')')
        throw std::runtime_error("line " + std::to_string(line) +
                                 ": an error expectation ends with \" (column N)\"");
    const std::string column = text.substr(open + 9, text.size() - open - 10);
    return "Error " + text.substr(0, open) + " line: " + std::to_string(line) + " column: " + column;
}

} // namespace

Expectations expectationsOf(const std::vector<std::string>& source)
{
    Expectations expected;
    size_t lastCodeLine = 0;
    for (size_t index = 0; index < source.size(); ++index) {
        const size_t lineNumber = index + 1;
        const SplitLine split = splitLine(source[index]);
        if (split.hasCode)
            lastCodeLine = lineNumber;
        if (auto text = afterMarker(split.comment, "' expect:")) {
            expected.lines.push_back(*text);
        } else if (auto error = afterMarker(split.comment, "' expect error:")) {
            if (expected.error || lastCodeLine == 0)
                throw std::runtime_error("line " + std::to_string(lineNumber) +
                                         ": one error expectation, after the line that fails");
            expected.error = errorMessageOf(*error, lastCodeLine);
        } else if (auto name = afterMarker(split.comment, "' needs:")) {
            expected.needs.push_back(*name);
        }
    }
    return expected;
}

} // namespace kestrelon::vbs::testing
