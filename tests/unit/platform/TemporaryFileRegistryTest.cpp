// The registry a signal handler uses to remove the temporary files being written: the files
// noted at that moment go, forgotten ones stay, and a full table or an overlong path is told.
#include "platform/TemporaryFileRegistry.h"

#include "support/ScratchFolderTest.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace kestrelon {
namespace {

namespace fs = std::filesystem;

class TemporaryFileRegistryTest : public kestrelon::testing::ScratchFolderTest {
protected:
    TemporaryFileRegistryTest() : ScratchFolderTest("registry") {}

    std::string make(const std::string& name)
    {
        std::ofstream(dir / name) << "partial";
        return (dir / name).string();
    }
};

TEST_F(TemporaryFileRegistryTest, RemovesTheNotedFilesAndKeepsTheForgottenOnes)
{
    const int noted = rememberTemporaryFile(make("noted.tmp1"));
    const int forgotten = rememberTemporaryFile(make("forgotten.tmp2"));
    ASSERT_GE(noted, 0);
    ASSERT_GE(forgotten, 0);
    EXPECT_NE(noted, forgotten);
    forgetTemporaryFile(forgotten);
    const int notYetMade = rememberTemporaryFile((dir / "not-made.tmp3").string());
    removeTemporaryFiles();
    EXPECT_FALSE(fs::exists(dir / "noted.tmp1"));
    EXPECT_TRUE(fs::exists(dir / "forgotten.tmp2"));
    forgetTemporaryFile(noted);
    forgetTemporaryFile(notYetMade);
}

TEST_F(TemporaryFileRegistryTest, AFullTableAndAnOverlongPathAreRefused)
{
    std::vector<int> slots;
    for (int i = 0; i < MaxTemporaryFiles; ++i) {
        slots.push_back(rememberTemporaryFile((dir / ("file" + std::to_string(i))).string()));
        ASSERT_GE(slots.back(), 0) << i;
    }
    EXPECT_EQ(rememberTemporaryFile((dir / "one-more").string()), -1);
    forgetTemporaryFile(slots.back());
    EXPECT_EQ(rememberTemporaryFile(std::string(MaxTemporaryPath + 1, 'p')), -1);
    slots.back() = rememberTemporaryFile(std::string(MaxTemporaryPath, 'p'));
    EXPECT_GE(slots.back(), 0);
    for (const int slot : slots)
        forgetTemporaryFile(slot);
}

} // namespace
} // namespace kestrelon
