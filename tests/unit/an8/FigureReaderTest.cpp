// The figure file reader: which lines of an An8 file give figures and sequences, in which
// order they join the catalogue, and that a file that cannot be read adds nothing.
#include "an8/FigureReader.h"
#include "model/ProjectFile.h"
#include "platform/FileError.h"

#include "support/ScratchFolderTest.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace kestrelon::an8 {
namespace {

namespace fs = std::filesystem;

class FigureReaderTest : public kestrelon::testing::ScratchFolderTest {
protected:
    FigureReaderTest() : ScratchFolderTest("figures") {}

    std::string put(const std::vector<std::string>& lines, const char* lineEnd = "\r\n")
    {
        const fs::path path = dir / "figures.an8";
        std::ofstream out(path, std::ios::binary);
        for (const auto& line : lines)
            out << line << lineEnd;
        return path.string();
    }
};

std::vector<std::string> figures(const Project& project)
{
    return {project.FigureNames.begin(), project.FigureNames.end()};
}

std::vector<SequenceInfo> sequences(const Project& project)
{
    return {project.Sequences.begin(), project.Sequences.end()};
}

TEST_F(FigureReaderTest, CollectsFiguresBeforeSequencesAndNothingFromTheScene)
{
    struct Case {
        const char* what;
        std::vector<std::string> lines;
        std::vector<std::string> figures;
        std::vector<SequenceInfo> sequences; // {FigureName, SequenceName}
    };
    const std::vector<Case> cases = {
        {"the usual layout",
         {"header {", "}", "object { \"rock\"", "}", "figure { \"soldier\"", "  bone { \"root\"", "  }", "}",
          "figure { \"archer\"", "}", "sequence { \"walk\"", "  figure { \"soldier\" }", "  frames { 24 }", "}",
          "sequence { \"shoot\"", "  figure { \"archer\" }", "}", "scene { \"scene01\"",
          "  figureelement { \"e\" \"soldier001\"", "    figure { \"soldier\" }", "    namedsequence { \"walk\" 0 }", "}"},
         {"soldier", "archer"},
         {{"soldier", "walk"}, {"archer", "shoot"}}},
        {"a figure after the first sequence",
         {"figure { \"a\"", "sequence { \"s\"", "figure { \"a\" }", "figure { \"late\""},
         {"a"},
         {{"a", "s"}}},
        {"a sequence whose next line names no figure, which is not tested again",
         {"sequence { \"s\"", "scene { \"hidden\"", "sequence { \"t\"", "frames { 4 }", "sequence { \"u\"",
          "  figure { \"f\" }"},
         {},
         {{"", "s"}, {"", "t"}, {"f", "u"}}},
        {"a sequence opener on the last line", {"figure { \"f\"", "sequence { \"end\""}, {"f"}, {{"", "end"}}},
        {"names with further quoted text and without quotes",
         {"figure { \"a\" \"b\" }", "figure {", "figure { \"\"", "sequence {", "figure { \"x }"},
         {"a\" \"b", "", ""},
         {{"", ""}}},
        {"the three tests on one line, figure first",
         {"scene { \"s\" figure { \"f\" }", "figure { \"g\""},
         {"s\" figure { \"f"},
         {}},
        {"a scene first", {"scene { \"s\"", "figure { \"f\"", "sequence { \"q\"", "figure { \"f\" }"}, {}, {}},
        {"no chunk openers", {"header {", "}"}, {}, {}},
        {"an empty file", {}, {}, {}},
    };
    for (const auto& c : cases) {
        Project project;
        readFigureFile(put(c.lines), project);
        EXPECT_EQ(figures(project), c.figures) << c.what;
        EXPECT_EQ(sequences(project), c.sequences) << c.what;
    }
}

TEST_F(FigureReaderTest, ASecondFileAppendsAndDuplicatesStay)
{
    Project project;
    project.addType("Archer");
    project.addFigure("earlier");
    const std::string path = put({"figure { \"archer\"", "sequence { \"shoot\"", "figure { \"archer\" }"});
    readFigureFile(path, project);
    readFigureFile(path, project);
    EXPECT_EQ(figures(project), (std::vector<std::string>{"earlier", "archer", "archer"}));
    EXPECT_EQ(sequences(project), (std::vector<SequenceInfo>{{"archer", "shoot"}, {"archer", "shoot"}}));
    EXPECT_EQ(project.NumTypes(), 1);
}

TEST_F(FigureReaderTest, LinesEndedByLineFeedsAloneReadTheSame)
{
    Project project;
    readFigureFile(put({"figure { \"lf\"", "sequence { \"go\"", " figure { \"lf\" }"}, "\n"), project);
    EXPECT_EQ(figures(project), (std::vector<std::string>{"lf"}));
    EXPECT_EQ(sequences(project), (std::vector<SequenceInfo>{{"lf", "go"}}));
}

TEST_F(FigureReaderTest, AFileThatCannotBeReadAddsNothing)
{
    Project project;
    project.addFigure("kept");
    const Project before = project;
    EXPECT_THROW(readFigureFile((dir / "missing.an8").string(), project), FileError);
    EXPECT_THROW(readFigureFile(dir.string(), project), FileError);
    EXPECT_EQ(project, before);
}

TEST(ExampleFilesTest, TheExampleProjectsNamesComeFromTheExampleFigureFile)
{
    const Project battle = LoadProject(KESTRELON_SOURCE_DIR "/examples/battle.kst");
    Project catalogue;
    readFigureFile(KESTRELON_SOURCE_DIR "/examples/figures.an8", catalogue);
    EXPECT_EQ(battle.FigureNames, catalogue.FigureNames);
    EXPECT_EQ(battle.Sequences, catalogue.Sequences);
    ASSERT_GE(battle.NumTypes(), 3);
    for (const UnitType& type : battle.UnitTypes) {
        ASSERT_GE(type.FigureIndex, 1);
        ASSERT_LE(type.FigureIndex, battle.NumFigures());
        EXPECT_EQ(battle.FigureNames[type.FigureIndex], type.Figure);
        const SequenceInfo attack{type.Figure, type.AttackAnim};
        EXPECT_NE(std::find(battle.Sequences.begin(), battle.Sequences.end(), attack), battle.Sequences.end())
            << type.Figure << " has no sequence " << type.AttackAnim;
    }
}

} // namespace
} // namespace kestrelon::an8
