// kestrelon-cli duplicate: Tessary's job without windows. The counts come from the command
// line, one per figure in file order, and the output is the window's byte for byte.
#include "cli/CommandRegistry.h"
#include "duplicator/core/DuplicateText.h"
#include "duplicator/core/FigureCollector.h"
#include "platform/FileError.h"
#include "platform/TextFile.h"

#include <filesystem>
#include <new>
#include <ostream>
#include <stdexcept>

namespace kestrelon::cli {
namespace {

using duplicator::Figure;

const char* const Prefix = "kestrelon-cli duplicate: ";

std::string figureList(const std::vector<Figure>& figures)
{
    if (figures.empty())
        return "none";
    std::string list;
    for (const Figure& figure : figures)
        list += (list.empty() ? "\"" : ", \"") + figure.name + "\"";
    return list;
}

bool countsMatch(const std::vector<Figure>& figures, size_t given, const std::string& source, std::ostream& err)
{
    if (given == figures.size())
        return true;
    err << Prefix << source << " holds " << figures.size() << " figure(s) before its first sequence ("
        << figureList(figures) << ") but " << given << " count(s) were given; give one count per figure, in this order\n";
    return false;
}

std::optional<std::vector<std::int32_t>> parseCounts(const std::vector<std::string>& words, std::ostream& err)
{
    std::vector<std::int32_t> counts;
    for (const std::string& word : words) {
        const std::optional<std::int32_t> count = duplicator::parseCopyCount(word);
        if (!count) {
            err << Prefix << "'" << word << "' is not a copy count (a number is expected)\n";
            return std::nullopt;
        }
        counts.push_back(*count);
    }
    return counts;
}

int writeCopies(const std::string& output, const std::vector<Figure>& figures,
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
    out << output << ": " << duplicator::totalCopies(counts) << " copies of " << figures.size() << " figure(s)\n";
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
    std::vector<Figure> figures;
    try {
        figures = duplicator::collectFigures(readTextLines(source), source);
    } catch (const FileError& error) {
        err << Prefix << error.what() << "\n";
        return ExitFailed;
    }
    if (!countsMatch(figures, args.size() - 2, source, err))
        return ExitBadInput;
    const auto counts = parseCounts({args.begin() + 2, args.end()}, err);
    if (!counts)
        return ExitBadInput;
    std::error_code sameFileError;
    if (std::filesystem::equivalent(source, output, sameFileError)) {
        err << Prefix << output << " is the file the figures come from; choose another output file\n";
        return ExitBadInput;
    }
    return writeCopies(output, figures, *counts, out, err);
}

} // namespace

KESTRELON_COMMAND("duplicate", "duplicate SOURCE.an8 OUTPUT.an8 COUNT...",
                  "write numbered copies of the figures of an An8 file, one COUNT per figure in file order",
                  50, runDuplicate);

} // namespace kestrelon::cli
