// Tessary's job driven through scripted dialogs: the exact texts the user sees, in order, and
// the output file, which is complete when the job ends well and absent when it does not.
#include "duplicator/core/DuplicatorJob.h"
#include "support/ScriptedDialogs.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace kestrelon::duplicator {
namespace {

namespace fs = std::filesystem;
using Shown = std::vector<std::string>;

const std::string SelectSource = "message: Please select the file containing figures to be duplicated";
const std::string FigureFound = "message: Figure Found";
const std::string SelectOutput =
    "message: Select where to save the duplicated figures.  DO NOT SAVE OVER AN EXISTING FILE";
const std::string AskSoldier = "input: How many soldier duplicates are needed?";
const std::string AskKnight = "input: How many knight duplicates are needed?";
const std::string CancelledReport = "The job was cancelled. No duplicates were written.";
const std::string Cancelled = "message: " + CancelledReport;

// The count question asked again, with the reason first.
std::string askedAgain(const std::string& reason, const std::string& question)
{
    return "input: " + reason + "\n" + question.substr(std::string("input: ").size());
}

std::string contents(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string testData(const char* name)
{
    return std::string(KESTRELON_TEST_DATA) + "/" + name;
}

// Records what each save dialog proposed, as the user would see it in the name box.
class RecordingDialogs : public testing::ScriptedDialogs {
public:
    std::vector<std::string> proposedSaveNames;

    std::optional<std::string> saveFile(FileDialogState& state) override
    {
        proposedSaveNames.push_back(state.fileName);
        return ScriptedDialogs::saveFile(state);
    }
};

class DuplicatorJobTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_folder = fs::temp_directory_path()
                   / ("kestrelon-dup-job-" + std::to_string(::getpid()) + "-"
                      + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(m_folder);
        m_output = (m_folder / "copies.an8").string();
    }
    void TearDown() override { fs::remove_all(m_folder); }

    JobOutcome run()
    {
        DuplicatorJob job(m_dialogs, m_CD);
        const JobOutcome outcome = job.run();
        m_report = job.report();
        return outcome;
    }

    // The messages after the last dialog of the job, which tell how it ended.
    std::string lastShown() const { return m_dialogs.shown.empty() ? "" : m_dialogs.shown.back(); }

    // A failed job's last message is its report: one line, the cause and that nothing was written.
    void expectOneLineFailure() const
    {
        EXPECT_EQ("message: " + m_report, lastShown());
        EXPECT_EQ(m_report.find('\n'), std::string::npos) << m_report;
        const std::string end = ". No duplicates were written.";
        EXPECT_EQ(m_report.substr(m_report.size() - std::min(m_report.size(), end.size())), end) << m_report;
    }

    fs::path m_folder;
    std::string m_output;
    std::string m_report; // the job's last line, as the window shows it
    RecordingDialogs m_dialogs;
    FileDialogState m_CD;
};

struct WrittenCase {
    const char* label;
    const char* source;
    std::deque<std::optional<std::string>> inputs;
    Shown expected;
    const char* expectedOutput; // a file of test data, or nullptr for an empty output
    const char* reportStart;    // the report up to the output's path
};

void PrintTo(const WrittenCase& c, std::ostream* out)
{
    *out << c.label;
}

class WrittenJob : public DuplicatorJobTest, public ::testing::WithParamInterface<WrittenCase> {};

TEST_P(WrittenJob, ShowsTheDialogsInOrderAndWritesTheNumberedCopies)
{
    const WrittenCase& c = GetParam();
    m_dialogs.files = {testData(c.source), m_output};
    m_dialogs.inputs = c.inputs;
    EXPECT_EQ(run(), JobOutcome::Written) << c.label;
    EXPECT_EQ(m_dialogs.shown, c.expected) << c.label;
    ASSERT_TRUE(fs::exists(m_output)) << c.label;
    EXPECT_EQ(contents(m_output), c.expectedOutput ? contents(testData(c.expectedOutput)) : "") << c.label;
    const std::string reportEnd =
        c.expectedOutput ? "." : ": " + testData(c.source) + " has no figures before its first sequence.";
    EXPECT_EQ(m_report, c.reportStart + m_output + reportEnd) << c.label;
}

const WrittenCase writtenCases[] = {
    {"two figures, 2 and 3 copies",
     "dup-two-figures.an8",
     {"2", "3"},
     {SelectSource, "open", FigureFound, FigureFound, AskSoldier, AskKnight, SelectOutput, "save"},
     "dup-two-figures-2-3-expected.an8",
     "Wrote 5 copies of 2 figures to "},
    {"an answer that is not a number is asked again with the reason",
     "dup-two-figures.an8",
     {"two", "", "2.5", "3"},
     {SelectSource, "open", FigureFound, FigureFound, AskSoldier,
      askedAgain("\"two\" is not a number.", AskSoldier), askedAgain("No number was given.", AskSoldier),
      AskKnight, SelectOutput, "save"},
     "dup-two-figures-2-3-expected.an8",
     "Wrote 5 copies of 2 figures to "},
    {"a count beyond the whole numbers is asked again as too large",
     "dup-two-figures.an8",
     {"2", "3000000000", "-1e999", "3"},
     {SelectSource, "open", FigureFound, FigureFound, AskSoldier, AskKnight,
      askedAgain("\"3000000000\" is too large: a count is at most 2147483647.", AskKnight),
      askedAgain("\"-1e999\" is too small: a count is at least -2147483648.", AskKnight), SelectOutput, "save"},
     "dup-two-figures-2-3-expected.an8",
     "Wrote 5 copies of 2 figures to "},
    {"a file without figures asks nothing, gives an empty file and says why",
     "dup-no-figures.an8",
     {},
     {SelectSource, "open", SelectOutput, "save"},
     nullptr,
     "Wrote 0 copies of 0 figures to "},
};

INSTANTIATE_TEST_SUITE_P(Answers, WrittenJob, ::testing::ValuesIn(writtenCases));

struct CancelCase {
    const char* label;
    std::deque<std::optional<std::string>> files; // the output's place is filled in by the test
    std::deque<std::optional<std::string>> inputs;
    Shown expected;
};

void PrintTo(const CancelCase& c, std::ostream* out)
{
    *out << c.label;
}

class CancelledDialog : public DuplicatorJobTest, public ::testing::WithParamInterface<CancelCase> {};

TEST_P(CancelledDialog, EndsTheJobWithoutOutput)
{
    const CancelCase& c = GetParam();
    for (auto& file : c.files)
        m_dialogs.files.push_back(file && file->empty() ? std::optional(m_output) : file);
    m_dialogs.inputs = c.inputs;
    EXPECT_EQ(run(), JobOutcome::Cancelled) << c.label;
    EXPECT_EQ(m_dialogs.shown, c.expected) << c.label;
    EXPECT_FALSE(fs::exists(m_output)) << c.label;
    EXPECT_EQ(m_report, CancelledReport) << c.label;
}

const CancelCase cancelCases[] = {
    {"the open dialog", {std::nullopt}, {}, {SelectSource, "open", Cancelled}},
    {"the first count",
     {testData("dup-two-figures.an8")},
     {std::nullopt},
     {SelectSource, "open", FigureFound, FigureFound, AskSoldier, Cancelled}},
    {"the second count after a wrong answer",
     {testData("dup-two-figures.an8")},
     {"2", "lots", std::nullopt},
     {SelectSource, "open", FigureFound, FigureFound, AskSoldier, AskKnight,
      askedAgain("\"lots\" is not a number.", AskKnight), Cancelled}},
    {"the save dialog",
     {testData("dup-two-figures.an8"), std::nullopt},
     {"2", "3"},
     {SelectSource, "open", FigureFound, FigureFound, AskSoldier, AskKnight, SelectOutput, "save", Cancelled}},
};

INSTANTIATE_TEST_SUITE_P(Dialogs, CancelledDialog, ::testing::ValuesIn(cancelCases));

TEST_F(DuplicatorJobTest, AnUnclosedFigureIsReportedByNameAndNothingIsAsked)
{
    m_dialogs.files = {testData("dup-unclosed.an8")};
    EXPECT_EQ(run(), JobOutcome::Failed);
    ASSERT_EQ(m_dialogs.shown.size(), 5u);
    EXPECT_EQ(m_dialogs.shown[2], FigureFound);
    EXPECT_EQ(m_dialogs.shown[3], FigureFound);
    const std::string report = lastShown();
    EXPECT_NE(report.find("dup-unclosed.an8, line 8"), std::string::npos) << report;
    EXPECT_NE(report.find("\"pikeman\""), std::string::npos) << report;
    expectOneLineFailure();
}

TEST_F(DuplicatorJobTest, ASourceThatCannotBeReadIsReportedWithItsPath)
{
    const std::string missing = (m_folder / "no-such-file.an8").string();
    m_dialogs.files = {missing};
    EXPECT_EQ(run(), JobOutcome::Failed);
    EXPECT_EQ(m_dialogs.shown.size(), 3u);
    EXPECT_EQ(lastShown().rfind("message: " + missing + ": ", 0), 0u) << lastShown();
    expectOneLineFailure();
}

TEST_F(DuplicatorJobTest, AnOutputThatCannotBeCreatedIsReportedWithItsPath)
{
    const std::string unwritable = (m_folder / "missing-folder" / "copies.an8").string();
    m_dialogs.files = {testData("dup-two-figures.an8"), unwritable};
    m_dialogs.inputs = {"1", "1"};
    EXPECT_EQ(run(), JobOutcome::Failed);
    EXPECT_EQ(lastShown().rfind("message: " + unwritable + ": ", 0), 0u) << lastShown();
    EXPECT_FALSE(fs::exists(unwritable));
    expectOneLineFailure();
}

TEST_F(DuplicatorJobTest, TooManyCopiesLeaveAnExistingOutputUntouched)
{
    std::ofstream(m_output, std::ios::binary) << "older figures";
    m_dialogs.files = {testData("dup-two-figures.an8"), m_output};
    m_dialogs.inputs = {"2147483647", "1"};
    EXPECT_EQ(run(), JobOutcome::Failed);
    EXPECT_NE(lastShown().find("2147483647"), std::string::npos) << lastShown();
    EXPECT_EQ(contents(m_output), "older figures");
    expectOneLineFailure();
}

// Another name for the source file, made beside it.
using Spell = std::string (*)(const fs::path& source);

struct SourceSpellingCase {
    const char* label;
    Spell spell;
};

void PrintTo(const SourceSpellingCase& c, std::ostream* out)
{
    *out << c.label;
}

class SourceChosenAsOutput : public DuplicatorJobTest,
                             public ::testing::WithParamInterface<SourceSpellingCase> {};

TEST_P(SourceChosenAsOutput, IsRefusedAndTheSaveDialogShownAgain)
{
    const SourceSpellingCase& c = GetParam();
    const fs::path source = m_folder / "army.an8";
    fs::copy_file(testData("dup-two-figures.an8"), source);
    const std::string spelled = c.spell(source);
    m_dialogs.files = {source.string(), spelled, m_output};
    m_dialogs.inputs = {"2", "3"};
    EXPECT_EQ(run(), JobOutcome::Written) << c.label;
    const Shown tail(m_dialogs.shown.end() - 3, m_dialogs.shown.end());
    EXPECT_EQ(tail[0], "save") << c.label;
    EXPECT_EQ(tail[1].rfind("message: " + spelled + " is ", 0), 0u) << tail[1];
    EXPECT_NE(tail[1].find("the file the figures come from"), std::string::npos) << tail[1];
    EXPECT_EQ(tail[2], "save") << c.label;
    EXPECT_EQ(contents(source.string()), contents(testData("dup-two-figures.an8"))) << c.label;
    EXPECT_EQ(contents(m_output), contents(testData("dup-two-figures-2-3-expected.an8"))) << c.label;
}

const SourceSpellingCase sourceSpellings[] = {
    {"its own path", [](const fs::path& source) { return source.string(); }},
    {"a relative path", [](const fs::path& source) { return fs::relative(source).string(); }},
    {"a symbolic link",
     [](const fs::path& source) {
         fs::create_symlink(source.filename(), source.parent_path() / "link.an8");
         return (source.parent_path() / "link.an8").string();
     }},
    {"a hard link",
     [](const fs::path& source) {
         fs::create_hard_link(source, source.parent_path() / "hard.an8");
         return (source.parent_path() / "hard.an8").string();
     }},
};

INSTANTIATE_TEST_SUITE_P(Spellings, SourceChosenAsOutput, ::testing::ValuesIn(sourceSpellings));

TEST_F(DuplicatorJobTest, TheSaveDialogProposesTheSourceFolderNotTheSourceFile)
{
    const std::string source = (m_folder / "army.an8").string();
    fs::copy_file(testData("dup-no-figures.an8"), source);
    m_dialogs.files = {source, m_output};
    EXPECT_EQ(run(), JobOutcome::Written);
    EXPECT_EQ(m_dialogs.proposedSaveNames, std::vector<std::string>{m_folder.string()});
    EXPECT_EQ(m_CD.fileName, m_output);
}

} // namespace
} // namespace kestrelon::duplicator
