// File errors with their place. The text quotes lines of the file, so it is made printable:
// a project whose bad line holds an escape sequence must not drive the user's terminal.
#include "platform/FileError.h"

#include "platform/PrintableText.h"

namespace kestrelon {
namespace {

std::string describe(const std::string& path, int line, const std::string& cause)
{
    std::string text = path;
    if (line > 0)
        text += ", line " + std::to_string(line);
    return text + ": " + cause;
}

} // namespace

FileError::FileError(std::string path, int line, std::string cause)
    : std::runtime_error(printableText(describe(path, line, cause))),
      m_path(std::move(path)),
      m_line(line),
      m_cause(std::move(cause))
{
}

} // namespace kestrelon
