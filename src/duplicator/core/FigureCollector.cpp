// Collecting the figure chunks of an An8 file by the layout An8 files are written in: each
// chunk opener on a line of its own, the figures first, then the sequences.
#include "duplicator/core/FigureCollector.h"

#include "an8/QuotedName.h"
#include "platform/FileError.h"

namespace kestrelon::duplicator {
namespace {

constexpr std::string_view FigureOpener = "figure {";
constexpr std::string_view SequenceOpener = "sequence {";
constexpr std::string_view FigureCloser = "}";

bool contains(const std::string& line, std::string_view piece)
{
    return line.find(piece) != std::string::npos;
}

// Appends the lines after the header up to the closing line to the figure's body; returns the
// index of the line after the closing one. Only a line that is exactly "}" closes: an indented
// brace belongs to an inner chunk.
size_t readBody(const std::vector<std::string>& lines, size_t header, Figure& figure,
                const std::string& path)
{
    for (size_t i = header + 1; i < lines.size(); ++i) {
        figure.body += lines[i];
        if (lines[i] == FigureCloser)
            return i + 1;
    }
    throw FileError(path, static_cast<int>(header) + 1,
                    "the figure \"" + figure.name + "\" has no closing \"}\" line before the end of the file");
}

} // namespace

std::vector<Figure> collectFigures(const std::vector<std::string>& lines, const std::string& path,
                                   const std::function<void(const std::string& name)>& figureFound)
{
    std::vector<Figure> figures;
    bool sequencesBegun = false;
    size_t i = 0;
    while (i < lines.size()) {
        const std::string& line = lines[i];
        if (!sequencesBegun && contains(line, FigureOpener)) {
            Figure figure{an8::GetQuotedName(line), {}};
            if (figureFound)
                figureFound(figure.name);
            i = readBody(lines, i, figure, path);
            figures.push_back(std::move(figure));
            continue;
        }
        // The figure reference at the top of a sequence also holds "figure {": from the first
        // sequence on, no line opens a figure.
        if (contains(line, SequenceOpener))
            sequencesBegun = true;
        ++i;
    }
    return figures;
}

} // namespace kestrelon::duplicator
