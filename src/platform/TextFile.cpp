// Reading and writing 8-bit text files. Reading takes the file in pieces up to the limits, so
// that no input, however large or endless, can take the program down; writing hands the text,
// a buffer at a time, to the careful replacement of output files.
#include "platform/TextFile.h"

#include "platform/FileError.h"
#include "platform/FileReplacement.h"
#include "platform/SystemFile.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <fcntl.h>
#include <sys/stat.h>

namespace kestrelon {
namespace {

constexpr std::size_t ReadPiece = std::size_t{1} << 20;

std::string tooLargeCause()
{
    return "the file holds more than " + std::to_string(MaxTextFileBytes >> 20) + " MiB; larger files are not read";
}

// Collects the lines of a text as it arrives in pieces: a line break split between two pieces
// ("\r" ending one, "\n" starting the next) still ends one line.
class LineCollector {
public:
    explicit LineCollector(const std::string& path) : m_path(path) {}

    void add(std::string_view piece)
    {
        for (std::size_t end; (end = piece.find('\n')) != std::string_view::npos; piece.remove_prefix(end + 1)) {
            m_partial.append(piece.substr(0, end));
            endLine();
        }
        m_partial.append(piece);
    }

    // A final line break does not start another line.
    std::vector<std::string> finish()
    {
        if (!m_partial.empty())
            m_lines.push_back(std::move(m_partial));
        return std::move(m_lines);
    }

private:
    void endLine()
    {
        if (m_lines.size() == MaxTextFileLines) {
            throw FileError(m_path, 0, "the file has more than " + std::to_string(MaxTextFileLines)
                                           + " lines; longer files are not read");
        }
        if (!m_partial.empty() && m_partial.back() == '\r')
            m_partial.pop_back();
        m_lines.push_back(std::move(m_partial));
        m_partial = std::string();
    }

    const std::string& m_path;
    std::vector<std::string> m_lines;
    std::string m_partial;
};

// A folder is no text, and a regular file's size tells before reading whether it is too large.
void checkReadable(const std::string& path, int descriptor)
{
    struct stat status {};
    if (::fstat(descriptor, &status) != 0)
        throw FileError(path, 0, systemCause("cannot read the file", errno));
    if (S_ISDIR(status.st_mode))
        throw FileError(path, 0, "is a folder, not a file");
    if (S_ISREG(status.st_mode) && static_cast<std::uintmax_t>(status.st_size) > MaxTextFileBytes)
        throw FileError(path, 0, tooLargeCause());
}

// Reads to the end, or to one byte past the limit for a device or pipe that never ends.
std::vector<std::string> readLines(const std::string& path, int descriptor)
{
    LineCollector lines(path);
    std::string piece(ReadPiece, '\0');
    std::size_t total = 0;
    for (;;) {
        const ssize_t count = readSome(descriptor, piece.data(), std::min(piece.size(), MaxTextFileBytes + 1 - total));
        if (count < 0)
            throw FileError(path, 0, systemCause("cannot read the file", errno));
        if (count == 0)
            return lines.finish();
        total += static_cast<std::size_t>(count);
        if (total > MaxTextFileBytes)
            throw FileError(path, 0, tooLargeCause());
        lines.add(std::string_view(piece.data(), static_cast<std::size_t>(count)));
    }
}

} // namespace

std::vector<std::string> readTextLines(const std::string& path)
{
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (!file.isOpen())
        throw FileError(path, 0, systemCause("cannot open the file", errno));
    checkReadable(path, file.get());
    return readLines(path, file.get());
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

// Pieces gather in the buffer; one larger than the buffer goes straight to the file, as
// copying it first would only hold it twice.
void AtomicTextWriter::write(std::string_view text)
{
    if (m_buffer.size() + text.size() <= WriterBufferBytes) {
        m_buffer += text;
        return;
    }
    flush();
    if (text.size() < WriterBufferBytes)
        m_buffer += text;
    else
        file().write(text);
}

void AtomicTextWriter::writeLine(std::string_view text)
{
    write(text);
    write("\r\n");
}

void AtomicTextWriter::commit()
{
    flush();
    file().commit();
}

FileReplacement& AtomicTextWriter::file()
{
    if (!m_file)
        m_file = std::make_unique<FileReplacement>(m_path);
    return *m_file;
}

void AtomicTextWriter::flush()
{
    if (m_buffer.empty())
        return;
    file().write(m_buffer);
    m_buffer.clear();
}

} // namespace kestrelon
