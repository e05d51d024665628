// The example project printed in docs/project-file.md, taken from the page itself: it must
// load, and the program must store it exactly as printed, so the description and the reader
// cannot drift apart.
#include "model/ProjectFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace kestrelon {
namespace {

namespace fs = std::filesystem;

// The lines of the page's one block fenced as "```kst"; empty when there is none.
std::vector<std::string> exampleLines(const std::string& page)
{
    std::ifstream in(page);
    std::vector<std::string> lines;
    bool inside = false;
    for (std::string line; std::getline(in, line);) {
        if (!inside && line == "```kst")
            inside = true;
        else if (inside && line == "```")
            return lines;
        else if (inside)
            lines.push_back(line);
    }
    return {};
}

std::string crlfText(const std::vector<std::string>& lines)
{
    std::string text;
    for (const auto& line : lines)
        text += line + "\r\n";
    return text;
}

std::string bytesOf(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(ProjectFileDocTest, TheExampleOfTheFormatDescriptionLoadsAndIsStoredAsPrinted)
{
    const std::vector<std::string> lines = exampleLines(KESTRELON_SOURCE_DIR "/docs/project-file.md");
    ASSERT_FALSE(lines.empty()) << "docs/project-file.md holds no ```kst block";
    const fs::path dir = fs::temp_directory_path() / ("kestrelon-projectdoc-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    std::ofstream(dir / "example.kst", std::ios::binary) << crlfText(lines);

    const Project project = LoadProject((dir / "example.kst").string());
    ASSERT_EQ(project.NumTypes(), 2);
    EXPECT_EQ(project.TypeNames[1], "Knight");
    EXPECT_EQ(project.UnitTypes[1].Team, 1);
    EXPECT_EQ(project.UnitTypes[2].Team, 2);
    EXPECT_EQ(project.UnitTypes[2].Proportion, 2.5);
    EXPECT_EQ(project.UnitTypes[2].DeployWidth, -200);
    EXPECT_EQ(project.UnitTypes[1].Code.substr(0, 10), "Sub Main\r\n");
    EXPECT_EQ(project.NumFigures(), 2);
    EXPECT_EQ(project.NumSequences(), 2);

    SaveProject(project, (dir / "saved.kst").string());
    EXPECT_EQ(bytesOf(dir / "saved.kst"), crlfText(lines));
    fs::remove_all(dir);
}

} // namespace
} // namespace kestrelon
