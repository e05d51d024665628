// The figure file reader. It does not parse An8: it looks for three chunk openers by plain
// text search on each line and cuts names out of the quotes behind them, which is what An8
// files written by the animation package lay out one per line.
#include "an8/FigureReader.h"

#include "an8/QuotedName.h"
#include "platform/TextFile.h"

#include <vector>

namespace kestrelon::an8 {
namespace {

bool holds(const std::string& line, std::string_view opener)
{
    return line.find(opener) != std::string::npos;
}

// Walks the lines once, as a single reading of the file; figures count only before the first
// sequence, and nothing counts from the first scene on.
class FigureFileReading {
public:
    FigureFileReading(const std::vector<std::string>& lines, Project& project) : m_lines(lines), m_project(project) {}

    void run()
    {
        while (m_next < m_lines.size()) {
            const std::string& line = m_lines[m_next++];
            if (holds(line, "figure {") && !m_sequenceSeen && !m_sceneSeen)
                m_project.addFigure(GetQuotedName(line));
            if (holds(line, "sequence {") && !m_sceneSeen) {
                m_sequenceSeen = true;
                m_project.addSequence(readSequence(line));
            }
            if (holds(line, "scene {"))
                m_sceneSeen = true;
        }
    }

private:
    // The line after a sequence's opener names the figure it animates; it is taken here and
    // not tested again. A sequence opener on the file's last line names no figure.
    SequenceInfo readSequence(const std::string& sequenceLine)
    {
        SequenceInfo sequence;
        if (m_next < m_lines.size()) {
            const std::string& figureLine = m_lines[m_next++];
            if (holds(figureLine, "figure {"))
                sequence.FigureName = GetQuotedName(figureLine);
        }
        sequence.SequenceName = GetQuotedName(sequenceLine);
        return sequence;
    }

    const std::vector<std::string>& m_lines;
    Project& m_project;
    size_t m_next = 0;
    bool m_sequenceSeen = false;
    bool m_sceneSeen = false;
};

} // namespace

void readFigureFile(const std::string& path, Project& project)
{
    // Every line is read before the catalogue is touched, so a file that cannot be read
    // adds nothing.
    const std::vector<std::string> lines = readTextLines(path);
    FigureFileReading(lines, project).run();
}

} // namespace kestrelon::an8
