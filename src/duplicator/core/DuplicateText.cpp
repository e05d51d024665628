// Building and writing the numbered copies. The copies share the unit number suffix of the
// scene writer, so a scene's unit "soldier007" finds the seventh copy of "soldier".
#include "duplicator/core/DuplicateText.h"

#include "an8/IndexSuffix.h"
#include "platform/FileError.h"
#include "platform/NumericText.h"
#include "platform/Rounding.h"
#include "platform/TextFile.h"

#include <cassert>
#include <limits>

namespace kestrelon::duplicator {
namespace {

constexpr std::string_view ChunkOpener = " figure { ";
constexpr char Quote = '"';
constexpr char ChunkSeparator = ' ';
constexpr std::int64_t MaxCopyNumber = std::numeric_limits<std::int32_t>::max();

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

} // namespace

std::optional<std::int32_t> parseCopyCount(std::string_view answer)
{
    const std::optional<double> number = parseNumber(answer);
    if (!number)
        return std::nullopt;
    return tryRoundToInt32(*number);
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
