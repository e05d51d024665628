// Runs that cannot get the memory they need: each runs in a child process whose address space
// is limited, so memory really runs out without exhausting the machine, and the child must
// end normally with the run's report: a message, no scene, never an abort.
#include "sim/BattleRun.h"

#include "support/ScriptedDialogs.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#if defined(__SANITIZE_ADDRESS__)
#define KESTRELON_UNDER_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define KESTRELON_UNDER_ASAN 1
#endif
#endif

namespace kestrelon::sim {
namespace {

namespace fs = std::filesystem;

// What a child reports: whether it ended normally and the text it wrote before it ended.
struct ChildReport {
    bool exitedNormally = false;
    std::string text;
};

std::size_t addressSpaceInUse()
{
    std::ifstream statm("/proc/self/statm");
    std::size_t pages = 0;
    statm >> pages;
    return pages * static_cast<std::size_t>(::sysconf(_SC_PAGESIZE));
}

void writeAll(int fd, const std::string& text)
{
    for (std::size_t done = 0; done < text.size();) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n <= 0)
            return;
        done += static_cast<std::size_t>(n);
    }
}

std::string readAll(int fd)
{
    std::string text;
    char buffer[4096];
    for (ssize_t n; (n = ::read(fd, buffer, sizeof buffer)) > 0;)
        text.append(buffer, static_cast<std::size_t>(n));
    return text;
}

// Runs body in a child whose address space may grow by budget bytes beyond what it holds.
ChildReport inLimitedChild(std::size_t budget, const std::function<std::string()>& body)
{
    int channel[2];
    if (::pipe(channel) != 0)
        return {};
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(channel[0]);
        const rlimit limit{addressSpaceInUse() + budget, addressSpaceInUse() + budget};
        ::setrlimit(RLIMIT_AS, &limit);
        writeAll(channel[1], body());
        ::_exit(0);
    }
    ::close(channel[1]);
    ChildReport report;
    report.text = readAll(channel[0]);
    ::close(channel[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    report.exitedNormally = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return report;
}

class RunOutOfMemoryTest : public ::testing::Test {
protected:
    fs::path scene = fs::temp_directory_path() / ("kestrelon-memory-" + std::to_string(::getpid()) + ".an8");
    Project project;

    void SetUp() override
    {
#ifdef KESTRELON_UNDER_ASAN
        GTEST_SKIP() << "AddressSanitizer's own reservations leave no address space to limit";
#endif
    }
    void TearDown() override { fs::remove(scene); }

    void addType(const std::string& name, double units, const std::string& code)
    {
        const std::int32_t t = project.addType(name);
        project.UnitTypes[t].Proportion = units;
        project.UnitTypes[t].Code = code;
    }

    // The run's outcome, its messages one per line, and whether a scene file exists.
    std::string runReport()
    {
        testing::ScriptedDialogs dialogs;
        FileDialogState projectDialog;
        RunOptions options;
        options.saveProject = false;
        options.scenePath = scene.string();
        BattleRun run(project, dialogs, projectDialog, "0", options);
        const RunOutcome outcome = run.run();
        std::string text = "outcome " + std::to_string(static_cast<int>(outcome)) + "\n";
        for (const std::string& message : dialogs.messages())
            text += message + "\n";
        return text + (fs::exists(scene) ? "scene written" : "no scene");
    }
};

const std::string Outcome = "outcome " + std::to_string(static_cast<int>(RunOutcome::OutOfMemory)) + "\n";

TEST_F(RunOutOfMemoryTest, UnitsBeyondMemoryAreReportedAndNothingIsWritten)
{
    addType("Horde", 16000000, "Sub Main\r\nEnd Sub");
    const ChildReport report = inLimitedChild(std::size_t{512} << 20, [this] { return runReport(); });
    ASSERT_TRUE(report.exitedNormally) << report.text;
    EXPECT_EQ(report.text, Outcome + "The run stopped: there is not enough memory for the 16000000 units of this "
                                     "project. No scene was written.\nno scene");
}

// One unit whose script makes a scene text of 64 MB: the script and the scene text fit, the
// text's growth as its track closes and the output text kept beside it do not. The script
// grows the text a megabyte at a time, so no script text of the whole (two bytes a unit) is
// held beside it.
TEST_F(RunOutOfMemoryTest, SceneTextsBeyondMemoryAreReportedAndNothingIsWritten)
{
    addType("Painter", 1,
            "Sub Main\r\n  For i = 1 To 64\r\n    ThisGuy.posOutput = ThisGuy.posOutput & Space(1000000)\r\n"
            "  Next\r\nEnd Sub");
    const ChildReport report = inLimitedChild(std::size_t{98} << 20, [this] { return runReport(); });
    ASSERT_TRUE(report.exitedNormally) << report.text;
    EXPECT_EQ(report.text, Outcome + "The run stopped: there is not enough memory for the scene texts of the 1 unit "
                                     "of this project. No scene was written.\nno scene");
}

} // namespace
} // namespace kestrelon::sim
