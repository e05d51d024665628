// Replacing an existing output as careful editors do: permission bits and owner kept, links
// written through, read-only files refused, devices and pipes written directly, and no
// temporary file left beside the target.
#include "platform/FileError.h"
#include "platform/TextFile.h"

#include <gmock/gmock.h>
#include "support/ScratchFolderTest.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace kestrelon {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;

class FileReplacementTest : public kestrelon::testing::ScratchFolderTest {
protected:
    FileReplacementTest() : ScratchFolderTest("replace") {}

    std::string put(const std::string& name, const std::string& bytes, mode_t mode = 0644)
    {
        const fs::path path = dir / name;
        std::ofstream(path, std::ios::binary) << bytes;
        ::chmod(path.c_str(), mode);
        return path.string();
    }
    static std::string bytesOf(const fs::path& path)
    {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    }
    static struct stat statusOf(const fs::path& path)
    {
        struct stat status {};
        EXPECT_EQ(::lstat(path.c_str(), &status), 0) << path;
        return status;
    }
    // Every file below the test folder whose name marks it as a temporary file.
    std::vector<std::string> leftovers(const fs::path& folder) const
    {
        std::vector<std::string> found;
        for (const auto& entry : fs::recursive_directory_iterator(folder)) {
            if (entry.path().filename().string().find(".tmp") != std::string::npos)
                found.push_back(entry.path().string());
        }
        return found;
    }
    static void write(const std::string& path, const std::string& text)
    {
        AtomicTextWriter writer(path);
        writer.write(text);
        writer.commit();
    }
};

TEST_F(FileReplacementTest, AReplacedFileKeepsItsPermissionBits)
{
    for (const mode_t mode : {0600, 0640, 0604, 0700, 0755, 0666}) {
        const std::string path = put("kept.an8", "old", mode);
        write(path, "new");
        EXPECT_EQ(bytesOf(path), "new");
        EXPECT_EQ(statusOf(path).st_mode & 07777, mode) << std::oct << mode;
    }
    EXPECT_THAT(leftovers(dir), ::testing::IsEmpty());
}

TEST_F(FileReplacementTest, ANewFileGetsTheUsualBitsLessTheUmask)
{
    struct Case { mode_t umask; mode_t mode; };
    for (const Case c : {Case{022, 0644}, Case{077, 0600}, Case{002, 0664}}) {
        const mode_t previous = ::umask(c.umask);
        const fs::path path = dir / "fresh.an8";
        write(path.string(), "new");
        ::umask(previous);
        EXPECT_EQ(statusOf(path).st_mode & 07777, c.mode) << std::oct << c.umask;
        fs::remove(path);
    }
}

// Root may give the new file its old owner and group; anyone else keeps what the system allows.
TEST_F(FileReplacementTest, AReplacedFileKeepsItsOwnerWhenRootReplacesIt)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "only root may give a file to another user";
    const std::string path = put("owned.an8", "old", 0640);
    ASSERT_EQ(::chown(path.c_str(), 4242, 4343), 0);
    write(path, "new");
    EXPECT_EQ(statusOf(path).st_uid, 4242u);
    EXPECT_EQ(statusOf(path).st_gid, 4343u);
    EXPECT_EQ(statusOf(path).st_mode & 07777, 0640u);
}

// A link stays a link; its target gets the text, also through a chain of links, and a link to a
// file not yet made makes that file.
TEST_F(FileReplacementTest, SymbolicLinksAreWrittenThroughAndStayLinks)
{
    fs::create_directory(dir / "real");
    struct Case { const char* link; fs::path pointsTo; fs::path target; };
    const std::vector<Case> cases = {
        {"relative.an8", "real/scene.an8", dir / "real/scene.an8"},
        {"absolute.an8", dir / "real/other.an8", dir / "real/other.an8"},
        {"chain.an8", "relative.an8", dir / "real/scene.an8"},
        {"dangling.an8", "real/missing.an8", dir / "real/missing.an8"},
    };
    put("real/scene.an8", "old", 0600);
    put("real/other.an8", "old", 0600);
    for (const auto& c : cases)
        fs::create_symlink(c.pointsTo, dir / c.link);
    for (const auto& c : cases) {
        write((dir / c.link).string(), c.link);
        EXPECT_TRUE(fs::is_symlink(dir / c.link)) << c.link;
        EXPECT_EQ(fs::read_symlink(dir / c.link), c.pointsTo) << c.link;
        EXPECT_EQ(bytesOf(c.target), c.link);
    }
    EXPECT_EQ(statusOf(dir / "real/scene.an8").st_mode & 07777, 0600u);
    EXPECT_THAT(leftovers(dir), ::testing::IsEmpty());
}

// The temporary file is made beside the file the link names, so the rename stays on that
// file's own file system even when the link lives on another.
TEST_F(FileReplacementTest, TheTemporaryFileIsMadeBesideTheLinksTarget)
{
    const fs::path shared = "/dev/shm";
    struct stat sharedStatus {};
    if (::stat(shared.c_str(), &sharedStatus) != 0 || sharedStatus.st_dev == statusOf(dir).st_dev)
        GTEST_SKIP() << "no second file system at " << shared;
    const fs::path target = shared / ("kestrelon-replace-" + std::to_string(::getpid()) + ".an8");
    std::ofstream(target) << "old";
    fs::create_symlink(target, dir / "elsewhere.an8");
    write((dir / "elsewhere.an8").string(), "new");
    EXPECT_TRUE(fs::is_symlink(dir / "elsewhere.an8"));
    EXPECT_EQ(bytesOf(target), "new");
    fs::remove(target);
}

// A file without any write bit counts as read-only even for root, who could write it anyway.
TEST_F(FileReplacementTest, ReadOnlyFilesAreRefusedAndKept)
{
    for (const mode_t mode : {0444, 0400, 0555, 0000}) {
        const std::string path = put("locked.an8", "old", mode);
        try {
            write(path, "new");
            ADD_FAILURE() << std::oct << mode << ": replaced";
        } catch (const FileError& error) {
            EXPECT_EQ(error.path(), path);
            EXPECT_THAT(error.cause(), HasSubstr("read-only"));
        }
        ::chmod(path.c_str(), 0600);
        EXPECT_EQ(bytesOf(path), "old");
        fs::remove(path);
    }
    EXPECT_THAT(leftovers(dir), ::testing::IsEmpty());
}

// Writing to a pipe or a device sends the text there instead of putting a file in its place.
TEST_F(FileReplacementTest, PipesAndDevicesAreWrittenDirectly)
{
    const fs::path pipe = dir / "pipe.an8";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    const int reader = ::open(pipe.c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    write(pipe.string(), "through the pipe");
    char received[64] = {};
    EXPECT_EQ(::read(reader, received, sizeof received), 16);
    EXPECT_STREQ(received, "through the pipe");
    ::close(reader);
    EXPECT_TRUE(S_ISFIFO(statusOf(pipe).st_mode));

    const fs::path device = dir / "null.an8";
    if (::mknod(device.c_str(), S_IFCHR | 0666, makedev(1, 3)) != 0)
        GTEST_SKIP() << "cannot make a device here";
    write(device.string(), "nowhere");
    EXPECT_TRUE(S_ISCHR(statusOf(device).st_mode));
    EXPECT_THAT(leftovers(dir), ::testing::IsEmpty());
}

TEST_F(FileReplacementTest, AFolderIsNotReplaced)
{
    fs::create_directory(dir / "scene.an8");
    try {
        write((dir / "scene.an8").string(), "new");
        ADD_FAILURE() << "a folder was replaced";
    } catch (const FileError& error) {
        EXPECT_THAT(error.cause(), HasSubstr("folder"));
    }
    EXPECT_TRUE(fs::is_directory(dir / "scene.an8"));
    EXPECT_THAT(leftovers(dir), ::testing::IsEmpty());
}

// A name as long as a name may be still leaves room for the temporary file's own name.
TEST_F(FileReplacementTest, TheLongestNamesAreReplacedToo)
{
    for (const bool existing : {false, true}) {
        const fs::path path = dir / std::string(255, existing ? 'e' : 'n');
        if (existing)
            put(path.filename().string(), "old");
        write(path.string(), "new");
        EXPECT_EQ(bytesOf(path), "new");
    }
    EXPECT_THAT(leftovers(dir), ::testing::IsEmpty());
}

} // namespace
} // namespace kestrelon
