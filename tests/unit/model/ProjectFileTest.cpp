// The project file: byte-exact round trips, the reading of numbers whatever the writing
// locale, load failures that name the line and leave the project alone, and saves that
// never damage the file they replace.
#include "model/ProjectFile.h"
#include "platform/FileError.h"
#include "platform/TextFile.h"

#include "support/ScratchFolderTest.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <locale>
#include <sstream>
#include <unistd.h>

namespace kestrelon {
namespace {

namespace fs = std::filesystem;

// The stored form of one type (Archer, army 1, twelve units, a two-line script), one
// catalogued figure and one sequence: 25 lines.
const std::vector<std::string> ArcherLines = {
    "1", "Archer", "0.5", "2", "shoot", "10", "archer", "1", "100", "1.5", "12", "40", "1",
    "first script line", "second script line", "CODEDONE", "20", "30", "100", "50",
    "1", "archer", "1", "shoot", "archer",
};

std::string crlfText(const std::vector<std::string>& lines)
{
    std::string text;
    for (const auto& line : lines)
        text += line + "\r\n";
    return text;
}

class ProjectFileTest : public kestrelon::testing::ScratchFolderTest {
protected:
    ProjectFileTest() : ScratchFolderTest("projectfile") {}

    std::string put(const std::string& name, const std::string& bytes)
    {
        std::ofstream(dir / name, std::ios::binary) << bytes;
        return (dir / name).string();
    }
    std::string path(const std::string& name) const { return (dir / name).string(); }
    static std::string bytesOf(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    }
    std::string savedBytes(const Project& project)
    {
        SaveProject(project, path("saved.kst"));
        return bytesOf(path("saved.kst"));
    }
};

TEST_F(ProjectFileTest, TheArcherExampleReadsIntoItsFieldsAndWritesBackByteForByte)
{
    const std::string original = crlfText(ArcherLines);
    const Project project = LoadProject(put("archer.kst", original));
    ASSERT_EQ(project.NumTypes(), 1);
    EXPECT_EQ(project.TypeNames[1], "Archer");
    const UnitType archer{.Accel = 0.5, .MaxSpeed = 1.5, .Maxlife = 100, .Armor = 2, .AttackAnim = "shoot",
                          .Damage = 10, .Proportion = 12, .Range = 40, .Figure = "archer", .FigureIndex = 1,
                          .Code = "first script line\r\nsecond script line", .Team = 1,
                          .DeployLeft = 20, .DeployTop = 30, .DeployWidth = 100, .DeployHeight = 50};
    EXPECT_EQ(project.UnitTypes[1], archer);
    EXPECT_EQ(project.FigureNames[1], "archer");
    ASSERT_EQ(project.NumSequences(), 1);
    EXPECT_EQ(project.Sequences[1], (SequenceInfo{"archer", "shoot"}));
    EXPECT_EQ(savedBytes(project), original);
}

// One type with the given script and box, its other values those of the archer example.
Project oneType(const std::string& code, std::int32_t left = 20, std::int32_t top = 30, std::int32_t width = 100,
                std::int32_t height = 50)
{
    Project project = LoadProject(KESTRELON_TEST_DATA "/model-archer.kst");
    UnitType& type = project.UnitTypes[1];
    type.Code = code;
    type.DeployLeft = left;
    type.DeployTop = top;
    type.DeployWidth = width;
    type.DeployHeight = height;
    return project;
}

TEST_F(ProjectFileTest, ScriptsAndBoxesAreStoredLineForLine)
{
    struct Case {
        Project project;
        std::vector<std::string> scriptAndBoxLines; // lines 14 onwards up to the box's last
    };
    const std::vector<Case> cases = {
        {oneType(""), {"", "CODEDONE", "20", "30", "100", "50"}},
        {oneType("one line"), {"one line", "CODEDONE", "20", "30", "100", "50"}},
        {oneType("ends\r\n"), {"ends", "", "CODEDONE", "20", "30", "100", "50"}},
        {oneType("\r\n\r\n"), {"", "", "", "CODEDONE", "20", "30", "100", "50"}},
        {oneType("x = 1", -40, -7, -100, -2147483647 - 1),
         {"x = 1", "CODEDONE", "-40", "-7", "-100", "-2147483648"}},
        // Only a line that is exactly the marker ends a script.
        {oneType("' CODEDONE\r\nCODEDONE2\r\n CODEDONE\r\ncodedone"),
         {"' CODEDONE", "CODEDONE2", " CODEDONE", "codedone", "CODEDONE", "20", "30", "100", "50"}},
    };
    for (size_t i = 0; i < cases.size(); ++i) {
        std::vector<std::string> lines(ArcherLines.begin(), ArcherLines.begin() + 13);
        lines.insert(lines.end(), cases[i].scriptAndBoxLines.begin(), cases[i].scriptAndBoxLines.end());
        lines.insert(lines.end(), ArcherLines.begin() + 20, ArcherLines.end());
        const std::string bytes = savedBytes(cases[i].project);
        EXPECT_EQ(bytes, crlfText(lines)) << "case " << i;
        const Project reloaded = LoadProject(put("reloaded.kst", bytes));
        EXPECT_EQ(reloaded, cases[i].project) << "case " << i;
        EXPECT_EQ(savedBytes(reloaded), bytes) << "case " << i;
    }
}

TEST_F(ProjectFileTest, NumbersAndUneditedTypesRoundTrip)
{
    Project project;
    EXPECT_EQ(savedBytes(project), "0\r\n0\r\n0\r\n");
    project.addType("never edited");
    const std::int32_t i = project.addType("Ch\xe2teau \"guard\"");
    UnitType& type = project.UnitTypes[i];
    type.Accel = 1.0 / 3.0;
    type.MaxSpeed = -3;
    type.Proportion = 2.5;
    type.Range = 1e20;
    type.Maxlife = 2147483647;
    type.Team = 3;
    project.addFigure("");
    project.addSequence({"", "idle"});
    const std::string bytes = savedBytes(project);
    const Project reloaded = LoadProject(put("numbers.kst", bytes));
    EXPECT_EQ(reloaded.TypeNames[2], project.TypeNames[2]);
    EXPECT_EQ(reloaded.UnitTypes[1], UnitType{});
    EXPECT_EQ(reloaded.UnitTypes[2].Accel, 0.333333333333333); // 15 significant digits stored
    EXPECT_EQ(reloaded.UnitTypes[2].Range, 1e20);
    EXPECT_EQ(reloaded.Sequences[1], (SequenceInfo{"", "idle"}));
    EXPECT_EQ(savedBytes(reloaded), bytes);
}

// A locale whose decimal separator is "," must not leak into the file.
struct CommaDecimals : std::numpunct<char> {
    char do_decimal_point() const override { return ','; }
    char do_thousands_sep() const override { return '.'; }
    std::string do_grouping() const override { return "\3"; }
};

TEST_F(ProjectFileTest, SavingUsesAPointWhateverTheLocale)
{
    const std::locale previous = std::locale::global(std::locale(std::locale(), new CommaDecimals));
    Project project = oneType("");
    project.UnitTypes[1].Accel = 2.5;
    project.UnitTypes[1].Maxlife = 12345;
    const std::string bytes = savedBytes(project);
    std::locale::global(previous);
    EXPECT_NE(bytes.find("\r\n2.5\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("\r\n12345\r\n"), std::string::npos);
}

// The archer file with line n (1-based) replaced.
std::string archerWith(size_t n, const std::string& line)
{
    std::vector<std::string> lines = ArcherLines;
    lines[n - 1] = line;
    return crlfText(lines);
}

// The field stored on a line of the archer file, as a double.
double fieldOnLine(const UnitType& type, size_t line)
{
    switch (line) {
    case 3: return type.Accel;
    case 4: return type.Armor;
    case 8: return type.FigureIndex;
    case 11: return type.Proportion;
    case 20: return type.DeployHeight;
    default: return -999;
    }
}

TEST_F(ProjectFileTest, NumberLinesReadAsAnyLocaleWroteThem)
{
    struct Case {
        size_t line;
        std::string text;
        double value;
    };
    const std::vector<Case> cases = {
        {3, "2,5", 2.5},    {3, " 0.5 ", 0.5}, {3, "1,000", 1.0}, {3, "-3", -3},
        {3, "1E+20", 1e20}, {4, "2.0", 2},     {4, "-3.00", -3},  {4, " 7 ", 7},
        {4, "1e2", 100},    {8, "0.0", 0},     {11, "0,25", 0.25}, {20, "5E+1", 50},
    };
    for (const auto& c : cases) {
        const UnitType type = LoadProject(put("n.kst", archerWith(c.line, c.text))).UnitTypes[1];
        EXPECT_EQ(fieldOnLine(type, c.line), c.value) << "line " << c.line << " \"" << c.text << "\"";
    }
}

// The lines of the archer file that hold integer items, with the item's name in messages.
struct IntegerItem {
    size_t line;
    std::string what;
};
const std::vector<IntegerItem> ArcherIntegerItems = {
    {1, "the number of unit types"}, {4, "Armor of type 1"},        {6, "Damage of type 1"},
    {8, "FigureIndex of type 1"},    {9, "Maxlife of type 1"},      {13, "Team of type 1"},
    {17, "DeployLeft of type 1"},    {18, "DeployTop of type 1"},   {19, "DeployWidth of type 1"},
    {20, "DeployHeight of type 1"},  {21, "the number of figures"}, {23, "the number of sequences"},
};

TEST_F(ProjectFileTest, EveryIntegerItemRefusesANumberThatIsNotWhole)
{
    // "1,5" is one and a half where a comma is the decimal separator, "10,000" may be ten or
    // ten thousand: neither can be read as the writer meant it.
    const std::vector<std::string> notWhole = {"1,5", "10,000", "2.5", "0.5", "-2.5", "1E-1"};
    for (const IntegerItem& item : ArcherIntegerItems) {
        for (const std::string& text : notWhole) {
            const std::string file = put("fraction.kst", archerWith(item.line, text));
            try {
                LoadProject(file);
                ADD_FAILURE() << "line " << item.line << " \"" << text << "\" loaded";
            } catch (const FileError& error) {
                EXPECT_EQ(error.path(), file);
                EXPECT_EQ(error.line(), static_cast<int>(item.line)) << text;
                EXPECT_EQ(error.cause(), "expected a whole number for " + item.what + ", found \"" + text + "\"");
            }
        }
    }
}

TEST_F(ProjectFileTest, EveryIntegerItemReadsAWholeNumberInAnySpellingOfIt)
{
    const Project archer = LoadProject(put("archer.kst", crlfText(ArcherLines)));
    for (const IntegerItem& item : ArcherIntegerItems) {
        const std::string& stored = ArcherLines[item.line - 1];
        for (const std::string& text : {stored + ".0", stored + ".000", " " + stored + " ", stored + "E+0"}) {
            const Project project = LoadProject(put("whole.kst", archerWith(item.line, text)));
            EXPECT_EQ(project, archer) << "line " << item.line << " \"" << text << "\"";
        }
    }
}

TEST_F(ProjectFileTest, ABadFileNamesItsLineAndWhatWasExpectedAndChangesNothing)
{
    struct Case {
        std::string bytes;
        int line;
        std::string cause;
    };
    const std::vector<std::string> upToScript(ArcherLines.begin(), ArcherLines.begin() + 15);
    const std::vector<Case> cases = {
        {"", 1, "expected the number of unit types, found the end of the file"},
        {"1\r\nArcher\r\n", 3, "expected Accel of type 1, found the end of the file"},
        {archerWith(9, "abc"), 9, "expected a whole number for Maxlife of type 1, found \"abc\""},
        {archerWith(4, "3000000000"), 4,
         "expected a whole number for Armor of type 1, found \"3000000000\", which lies outside "
         "-2147483648 to 2147483647"},
        {archerWith(4, "-2147483649"), 4,
         "expected a whole number for Armor of type 1, found \"-2147483649\", which lies outside "
         "-2147483648 to 2147483647"},
        {archerWith(3, "fast"), 3, "expected a number for Accel of type 1, found \"fast\""},
        {archerWith(10, ""), 10, "expected a number for MaxSpeed of type 1, found \"\""},
        {archerWith(11, "1.000,5"), 11, "expected a number for Proportion of type 1, found \"1.000,5\""},
        {archerWith(1, "-1"), 1, "expected the number of unit types (0 or more), found \"-1\""},
        {crlfText(upToScript), 16,
         "expected the line \"CODEDONE\" that ends the script of type 1, found the end of the file"},
        {archerWith(16, "CODEDONE "), 26,
         "expected the line \"CODEDONE\" that ends the script of type 1, found the end of the file"},
        {crlfText({ArcherLines.begin(), ArcherLines.end() - 1}), 25,
         "expected the figure name of sequence 1, found the end of the file"},
    };
    const Project before = oneType("kept");
    for (size_t i = 0; i < cases.size(); ++i) {
        Project current = before;
        const std::string file = put("bad.kst", cases[i].bytes);
        try {
            current = LoadProject(file);
            ADD_FAILURE() << "case " << i << " loaded";
        } catch (const FileError& error) {
            EXPECT_EQ(error.path(), file) << "case " << i;
            EXPECT_EQ(error.line(), cases[i].line) << "case " << i;
            EXPECT_EQ(error.cause(), cases[i].cause) << "case " << i;
        }
        EXPECT_EQ(current, before) << "case " << i;
    }
}

TEST_F(ProjectFileTest, TheExampleBattleRoundTripsByteForByte)
{
    const std::string example = KESTRELON_SOURCE_DIR "/examples/battle.kst";
    const Project battle = LoadProject(example);
    EXPECT_EQ(savedBytes(battle), bytesOf(example));
    for (const UnitType& type : battle.UnitTypes) {
        EXPECT_NE(type.Code.find("Sub Main"), std::string::npos);
        EXPECT_EQ(type.Code.find('\n', 0), type.Code.find("\r\n", 0) + 1); // CR LF line breaks
    }
}

TEST_F(ProjectFileTest, AMarkerRightAfterTheTeamEndsAnEmptyScript)
{
    std::vector<std::string> lines = ArcherLines;
    lines.erase(lines.begin() + 13, lines.begin() + 15);
    const Project project = LoadProject(put("bare.kst", crlfText(lines)));
    EXPECT_EQ(project.UnitTypes[1].Code, "");
    EXPECT_EQ(project.UnitTypes[1].DeployHeight, 50);
    EXPECT_EQ(project.Sequences[1].FigureName, "archer");
}

TEST_F(ProjectFileTest, AMissingFileIsAFileError)
{
    EXPECT_THROW(LoadProject(path("none.kst")), FileError);
}

TEST_F(ProjectFileTest, LinesAfterTheLastSequenceAreNotRead)
{
    const Project project = LoadProject(put("tail.kst", crlfText(ArcherLines) + "not a project line\r\n"));
    EXPECT_EQ(savedBytes(project), crlfText(ArcherLines));
}

// Also when the project is so large that its start went to the temporary file before the
// fault was found.
TEST_F(ProjectFileTest, AFailedSaveLeavesThePreviousFileIntact)
{
    const std::string target = put("kept.kst", crlfText(ArcherLines));
    for (const std::string& code : {std::string(), std::string(3 * WriterBufferBytes, 'x')}) {
        Project broken = oneType(code);
        broken.addFigure("two\nlines");
        try {
            SaveProject(broken, target);
            ADD_FAILURE() << "a name with a line break was stored";
        } catch (const FileError& error) {
            EXPECT_EQ(error.cause(), "cannot store figure name 2: it holds a line break");
        }
        EXPECT_EQ(bytesOf(target), crlfText(ArcherLines)) << code.size();
        EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1) << code.size();
        EXPECT_THROW(SaveProject(broken, path("no-folder/p.kst")), FileError);
    }
}

TEST_F(ProjectFileTest, AScriptHoldingTheEndMarkerAsALineIsRefusedAndNothingIsWritten)
{
    struct Case {
        std::string code;
        int line; // the script line that is the marker
    };
    const std::vector<Case> cases = {
        {"CODEDONE", 1},
        {"x = 1\r\nCODEDONE\r\ny = 2", 2},
        {"x = 1\nCODEDONE", 2}, // a line feed alone ends a line when the file is read
        {"x = 1\r\n\r\nCODEDONE\r\n", 3},
        {"' CODEDONE\r\nCODEDONE", 2},
    };
    const std::string target = put("kept.kst", crlfText(ArcherLines));
    for (const Case& c : cases) {
        Project project = oneType("");
        project.UnitTypes[project.addType("Knight")].Code = c.code;
        for (const std::string& file : {target, path("new.kst")}) {
            try {
                SaveProject(project, file);
                ADD_FAILURE() << "a script with the marker on line " << c.line << " was stored";
            } catch (const FileError& error) {
                EXPECT_EQ(error.path(), file);
                EXPECT_EQ(error.cause(), "cannot store the script of type 2 \"Knight\": its line " +
                                             std::to_string(c.line) +
                                             " is \"CODEDONE\", the line that ends a script in the project file");
            }
        }
        EXPECT_EQ(bytesOf(target), crlfText(ArcherLines));
        EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
    }
}

const std::string ByteOrderMark = "\xEF\xBB\xBF";

TEST_F(ProjectFileTest, AByteOrderMarkIsReadAndWrittenBack)
{
    const std::string marked = ByteOrderMark + crlfText(ArcherLines);
    const Project project = LoadProject(put("marked.kst", marked));
    Project plain = LoadProject(put("plain.kst", crlfText(ArcherLines)));
    EXPECT_TRUE(project.byteOrderMark);
    EXPECT_FALSE(plain.byteOrderMark);
    EXPECT_EQ(savedBytes(project), marked);
    EXPECT_EQ(LoadProject(path("saved.kst")), project);
    EXPECT_NE(project, plain); // the mark is part of what a round trip keeps
    plain.byteOrderMark = true;
    EXPECT_EQ(project, plain);
    // Only the file's first bytes can be the mark; anywhere else they are text.
    Project named = oneType("");
    named.TypeNames[1] = ByteOrderMark + "Archer";
    EXPECT_EQ(LoadProject(put("named.kst", savedBytes(named))), named);
}

TEST_F(ProjectFileTest, ABadFileAfterAByteOrderMarkNamesItsLine)
{
    struct Case {
        std::string bytes;
        int line;
        std::string cause;
    };
    const std::vector<Case> cases = {
        {ByteOrderMark + "abc\r\n", 1, "expected a whole number for the number of unit types, found \"abc\""},
        {ByteOrderMark + "1\r\nArcher\r\n", 3, "expected Accel of type 1, found the end of the file"},
        {ByteOrderMark + ByteOrderMark + "0\r\n0\r\n0\r\n", 1,
         "expected a whole number for the number of unit types, found \"" + ByteOrderMark + "0\""},
    };
    for (const Case& c : cases) {
        try {
            LoadProject(put("bad.kst", c.bytes));
            ADD_FAILURE() << c.cause;
        } catch (const FileError& error) {
            EXPECT_EQ(error.line(), c.line);
            EXPECT_EQ(error.cause(), c.cause);
        }
    }
}

TEST_F(ProjectFileTest, ASaveReplacesAnEarlierFileCompletely)
{
    const std::string target = put("replaced.kst", crlfText(ArcherLines) + std::string(1000, 'x'));
    SaveProject(Project{}, target);
    EXPECT_EQ(bytesOf(target), "0\r\n0\r\n0\r\n");
}

} // namespace
} // namespace kestrelon
