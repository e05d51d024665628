// kestrelon-cli figures: what the figure file loader would add to an empty catalogue, so a
// user can check an An8 file's names before pointing unit types at them.
#include "cli/CommandRegistry.h"

#include "an8/FigureReader.h"
#include "platform/FileError.h"
#include "platform/PrintableText.h"

#include <ostream>

namespace kestrelon::cli {
namespace {

// A name as one column: its control characters, tabs included, escaped, so the file's names
// neither drive the terminal nor split a line into more columns.
std::string column(const std::string& name)
{
    return printableText(name, Tabs::Escape);
}

void printCatalogue(const Project& project, std::ostream& out)
{
    for (const std::string& figure : project.FigureNames)
        out << "figure\t" << column(figure) << '\n';
    for (const SequenceInfo& sequence : project.Sequences)
        out << "sequence\t" << column(sequence.SequenceName) << '\t' << column(sequence.FigureName) << '\n';
}

int runFigures(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    if (args.size() != 1) {
        err << "usage: kestrelon-cli figures FILE.an8\n";
        return ExitBadInput;
    }
    Project catalogue;
    try {
        an8::readFigureFile(args[0], catalogue);
    } catch (const FileError& error) {
        err << "kestrelon-cli: " << error.what() << '\n';
        return ExitBadInput;
    }
    printCatalogue(catalogue, out);
    return ExitOk;
}

} // namespace

KESTRELON_COMMAND("figures", "figures FILE.an8", "list the figures and sequences the figure file loader collects",
                  40, runFigures);

} // namespace kestrelon::cli
