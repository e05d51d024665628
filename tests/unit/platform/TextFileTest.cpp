// Text files: line ends accepted and written, bytes kept, atomic replacement, and paths or
// inputs that cannot be read reported as file errors naming the path.
#include "platform/FileError.h"
#include "platform/TextFile.h"

#include <gmock/gmock.h>
#include "support/ScratchFolderTest.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
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
};

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

TEST_F(TextFileTest, FailedCommitLeavesNoFileBehind)
{
    AtomicTextWriter writer((dir / "missing-folder" / "out.txt").string());
    writer.writeLine("x");
    EXPECT_THROW(writer.commit(), FileError);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 0);
}

} // namespace
} // namespace kestrelon
