// Text files: line ends accepted and written, bytes kept, atomic replacement, and paths or
// inputs that cannot be read reported as file errors naming the path.
#include "platform/FileError.h"
#include "platform/TextFile.h"

#include <gmock/gmock.h>
#include "support/ScratchFolderTest.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <sys/resource.h>
#include <unistd.h>

namespace kestrelon {
namespace {

namespace fs = std::filesystem;

class TextFileTest : public kestrelon::testing::ScratchFolderTest {
protected:
    TextFileTest() : ScratchFolderTest("textfile") {}

    std::string put(const std::string& name, const std::string& bytes)
    {
        std::ofstream(dir / name, std::ios::binary) << bytes;
        return (dir / name).string();
    }
    static std::string bytesOf(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    }
    // The bytes of every temporary file in the test folder, joined.
    std::uintmax_t temporaryBytes() const
    {
        std::uintmax_t bytes = 0;
        for (const auto& entry : fs::directory_iterator(dir)) {
            if (entry.path().filename().string().find(".tmp") != std::string::npos)
                bytes += entry.file_size();
        }
        return bytes;
    }
    std::size_t filesInFolder() const
    {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir), fs::directory_iterator()));
    }
};

// Pieces around the buffer's size: small ones gathered, one just below it, one far beyond it.
std::vector<std::string> piecesAcrossTheBuffer()
{
    std::vector<std::string> pieces;
    for (int i = 0; i < 5000; ++i)
        pieces.push_back("piece " + std::to_string(i) + "  ");
    pieces.push_back(std::string(WriterBufferBytes - 1, 'b'));
    pieces.push_back("between");
    pieces.push_back(std::string(2 * WriterBufferBytes + 3, 'c'));
    pieces.push_back("end");
    return pieces;
}

TEST_F(TextFileTest, ReadsCrLfAndLfLineEnds)
{
    struct Case { const char* bytes; std::vector<std::string> lines; };
    const std::vector<Case> cases = {
        {"a\r\nb\r\n", {"a", "b"}}, {"a\nb", {"a", "b"}}, {"", {}}, {"\r\n", {""}},
        {"a\r\n\r\n", {"a", ""}}, {"x\xe9y\n", {"x\xe9y"}}, {"a\rb\n", {"a\rb"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(readTextLines(put("f.txt", c.bytes)), c.lines) << c.bytes;
}

// Large files arrive in pieces; a CR LF that straddles two of them still ends one line.
TEST_F(TextFileTest, LineBreaksAcrossReadPiecesEndOneLine)
{
    for (const size_t length : {size_t{65535}, size_t{65536}, size_t{1048575}, size_t{1048576}}) {
        const std::string line(length, 'a');
        EXPECT_EQ(readTextLines(put("long.txt", line + "\r\nb")), (std::vector<std::string>{line, "b"})) << length;
    }
}

TEST_F(TextFileTest, ReaderNamesTheLinePastTheEnd)
{
    TextReader reader(put("short.txt", "one\r\ntwo\r\n"));
    EXPECT_EQ(reader.readLine(), "one");
    EXPECT_EQ(reader.readLine(), "two");
    EXPECT_TRUE(reader.atEnd());
    try {
        reader.readLine();
        FAIL() << "reading past the end must fail";
    } catch (const FileError& e) {
        EXPECT_EQ(e.line(), 3);
    }
}

TEST_F(TextFileTest, MissingFileIsAFileError)
{
    EXPECT_THROW(readTextLines((dir / "none.txt").string()), FileError);
    EXPECT_THROW(readTextLines(dir.string()), FileError);
}

// The operation fails with a FileError naming the path, its cause holding the expected text.
void expectFileError(const std::function<void()>& operation, const std::string& path, const std::string& cause)
{
    try {
        operation();
        ADD_FAILURE() << path << ": no error";
    } catch (const FileError& error) {
        EXPECT_EQ(error.path(), path);
        EXPECT_THAT(error.cause(), ::testing::HasSubstr(cause)) << path;
    }
}

void writeText(const std::string& path, const std::string& text)
{
    AtomicTextWriter writer(path);
    writer.write(text);
    writer.commit();
}

// A path whose lookup fails before any file is reached is a file error with the system's cause,
// for the reader and the writer alike.
TEST_F(TextFileTest, FailedLookupsAreFileErrorsNamingThePath)
{
    fs::create_symlink("loop-b", dir / "loop-a");
    fs::create_symlink("loop-a", dir / "loop-b");
    put("plain.txt", "x");
    fs::create_directory(dir / "closed");
    put("closed/inside.txt", "x");
    fs::permissions(dir / "closed", fs::perms::none);
    struct Case { fs::path path; int error; bool rootPasses; };
    const std::vector<Case> cases = {
        {dir / "loop-a", ELOOP, false},
        {dir / std::string(256, 'n'), ENAMETOOLONG, false},
        {dir / "plain.txt" / "inner.txt", ENOTDIR, false},
        {dir / "closed" / "inside.txt", EACCES, true},
    };
    for (const auto& c : cases) {
        if (c.rootPasses && ::geteuid() == 0)
            continue; // root enters every folder
        const std::string path = c.path.string();
        expectFileError([&] { readTextLines(path); }, path, std::strerror(c.error));
        expectFileError([&] { writeText(path, "x"); }, path, std::strerror(c.error));
    }
    fs::permissions(dir / "closed", fs::perms::owner_all);
}

// A file larger than memory, or a device that never ends, is refused with the limit named.
TEST_F(TextFileTest, InputsBeyondTheLimitsAreRefusedNamingTheLimit)
{
    const std::string large = put("large.an8", "");
    ASSERT_EQ(::truncate(large.c_str(), (256 << 20) + 1), 0);
    struct Case { std::string path; std::string cause; };
    const std::vector<Case> cases = {
        {large, "more than 256 MiB"},
        {put("lines.an8", std::string((8 << 20) + 1, '\n')), "more than 8388608 lines"},
    };
    for (const auto& c : cases)
        expectFileError([&] { readTextLines(c.path); }, c.path, c.cause);
}

TEST_F(TextFileTest, WriterUsesCrLfAndReplacesOnlyOnCommit)
{
    const std::string path = put("out.txt", "old");
    {
        AtomicTextWriter writer(path);
        writer.writeLine("first");
        writer.write("piece");
    }
    EXPECT_EQ(bytesOf(path), "old");
    AtomicTextWriter writer(path);
    writer.writeLine("first");
    writer.write("piece");
    writer.commit();
    EXPECT_EQ(bytesOf(path), "first\r\npiece");
}

// A text beyond the buffer reaches the temporary file as it is written, yet the target changes
// only on commit, to exactly the pieces in order.
TEST_F(TextFileTest, ALargeTextGoesOutAsItIsWrittenAndReplacesOnlyOnCommit)
{
    const std::string path = put("scene.an8", "old");
    std::string expected;
    AtomicTextWriter writer(path);
    for (const std::string& piece : piecesAcrossTheBuffer()) {
        writer.write(piece);
        expected += piece;
    }
    writer.writeLine("last");
    expected += "last\r\n";
    EXPECT_GE(temporaryBytes() + WriterBufferBytes, expected.size());
    EXPECT_EQ(bytesOf(path), "old");
    writer.commit();
    EXPECT_EQ(bytesOf(path), expected);
    EXPECT_EQ(filesInFolder(), 1u);
}

// Whether the text outgrew the buffer or not, a writer dropped without commit leaves the old
// file as it was and no temporary file.
TEST_F(TextFileTest, AnUncommittedTextOfAnySizeLeavesTheOldFile)
{
    for (const std::size_t size : {std::size_t{10}, WriterBufferBytes, WriterBufferBytes + 1, 3 * WriterBufferBytes}) {
        const std::string path = put("scene.an8", "old");
        {
            AtomicTextWriter writer(path);
            writer.write(std::string(size, 'x'));
        }
        EXPECT_EQ(bytesOf(path), "old") << size;
        EXPECT_EQ(filesInFolder(), 1u) << size;
    }
}

// A disk that fills up halfway through a large text (here: the file size limit) fails the
// write with the system's cause; the old file stays and the partial text is removed.
TEST_F(TextFileTest, AWriteThatFailsHalfwayLeavesTheOldFile)
{
    const std::string path = put("scene.an8", "old");
    rlimit previous {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &previous), 0);
    rlimit limited = previous;
    limited.rlim_cur = 2 * WriterBufferBytes;
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limited), 0);
    {
        AtomicTextWriter writer(path);
        const std::string piece(WriterBufferBytes / 2, 'x');
        expectFileError([&] {
            for (int i = 0; i < 8; ++i)
                writer.write(piece);
            writer.commit();
        }, path, std::strerror(EFBIG));
    }
    ::setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, previousHandler);
    EXPECT_EQ(bytesOf(path), "old");
    EXPECT_EQ(filesInFolder(), 1u);
}

TEST_F(TextFileTest, FailedCommitLeavesNoFileBehind)
{
    AtomicTextWriter writer((dir / "missing-folder" / "out.txt").string());
    writer.writeLine("x");
    EXPECT_THROW(writer.commit(), FileError);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 0);
}

} // namespace
} // namespace kestrelon
