// A fixture for tests that work on real files: each test gets a folder of its own under the
// system's temporary folder, made before it runs and removed with all it holds afterwards.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <unistd.h>

namespace kestrelon::testing {

class ScratchFolderTest : public ::testing::Test {
protected:
    // The name keeps the suites' folders apart, the process number two runs of one suite.
    explicit ScratchFolderTest(const std::string& name)
        : dir(std::filesystem::temp_directory_path() / ("kestrelon-" + name + "-" + std::to_string(::getpid())))
    {
    }
    void SetUp() override { std::filesystem::create_directories(dir); }
    void TearDown() override { std::filesystem::remove_all(dir); }

    std::filesystem::path dir;
};

} // namespace kestrelon::testing
