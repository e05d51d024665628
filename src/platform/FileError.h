// The error every file operation of the product raises: which file, which line (0 when the
// fault is not tied to a line) and what went wrong, so the window or the command line that
// catches it can tell the user exactly where to look.
#pragma once

#include <stdexcept>
#include <string>

namespace kestrelon {

// what() is "path, line N: cause" with its control characters escaped (printableText), ready
// for a terminal or a message box; path() and cause() keep the bytes they were given.
class FileError : public std::runtime_error {
public:
    FileError(std::string path, int line, std::string cause);

    const std::string& path() const { return m_path; }
    int line() const { return m_line; }
    const std::string& cause() const { return m_cause; }

private:
    std::string m_path;
    int m_line;
    std::string m_cause;
};

} // namespace kestrelon
