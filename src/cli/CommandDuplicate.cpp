// kestrelon-cli duplicate: Tessary's job without windows. The counts come from the command
// line, one per figure in file order, and the output is the window's byte for byte. Figure
// names come from the file and are printed with their control characters escaped.
#include "cli/CommandRegistry.h"
#include "duplicator/core/DuplicateText.h"
#include "duplicator/core/FigureCollector.h"
#include "duplicator/core/JobMessages.h"
#include "platform/FileError.h"
#include "platform/PrintableText.h"
#include "platform/TextFile.h"

#include <new>
#include <ostream>

namespace kestrelon::cli {
namespace {

using duplicator::Figure;

const char* const Prefix = "kestrelon-cli duplicate: ";

std::string figureName(const Figure& figure)
{
    return "\"" + printableText(figure.name) + "\"";
}

std::string figureList(const std::vector<Figure>& figures)
{
    std::string list;
    for (const Figure& figure : figures)
        list += (list.empty() ? "" : ", ") + figureName(figure);
    return list;
}

// The counts needed are as many as the figures; the message says how many and for which.
bool countsMatch(const std::vector<Figure>& figures, size_t given, const std::string& source, std::ostream& err)
{
    if (given == figures.size())
        return true;
    const std::string wereGiven = std::to_string(given) + (given == 1 ? " was given\n" : " were given\n");
    if (figures.empty()) {
        err << Prefix << source << " has no figures before its first sequence, so no counts are needed, but "
            << wereGiven;
        return false;
    }
    err << Prefix << source << ": " << figures.size() << (figures.size() == 1 ? " count is" : " counts are")
        << " needed, one per figure before its first sequence (" << figureList(figures) << "), but " << wereGiven;
    return false;
}

std::optional<std::vector<std::int32_t>> parseCounts(const std::vector<std::string>& words,
                                                      const std::vector<Figure>& figures, std::ostream& err)
{
    std::vector<std::int32_t> counts;
    for (size_t i = 0; i < words.size(); ++i) {
        if (const std::optional<std::string> problem = duplicator::copyCountProblem(words[i])) {
            err << Prefix << "count " << i + 1 << ", for " << figureName(figures[i]) << ": " << *problem << "\n";
            return std::nullopt;
        }
        counts.push_back(*duplicator::parseCopyCount(words[i]));
    }
    return counts;
}

int writeCopies(const std::string& output, const std::string& source, const std::vector<Figure>& figures,
                const std::vector<std::int32_t>& counts, std::ostream& out, std::ostream& err)
{
    try {
        duplicator::writeDuplicateFile(output, figures, counts);
    } catch (const FileError& error) {
        err << Prefix << error.what() << "\n";
        return ExitFailed;
    } catch (const std::bad_alloc&) {
        err << Prefix << output << ": not enough memory for " << duplicator::totalCopies(counts) << " copies\n";
        return ExitFailed;
    }
    out << duplicator::writtenReport(output, source, figures.size(), duplicator::totalCopies(counts)) << "\n";
    return ExitOk;
}

int runDuplicate(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    if (args.size() < 2) {
        err << "usage: kestrelon-cli duplicate SOURCE.an8 OUTPUT.an8 COUNT...\n";
        return ExitBadInput;
    }
    const std::string& source = args[0];
    const std::string& output = args[1];
    if (const std::optional<std::string> refusal = duplicator::sourceAsOutputRefusal(output, source)) {
        err << Prefix << *refusal << "\n";
        return ExitBadInput;
    }
    std::vector<Figure> figures;
    try {
        figures = duplicator::collectFigures(readTextLines(source), source);
    } catch (const FileError& error) {
        err << Prefix << error.what() << "\n";
        return ExitFailed;
    }
    if (!countsMatch(figures, args.size() - 2, source, err))
        return ExitBadInput;
    const auto counts = parseCounts({args.begin() + 2, args.end()}, figures, err);
    if (!counts)
        return ExitBadInput;
    return writeCopies(output, source, figures, *counts, out, err);
}

} // namespace

KESTRELON_COMMAND("duplicate", "duplicate SOURCE.an8 OUTPUT.an8 COUNT...",
                  "write numbered copies of the figures of an An8 file, one COUNT per figure in file order",
                  50, runDuplicate);

} // namespace kestrelon::cli
