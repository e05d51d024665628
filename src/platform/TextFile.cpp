// Reading and writing 8-bit text files.
#include "platform/TextFile.h"

#include "platform/FileError.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace kestrelon {
namespace {

std::string systemCause(const char* what)
{
    return std::string(what) + " (" + std::strerror(errno) + ")";
}

std::vector<std::string> splitLines(const std::string& text)
{
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        size_t lineEnd = end;
        if (lineEnd > start && text[lineEnd - 1] == '\r')
            --lineEnd;
        lines.push_back(text.substr(start, lineEnd - start));
        start = end + 1;
    }
    return lines;
}

} // namespace

std::vector<std::string> readTextLines(const std::string& path)
{
    errno = 0;
    if (std::filesystem::is_directory(path))
        throw FileError(path, 0, "is a folder, not a file");
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw FileError(path, 0, systemCause("cannot open the file"));
    std::ostringstream content;
    content << in.rdbuf();
    if (in.bad())
        throw FileError(path, 0, systemCause("cannot read the file"));
    return splitLines(content.str());
}

TextReader::TextReader(const std::string& path) : m_path(path), m_lines(readTextLines(path)) {}

const std::string& TextReader::readLine()
{
    if (atEnd())
        throw FileError(m_path, static_cast<int>(m_next) + 1, "the file ends too early");
    return m_lines[m_next++];
}

AtomicTextWriter::AtomicTextWriter(std::string path) : m_path(std::move(path)) {}

AtomicTextWriter::~AtomicTextWriter() = default;

void AtomicTextWriter::writeLine(std::string_view text)
{
    m_text += text;
    m_text += "\r\n";
}

void AtomicTextWriter::commit()
{
    namespace fs = std::filesystem;
    const fs::path target(m_path);
    fs::path temporary = target;
    temporary += ".tmp" + std::to_string(::getpid());
    errno = 0;
    std::FILE* file = std::fopen(temporary.c_str(), "wb");
    if (!file)
        throw FileError(m_path, 0, systemCause("cannot create the file"));
    const bool written = std::fwrite(m_text.data(), 1, m_text.size(), file) == m_text.size();
    const int writeErrno = errno;
    const bool closed = std::fclose(file) == 0;
    if (!written || !closed) {
        errno = written ? errno : writeErrno;
        const std::string cause = systemCause("cannot write the file");
        std::remove(temporary.c_str());
        throw FileError(m_path, 0, cause);
    }
    if (std::rename(temporary.c_str(), target.c_str()) != 0) {
        const std::string cause = systemCause("cannot replace the file");
        std::remove(temporary.c_str());
        throw FileError(m_path, 0, cause);
    }
}

} // namespace kestrelon
