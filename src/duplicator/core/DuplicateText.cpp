// Building and writing the numbered copies. The copies share the unit number suffix of the
// scene writer, so a scene's unit "soldier007" finds the seventh copy of "soldier".
#include "duplicator/core/DuplicateText.h"

#include "an8/IndexSuffix.h"
#include "platform/FileError.h"
#include "platform/NumberParsing.h"
#include "platform/Rounding.h"
#include "platform/TextFile.h"

#include <algorithm>
#include <cassert>
#include <cctype>
#include <limits>

namespace kestrelon::duplicator {
namespace {

constexpr std::string_view ChunkOpener = " figure { ";
constexpr char Quote = '"';
constexpr char ChunkSeparator = ' ';
constexpr std::int64_t MaxCopyNumber = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t MaxCount = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t MinCount = std::numeric_limits<std::int32_t>::min();

void appendCopy(std::string& text, const Figure& figure, std::int32_t copyNumber)
{
    text += ChunkOpener;
    text += Quote;
    text += figure.name;
    text += an8::IndexSuffix(copyNumber);
    text += Quote;
    text += figure.body;
    text += ChunkSeparator;
}

// The length of the whole text at most, so it is allocated once (or fails before any copy is
// made); every copy is counted with the suffix of the highest copy number.
size_t renderedSize(const std::vector<Figure>& figures, const std::vector<std::int32_t>& counts)
{
    const size_t suffix = an8::IndexSuffix(static_cast<std::int32_t>(totalCopies(counts))).size();
    const size_t fixed = ChunkOpener.size() + 2 + suffix + 1;
    size_t size = 0;
    for (size_t i = 0; i < figures.size(); ++i) {
        if (counts[i] > 0)
            size += static_cast<size_t>(counts[i]) * (fixed + figures[i].name.size() + figures[i].body.size());
    }
    return size;
}

bool isBlankAnswer(std::string_view answer)
{
    return std::all_of(answer.begin(), answer.end(), [](unsigned char c) { return std::isspace(c) != 0; });
}

// The sign (1 or -1) of an answer written as a number whose exponent takes it beyond every
// number the program holds ("1e999"); 0 for any other answer.
int overflowSign(std::string_view answer)
{
    const size_t mark = answer.find_last_of("eEdD");
    if (mark == std::string_view::npos)
        return 0;
    const std::optional<double> mantissa = parseNumber(answer.substr(0, mark));
    std::string_view power = answer.substr(mark + 1);
    while (!power.empty() && std::isspace(static_cast<unsigned char>(power.back())))
        power.remove_suffix(1);
    if (!power.empty() && (power.front() == '+' || power.front() == '-'))
        power.remove_prefix(1);
    const bool digits = !power.empty() && std::all_of(power.begin(), power.end(), [](unsigned char c) {
        return std::isdigit(c) != 0;
    });
    if (!mantissa || !digits)
        return 0;
    return *mantissa < 0 ? -1 : 1;
}

} // namespace

std::optional<std::int32_t> parseCopyCount(std::string_view answer)
{
    const std::optional<double> number = parseNumber(answer);
    if (!number)
        return std::nullopt;
    return tryRoundToInt32(*number);
}

std::optional<std::string> copyCountProblem(std::string_view answer)
{
    if (parseCopyCount(answer))
        return std::nullopt;
    const std::optional<double> number = parseNumber(answer);
    const int sign = number ? (*number < 0 ? -1 : 1) : overflowSign(answer);
    const std::string quoted = "\"" + std::string(answer) + "\"";
    if (sign > 0)
        return quoted + " is too large: a count is at most " + std::to_string(MaxCount) + ".";
    if (sign < 0)
        return quoted + " is too small: a count is at least " + std::to_string(MinCount) + ".";
    if (isBlankAnswer(answer))
        return "No number was given.";
    return quoted + " is not a number.";
}

std::int64_t totalCopies(const std::vector<std::int32_t>& counts)
{
    std::int64_t total = 0;
    for (std::int32_t count : counts) {
        if (count > 0)
            total += count;
    }
    return total;
}

std::string renderDuplicates(const std::vector<Figure>& figures, const std::vector<std::int32_t>& counts)
{
    assert(counts.size() == figures.size());
    assert(totalCopies(counts) <= MaxCopyNumber);
    std::string text;
    text.reserve(renderedSize(figures, counts));
    std::int32_t copyNumber = 0;
    for (size_t i = 0; i < figures.size(); ++i) {
        for (std::int32_t copy = 0; copy < counts[i]; ++copy)
            appendCopy(text, figures[i], ++copyNumber);
    }
    return text;
}

void writeDuplicateFile(const std::string& path, const std::vector<Figure>& figures,
                        const std::vector<std::int32_t>& counts)
{
    if (totalCopies(counts) > MaxCopyNumber) {
        throw FileError(path, 0, "the copies would number more than " + std::to_string(MaxCopyNumber)
                                     + ", the highest copy number");
    }
    AtomicTextWriter writer(path);
    writer.write(renderDuplicates(figures, counts));
    writer.commit();
}

} // namespace kestrelon::duplicator
