// The figures of an An8 file as Tessary copies them: every figure chunk that stands before the
// first sequence, cut out line by line (the file is not parsed as An8), name and body apart.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace kestrelon::duplicator {

// One collected figure: the name from its header line, and every line after the header up to
// and including the closing "}" line, joined with nothing between them.
struct Figure {
    std::string name;
    std::string body;

    bool operator==(const Figure&) const = default;
};

// The figures that open before the first line holding "sequence {", in file order. A figure
// begins at a line holding "figure {" and ends at the first later line that is exactly "}";
// the lines in between are not looked at. figureFound is called at each header, before the
// body is read. Raises FileError (path, header line, figure name) when a figure's closing
// line never comes.
std::vector<Figure> collectFigures(const std::vector<std::string>& lines, const std::string& path,
                                   const std::function<void(const std::string& name)>& figureFound = {});

} // namespace kestrelon::duplicator
