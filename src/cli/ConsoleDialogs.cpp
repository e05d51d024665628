// Console dialogs: messages as lines, answers read line by line. A message's text comes from
// scripts and files, so it reaches the terminal with its control characters escaped.
#include "cli/ConsoleDialogs.h"

#include "platform/PrintableText.h"

#include <istream>
#include <ostream>
#include <string>

namespace kestrelon::cli {
namespace {

// Each line break of a message (CR LF, CR or LF: a message box breaks the line on each) ends a
// line on the console; every other control character but the tab is escaped.
std::string consoleText(std::string_view text)
{
    std::string lines;
    size_t start = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n')
            continue;
        lines += printableText(text.substr(start, i - start)) + '\n';
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    return lines + printableText(text.substr(start));
}

} // namespace

void ConsoleDialogs::message(const std::string& text)
{
    m_out << consoleText(text) << '\n';
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
