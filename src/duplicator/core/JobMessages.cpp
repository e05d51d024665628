// The job's closing line and its refusal of the source as output, worded once for the window
// and the command line.
#include "duplicator/core/JobMessages.h"

#include "platform/SameFile.h"

namespace kestrelon::duplicator {
namespace {

std::string counted(std::int64_t number, const char* one, const char* many)
{
    return std::to_string(number) + " " + (number == 1 ? one : many);
}

} // namespace

std::string writtenReport(const std::string& output, const std::string& source, std::size_t figures,
                          std::int64_t copies)
{
    std::string line = "Wrote " + counted(copies, "copy", "copies") + " of "
                       + counted(static_cast<std::int64_t>(figures), "figure", "figures") + " to " + output;
    if (figures == 0)
        return line + ": " + source + " has no figures before its first sequence.";
    return line + ".";
}

std::optional<std::string> sourceAsOutputRefusal(const std::string& output, const std::string& source)
{
    if (!isSameFile(output, source))
        return std::nullopt;
    const std::string which = output == source ? " is " : " is the same file as " + source + ", ";
    return output + which + "the file the figures come from; choose another file for the duplicates.";
}

} // namespace kestrelon::duplicator
