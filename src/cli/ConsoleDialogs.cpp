// Console dialogs: messages as lines, answers read line by line.
#include "cli/ConsoleDialogs.h"

#include <istream>
#include <ostream>
#include <string>

namespace kestrelon::cli {

void ConsoleDialogs::message(const std::string& text)
{
    m_out << text << '\n';
    m_out.flush();
}

bool ConsoleDialogs::question(const std::string& text)
{
    message(text);
    const auto answer = readLine();
    if (!answer)
        return false;
    std::string word;
    for (const char c : *answer) {
        if (c != ' ' && c != '\t')
            word += static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    }
    return word == "y" || word == "yes";
}

std::optional<std::string> ConsoleDialogs::inputBox(const std::string&)
{
    return readLine();
}

std::optional<std::string> ConsoleDialogs::openFile(FileDialogState&)
{
    return std::nullopt;
}

std::optional<std::string> ConsoleDialogs::saveFile(FileDialogState&)
{
    return std::nullopt;
}

// A line without its line break (a CR before the LF is dropped too).
std::optional<std::string> ConsoleDialogs::readLine()
{
    std::string line;
    if (!std::getline(m_in, line))
        return std::nullopt;
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return line;
}

} // namespace kestrelon::cli
