// Text files as every file operation of the product uses them: 8-bit text kept byte for byte,
// read line by line (CR LF or LF alone ends a line), written with CR LF line ends.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace kestrelon {

class FileReplacement;

// The most of a file that is read: far beyond any project, figure or script file, yet a file
// larger than memory, or a device that never ends, gives a message instead of taking the
// program down. Each line costs memory beyond its bytes, so the lines are limited as well (at
// the byte limit, 8 Mi lines average 32 bytes).
inline constexpr std::size_t MaxTextFileBytes = std::size_t{256} << 20;
inline constexpr std::size_t MaxTextFileLines = std::size_t{8} << 20;

// Reads a whole file into lines, without their line breaks. A final line break does not
// start another line, so "a\r\n" and "a" both read as one line and an empty file as none.
// Raises FileError when the file cannot be read or is beyond the limits above.
std::vector<std::string> readTextLines(const std::string& path);

// A file read line by line, for readers that follow the file's own structure.
class TextReader {
public:
    explicit TextReader(const std::string& path);

    bool atEnd() const { return m_next >= m_lines.size(); }
    // The next line; raises FileError naming the line past the end when there is none.
    const std::string& readLine();
    // The number of the line readLine returned last (1-based; 0 before the first).
    int lineNumber() const { return static_cast<int>(m_next); }
    const std::string& path() const { return m_path; }

private:
    std::string m_path;
    std::vector<std::string> m_lines;
    size_t m_next = 0;
};

// A file written in pieces and lines, that replaces its target only when committed, as
// replaceFile (FileReplacement.h) does: through a temporary file beside it, so a failed write
// never damages the file that was there before. Without commit nothing is replaced. The text
// is held only up to WriterBufferBytes: a file that stays below it (a project, most copies)
// is opened at commit, after every check of its text; a larger one (a big battle's scene)
// goes to its temporary file as it is written, so it is never held whole.
inline constexpr std::size_t WriterBufferBytes = std::size_t{1} << 20;

class AtomicTextWriter {
public:
    explicit AtomicTextWriter(std::string path);
    ~AtomicTextWriter();
    AtomicTextWriter(const AtomicTextWriter&) = delete;
    AtomicTextWriter& operator=(const AtomicTextWriter&) = delete;

    // Raises FileError when the held text goes to a file that cannot be opened or written.
    void write(std::string_view text);
    void writeLine(std::string_view text);
    // Writes everything and puts it in place; raises FileError on failure.
    void commit();

private:
    FileReplacement& file();
    void flush();

    std::string m_path;
    std::string m_buffer;
    std::unique_ptr<FileReplacement> m_file; // opened when the text outgrows the buffer, or at commit
};

} // namespace kestrelon
