// kestrelon-cli stopped by SIGINT, SIGTERM or SIGHUP at different moments of a run that writes a 6 MB
// scene: it ends with 128 + the signal, as shells report a stopped program, leaves no temporary
// file beside the scene, and a scene that is there is whole.
#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace {

namespace fs = std::filesystem;

const std::string Project = KESTRELON_TEST_DATA "/cli-large-scene.kst";

// When a signal is sent: counted from the moment the program handles signals (before that it
// has not started its work), or from the moment the scene's temporary file appears; optionally
// followed at once by a second signal.
struct Moment {
    const char* name;
    bool fromTemporary;
    int delayMicroseconds;
    int secondSignal;
};

const Moment Moments[] = {
    {"as the run starts", false, 0, 0},
    {"early in the battle", false, 20000, 0},
    {"later in the battle", false, 150000, 0},
    {"as the temporary file appears", true, 0, 0},
    {"0.5 ms into the writing", true, 500, 0},
    {"2 ms into the writing", true, 2000, 0},
    {"5 ms into the writing", true, 5000, 0},
    {"10 ms into the writing", true, 10000, 0},
    {"twice as the temporary file appears", true, 0, SIGTERM},
};

class InterruptedRunTest : public ::testing::Test {
protected:
    fs::path dir = fs::temp_directory_path() / ("kestrelon-interrupt-" + std::to_string(::getpid()));
    fs::path scene = dir / "scene.an8";
    void SetUp() override { fs::create_directories(dir); }
    void TearDown() override { fs::remove_all(dir); }

    // kestrelon-cli run writing the scene, with the ending signals at their default disposition
    // even when the test itself was started with them ignored; SIGHUP ignored if asked, as nohup
    // starts a program.
    pid_t startRun(bool hangupIgnored = false) const
    {
        struct sigaction ignore {}, previous {};
        ignore.sa_handler = SIG_IGN;
        ::sigaction(SIGHUP, hangupIgnored ? &ignore : nullptr, &previous);
        posix_spawnattr_t attributes;
        posix_spawnattr_init(&attributes);
        sigset_t defaults;
        sigemptyset(&defaults);
        for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
            if (signal != SIGHUP || !hangupIgnored)
                sigaddset(&defaults, signal);
        }
        posix_spawnattr_setsigdefault(&attributes, &defaults);
        posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGDEF);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
        const pid_t child = spawn(attributes, actions);
        posix_spawn_file_actions_destroy(&actions);
        posix_spawnattr_destroy(&attributes);
        ::sigaction(SIGHUP, &previous, nullptr);
        return child;
    }

    pid_t spawn(const posix_spawnattr_t& attributes, const posix_spawn_file_actions_t& actions) const
    {
        const std::string scenePath = scene.string();
        const char* const argv[] = {KESTRELON_CLI, "run", Project.c_str(), "-o", scenePath.c_str(),
                                    "--frames", "200", "--quiet", nullptr};
        pid_t child = -1;
        EXPECT_EQ(posix_spawn(&child, KESTRELON_CLI, &actions, &attributes, const_cast<char* const*>(argv), environ),
                  0);
        return child;
    }

    std::vector<fs::path> temporaries() const
    {
        std::vector<fs::path> found;
        for (const auto& entry : fs::directory_iterator(dir)) {
            if (entry.path().filename().string().find(".tmp") != std::string::npos)
                found.push_back(entry.path());
        }
        return found;
    }

    // Whether the program has its own handler for the signal yet; Linux lists them in /proc.
    static bool catches(pid_t child, int signal)
    {
        std::ifstream status("/proc/" + std::to_string(child) + "/status");
        for (std::string line; std::getline(status, line);) {
            if (line.rfind("SigCgt:", 0) == 0)
                return (std::stoull(line.substr(7), nullptr, 16) >> (signal - 1) & 1) != 0;
        }
        return false;
    }

    static bool hasEnded(pid_t child)
    {
        siginfo_t info{};
        return ::waitid(P_PID, child, &info, WEXITED | WNOHANG | WNOWAIT) == 0 && info.si_pid == child;
    }

    void waitForMoment(pid_t child, int signal, bool fromTemporary) const
    {
        while (!hasEnded(child) && (fromTemporary ? temporaries().empty() : !catches(child, signal)))
            std::this_thread::sleep_for(std::chrono::microseconds(100));
    }

    static int waitFor(pid_t child)
    {
        int status = 0;
        while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
        }
        return status;
    }
};

TEST_F(InterruptedRunTest, AnInterruptedRunEndsWithTheSignalsStatusAndLeavesNoTemporaryFile)
{
    ASSERT_EQ(waitFor(startRun()), 0) << "an uninterrupted run";
    const auto wholeScene = fs::file_size(scene);
    int trials = 0, duringWriting = 0, temporariesLeft = 0;
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
        for (const Moment& moment : Moments) {
            const std::string trial = std::string(strsignal(signal)) + " " + moment.name;
            fs::remove(scene);
            const pid_t child = startRun();
            waitForMoment(child, signal, moment.fromTemporary);
            std::this_thread::sleep_for(std::chrono::microseconds(moment.delayMicroseconds));
            duringWriting += temporaries().empty() ? 0 : 1;
            ::kill(child, signal);
            if (moment.secondSignal != 0)
                ::kill(child, moment.secondSignal);
            const int status = waitFor(child);
            ++trials;
            EXPECT_TRUE(WIFEXITED(status)) << trial << ": ended by signal " << WTERMSIG(status);
            const int code = WEXITSTATUS(status);
            EXPECT_TRUE(code == 0 || code == 128 + signal || code == 128 + moment.secondSignal)
                << trial << ": exit status " << code;
            for (const fs::path& left : temporaries()) {
                ADD_FAILURE() << trial << ": " << left << " was left behind";
                ++temporariesLeft;
                fs::remove(left);
            }
            if (fs::exists(scene)) {
                EXPECT_EQ(fs::file_size(scene), wholeScene) << trial << ": a partial scene";
            }
        }
    }
    std::cout << trials << " trials (SIGINT, SIGTERM, SIGHUP), " << duringWriting
              << " sent while the scene's temporary file existed, " << temporariesLeft
              << " temporary files left\n";
}

// A run started with hangups ignored (nohup) goes on to write its whole scene.
TEST_F(InterruptedRunTest, AnIgnoredHangupStaysIgnored)
{
    const pid_t child = startRun(true);
    waitForMoment(child, SIGINT, false);
    ::kill(child, SIGHUP);
    const int status = waitFor(child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "status " << status;
    EXPECT_TRUE(fs::exists(scene));
}

} // namespace
