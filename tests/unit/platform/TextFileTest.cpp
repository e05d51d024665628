// Text files: line ends accepted and written, bytes kept, atomic replacement.
#include "platform/FileError.h"
#include "platform/TextFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace kestrelon {
namespace {

namespace fs = std::filesystem;

class TextFileTest : public ::testing::Test {
protected:
    fs::path dir = fs::temp_directory_path() / ("kestrelon-textfile-" + std::to_string(::getpid()));
    void SetUp() override { fs::create_directories(dir); }
    void TearDown() override { fs::remove_all(dir); }

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
