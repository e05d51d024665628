// kestrelon-cli info: a project at a glance, its types, its two armies as the main window
// counts them and the size of its figure catalogue. Names from the file are printed with
// their control characters escaped.
#include "cli/CommandRegistry.h"

#include "model/ArmyTotals.h"
#include "model/ProjectFile.h"
#include "platform/FileError.h"
#include "platform/NumberFormatting.h"
#include "platform/PrintableText.h"
#include "platform/Rounding.h"

#include <ostream>

namespace kestrelon::cli {
namespace {

std::string armyText(std::int32_t team)
{
    if (team == 1 || team == 2)
        return "army " + formatInteger(team);
    return "no army (team " + formatInteger(team) + ")";
}

void printTypes(const Project& project, std::ostream& out)
{
    for (std::int32_t i = 1; i <= project.NumTypes(); ++i) {
        const UnitType& type = project.UnitTypes[i];
        out << "type " << i << ": " << printableText(project.TypeNames[i]) << ", " << armyText(type.Team) << ", "
            << formatDouble(type.Proportion) << " in action, "
            << (type.Figure.empty() ? std::string("no figure") : "figure " + printableText(type.Figure)) << '\n';
    }
}

void printSummary(const Project& project, const std::string& path, std::ostream& out)
{
    // Counted before anything is printed, so a total that cannot be counted prints nothing.
    const std::int32_t totals[] = {armyTotal(project, 1), armyTotal(project, 2)};
    out << path << ": " << project.NumTypes() << (project.NumTypes() == 1 ? " unit type\n" : " unit types\n");
    printTypes(project, out);
    for (std::int32_t army = 1; army <= 2; ++army)
        out << "army " << army << ": " << totals[army - 1] << " units\n";
    out << "figures: " << project.NumFigures() << '\n';
    out << "sequences: " << project.NumSequences() << '\n';
}

int runInfo(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    if (args.size() != 1) {
        err << "usage: kestrelon-cli info PROJECT.kst\n";
        return ExitBadInput;
    }
    try {
        printSummary(LoadProject(args[0]), args[0], out);
    } catch (const FileError& error) {
        err << "kestrelon-cli: " << error.what() << '\n';
        return ExitBadInput;
    } catch (const RoundingOverflow&) {
        err << "kestrelon-cli: " << args[0] << ": an army has more units than can be counted\n";
        return ExitBadInput;
    }
    return ExitOk;
}

} // namespace

KESTRELON_COMMAND("info", "info PROJECT.kst", "summarise a project: its types, army totals and figure catalogue", 50,
                  runInfo);

} // namespace kestrelon::cli
