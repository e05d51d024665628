// The run with real scripts: the scene it writes character for character, the order of the
// turns and what each turn's contacts hold, the script check, the terminated path with its
// messages, the frame counts, and the project and scene dialogs with their cancel and failure
// behaviour.
#include "sim/BattleRun.h"

#include "an8/SceneText.h"
#include "model/ProjectFile.h"
#include "platform/TextFile.h"
#include "support/ScriptedDialogs.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <unistd.h>

namespace kestrelon::sim {
namespace {

namespace fs = std::filesystem;

// Remembers the dialog settings each save dialog was shown with. A file dialog with no answer
// queued takes lateAnswer's, made only when the dialog opens.
class RecordingDialogs : public testing::ScriptedDialogs {
public:
    std::vector<FileDialogState> saveDialogs;
    std::function<std::string()> lateAnswer;
    std::optional<std::string> saveFile(FileDialogState& state) override
    {
        saveDialogs.push_back(state);
        if (files.empty() && lateAnswer)
            files.push_back(lateAnswer());
        return ScriptedDialogs::saveFile(state);
    }
};

class RecordingObserver : public RunObserver {
public:
    std::vector<std::string> captions;
    std::vector<std::int32_t> passes;
    std::string output;
    std::size_t outputSize = 0;
    std::vector<std::string> failures; // "unit U type T line L column C"
    int workingCalls = 0;
    int cancelAfterCalls = -1; // the Cancel button is pressed at this call of stillWorking
    void captionChanged(const std::string& caption) override { captions.push_back(caption); }
    void passFinished(std::int32_t pass, std::int32_t) override { passes.push_back(pass); }
    void outputReady(const std::string& text, std::size_t wholeSize) override
    {
        output = text;
        outputSize = wholeSize;
    }
    void unitFailed(const UnitFailure& failure) override
    {
        failures.push_back("unit " + std::to_string(failure.unit) + " type " + failure.typeName + " line " +
                           std::to_string(failure.line) + " column " + std::to_string(failure.column));
    }
    void stillWorking() override { ++workingCalls; }
    bool cancelRequested() override { return cancelAfterCalls >= 0 && workingCalls >= cancelAfterCalls; }
};

std::string crlf(const std::vector<std::string>& lines)
{
    std::string text;
    for (const auto& line : lines)
        text += (text.empty() ? "" : "\r\n") + line;
    return text;
}

class BattleRunTest : public ::testing::Test {
protected:
    fs::path dir = fs::temp_directory_path() / ("kestrelon-run-" + std::to_string(::getpid()));
    Project project;
    RecordingDialogs dialogs;
    RecordingObserver observer;
    FileDialogState projectDialog;
    RandomGenerator random;

    void SetUp() override { fs::create_directories(dir); }
    void TearDown() override { fs::remove_all(dir); }

    std::string path(const std::string& name) const { return (dir / name).string(); }

    std::int32_t addType(const std::string& name, double units, std::int32_t team, const std::string& figure,
                         const std::string& code)
    {
        const std::int32_t t = project.addType(name);
        UnitType& type = project.UnitTypes[t];
        type.Proportion = units;
        type.Team = team;
        type.Figure = figure;
        type.Maxlife = 100;
        type.Code = code;
        return t;
    }

    // A run as the command line makes it: no project save, the scene at a given path.
    RunOptions headless(const std::string& scene = "scene.an8") const
    {
        RunOptions options;
        options.saveProject = false;
        options.scenePath = path(scene);
        return options;
    }
    RunOutcome runHeadless(const std::string& frames, const std::string& scene = "scene.an8")
    {
        return runWith(frames, headless(scene));
    }

    RunOutcome runWith(const std::string& frames, RunOptions options)
    {
        m_run = std::make_unique<BattleRun>(project, dialogs, projectDialog, frames, std::move(options), &observer);
        m_run->useRandomGenerator(random);
        return m_run->run();
    }

    BattleRun& lastRun() { return *m_run; }

    static std::string bytesOf(const std::string& file)
    {
        std::ifstream in(file, std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    }

private:
    std::unique_ptr<BattleRun> m_run;
};

const std::string EmptyMain = "Sub Main\r\nEnd Sub";

// A generator whose next four draws end with 0.5: the second unit then starts at Z = -5.5
// in a box of height -11.
RandomGenerator generatorWithFourthDrawOneHalf()
{
    RandomGenerator g;
    std::array<std::uint32_t, 4> history{};
    for (std::uint32_t step = 0;; ++step) {
        history[step % 4] = g.state();
        g.next();
        if (g.current() == 0.5f && step >= 3)
            return RandomGenerator(history[(step + 1) % 4]);
    }
}

TEST_F(BattleRunTest, TheWorkedSceneExampleComesOutOfARealRun)
{
    addType("First", 1, 1, "scout", EmptyMain);
    const std::int32_t t = addType("Soldier", 1, 2, "soldier",
                                   crlf({"Sub Main",
                                         "  If ThisGuy.whatFrame = 0 Then",
                                         "    ThisGuy.posOutput = ThisGuy.posOutput & Game.OutputLoc(12.5, 0, -5.5, 1)",
                                         "    ThisGuy.posOutput = ThisGuy.posOutput & OutputLoc(15, 0, -5.5, 2)",
                                         "    ThisGuy.FaceOutput = ThisGuy.FaceOutput & Game.FacePos(30, 0, 0, 1)",
                                         "    ThisGuy.seqOutput = ThisGuy.seqOutput & DoSomething(\"attack\", 2)",
                                         "  End If",
                                         "  ThisGuy.whatFrame = ThisGuy.whatFrame + 1",
                                         "End Sub"}));
    project.UnitTypes[t].DeployLeft = 10;
    project.UnitTypes[t].DeployHeight = -11;
    random = generatorWithFourthDrawOneHalf();

    ASSERT_EQ(runHeadless("3"), RunOutcome::Completed) << ::testing::PrintToString(dialogs.shown);
    const std::string block2 =
        "null  {  \"target002\"    loc  {  (0 0 0)  }     controller  {  \"position\" track  {   pointkey { 1 ( 30 0 0 ) \"?\" } }}}  "
        "figureelement  {  \"efigure002\" \"soldier002\" loc  {  (10 0 -5.5)  }  facestarget  {   }  target  {  \"target002\"  }    "
        " namedsequence { \"attack\" 2 }   "
        "controller  {  \"position\"    track  {   pointkey { 1 ( 12.5 0 -5.5 ) \"?\" }   pointkey { 2 ( 15 0 -5.5 ) \"?\" }  }}}  ";
    const Avatar& first = *lastRun().Avatars().find(1);
    const std::string block1 = an8::UnitBlock(first);
    EXPECT_EQ(lastRun().outputText(), block1 + block2);
    EXPECT_EQ(bytesOf(path("scene.an8")), an8::sceneHead() + block1 + block2 + "}  ");
    EXPECT_EQ(observer.output, lastRun().outputText());
    EXPECT_EQ(lastRun().Avatars().find(2)->whatFrame, 4); // F = 3: four passes
    EXPECT_TRUE(dialogs.shown.empty());
}

// Scenes larger than the writer's buffer go to the file unit by unit, never joined: the file
// must still be the head, every unit's block in unit order, and the tail.
TEST_F(BattleRunTest, AStreamedSceneIsTheHeadTheJoinedBlocksAndTheTail)
{
    addType("Bulky", 4, 1, "bulk",
            crlf({"Sub Main", "  ThisGuy.seqOutput = ThisGuy.seqOutput & String(300000, Chr(65 + ThisGuy.whatFrame))",
                  "  ThisGuy.whatFrame = ThisGuy.whatFrame + 1", "End Sub"}));
    addType("Small", 1, 2, "small", EmptyMain);
    ASSERT_EQ(runHeadless("1"), RunOutcome::Completed) << ::testing::PrintToString(dialogs.shown);
    std::string joined;
    for (std::int32_t i = 1; i <= 5; ++i)
        joined += an8::UnitBlock(*lastRun().Avatars().find(i));
    ASSERT_GT(joined.size(), 2 * WriterBufferBytes);
    EXPECT_EQ(lastRun().outputText(), joined);
    EXPECT_EQ(lastRun().outputSize(), joined.size());
    EXPECT_EQ(bytesOf(path("scene.an8")), an8::sceneHead() + joined + an8::sceneTail());
    EXPECT_EQ(lastRun().sceneSize(), fs::file_size(path("scene.an8")));
}

// The output text keeps the first outputLimit bytes of the joined blocks, cut anywhere, and
// still reports their whole size; the scene file is the same whatever the limit.
TEST_F(BattleRunTest, TheOutputLimitKeepsTheFirstBytesAndReportsTheWholeSize)
{
    addType("Mover", 2, 1, "mover",
            crlf({"Sub Main", "  ThisGuy.posOutput = ThisGuy.posOutput & OutputLoc(ThisGuy.whatFrame, 0, 1, ThisGuy.whatFrame)",
                  "  ThisGuy.whatFrame = ThisGuy.whatFrame + 1", "End Sub"}));
    addType("Still", 1, 2, "still", EmptyMain);
    const auto runLimited = [&](std::size_t limit) {
        random = RandomGenerator::repeatable(5);
        RunOptions options = headless();
        options.outputLimit = limit;
        EXPECT_EQ(runWith("2", options), RunOutcome::Completed) << limit;
    };
    runLimited(NoOutputLimit);
    const std::string whole = lastRun().outputText();
    const std::string scene = bytesOf(path("scene.an8"));
    const std::size_t first = an8::unitBlockSize(*lastRun().Avatars().find(1));
    ASSERT_EQ(observer.outputSize, whole.size());
    for (const std::size_t limit : {std::size_t{0}, std::size_t{1}, first - 1, first, first + 5, whole.size() - 1,
                                    whole.size(), whole.size() + 1}) {
        runLimited(limit);
        EXPECT_EQ(lastRun().outputText(), whole.substr(0, limit)) << limit;
        EXPECT_EQ(observer.output, lastRun().outputText()) << limit;
        EXPECT_EQ(observer.outputSize, whole.size()) << limit;
        EXPECT_EQ(lastRun().outputSize(), whole.size()) << limit;
        EXPECT_EQ(bytesOf(path("scene.an8")), scene) << limit;
        EXPECT_EQ(lastRun().sceneSize(), scene.size()) << limit;
    }
}

TEST_F(BattleRunTest, TurnsRunInUnitOrderAndSeeTheOtherUnitsAsTheyStood)
{
    // Every turn reports the X of entries 1 to 3, then moves its unit on by 1.
    const std::string code = crlf({"Sub Main",
                                   "  MsgBox ThisGuy.Figure & \": \" & GetCX(1) & \" \" & Game.GetCX(2) & \" \" & GetCX(3)",
                                   "  ThisGuy.xPos = ThisGuy.xPos + 1",
                                   "End Sub"});
    addType("A", 3, 1, "u", code);
    project.UnitTypes[1].DeployLeft = 10;
    ASSERT_EQ(runHeadless("1"), RunOutcome::Completed);
    // Unit i's own entry keeps its values from the refresh before the turn before (zeros at
    // first); the last unit is a contact for the others like any other unit.
    EXPECT_EQ(dialogs.messages(), (std::vector<std::string>{"u: 0 10 10", "u: 11 10 10", "u: 11 11 10",
                                                            "u: 11 11 11", "u: 12 11 11", "u: 12 12 11"}));
    EXPECT_EQ(observer.passes, (std::vector<std::int32_t>{1, 2}));
}

TEST_F(BattleRunTest, StatementsOutsideProceduresRunWithBothObjectsPresent)
{
    addType("A", 2, 1, "knight", crlf({"MsgBox \"top \" & ThisGuy.Figure & \" \" & Game.GetCT(0)",
                                       "Sub Main", "  MsgBox \"main\"", "End Sub"}));
    ASSERT_EQ(runHeadless("0"), RunOutcome::Completed);
    EXPECT_EQ(dialogs.messages(), (std::vector<std::string>{"top knight 0", "main", "top knight 0", "main"}));
}

TEST_F(BattleRunTest, UnitsWithoutLifeStillRunAndAttackHurtsTheOtherArmy)
{
    addType("Red", 1, 1, "red",
            crlf({"Sub Main", "  If Attack(2, 60) Then MsgBox \"down\"", "End Sub"}));
    addType("Blue", 1, 2, "blue", crlf({"Sub Main", "  MsgBox \"blue \" & ThisGuy.Maxlife", "End Sub"}));
    ASSERT_EQ(runHeadless("1"), RunOutcome::Completed);
    EXPECT_EQ(dialogs.messages(),
              (std::vector<std::string>{
                  "Avatars(2) took 60 points of damage.  His Health is now at:40.  Contact Health at: 100",
                  "blue 40",
                  "Avatars(2) took 60 points of damage.  His Health is now at:0.  Contact Health at: 40", "down",
                  "blue 0"}));
}

TEST_F(BattleRunTest, AttackMessagesCanBeLeftOut)
{
    addType("Red", 2, 1, "red", crlf({"Sub Main", "  Attack 1, 1", "End Sub"}));
    RunOptions options = headless("quiet.an8");
    options.attackMessages = false;
    ASSERT_EQ(runWith("2", options), RunOutcome::Completed);
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(lastRun().Avatars().find(1)->Maxlife, 94);
}

TEST_F(BattleRunTest, ASyntaxErrorIsReportedByTheCheckAndEndsTheRunAtItsFirstTurn)
{
    addType("Good", 1, 1, "good", EmptyMain);
    addType("Bad", 1, 2, "bad", "Sub Main\r\n  x = (1\r\nEnd Sub");
    ASSERT_EQ(runHeadless("5"), RunOutcome::Terminated);
    const auto messages = dialogs.messages();
    ASSERT_EQ(messages.size(), 3u) << ::testing::PrintToString(messages);
    EXPECT_EQ(messages[0].rfind("Error ", 0), 0u);
    EXPECT_NE(messages[0].find(" line: 2 column: "), std::string::npos) << messages[0];
    EXPECT_EQ(messages[1].rfind("Error ", 0), 0u);
    EXPECT_NE(messages[1].find(" line: 2 - "), std::string::npos) << messages[1];
    EXPECT_NE(messages[1].find("compilation error - Failed code uses figure: bad"), std::string::npos) << messages[1];
    EXPECT_EQ(messages[2], "simulation terminated");
    EXPECT_FALSE(fs::exists(path("scene.an8")));
    EXPECT_TRUE(lastRun().outputText().empty());
    EXPECT_EQ(observer.captions, (std::vector<std::string>{RunningCaption, IdleCaption}));
}

TEST_F(BattleRunTest, ARuntimeErrorNamesItsLineAndTheUnitsFigure)
{
    addType("A", 1, 1, "archer", crlf({"Sub Main", "  ThisGuy.SetMiscData 1, \"ok\"", "  ThisGuy.SetMiscData 11, \"x\"",
                                       "End Sub"}));
    ASSERT_EQ(runHeadless("60"), RunOutcome::Terminated);
    EXPECT_EQ(dialogs.messages(),
              (std::vector<std::string>{
                  "Error Subscript out of range line: 3 - Microsoft VBScript runtime error - Failed code uses figure: archer",
                  "simulation terminated"}));
    Avatar unit = *lastRun().Avatars().find(1);
    EXPECT_EQ(unit.GetMiscData(1), "ok"); // the unit keeps the state it reached
    EXPECT_TRUE(observer.passes.empty());
}

// Where a turn fails, as the run's message and the observer give it: the line (and column) of
// the statement that failed, wherever the fault was found. Unit 1 of type "A" runs an empty
// Main; unit 2 of type "B" runs the case's script.
struct FailureCase {
    std::vector<std::string> script;
    const char* message;
    const char* failure;
};

class TurnFailureTest : public BattleRunTest, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(TurnFailureTest, TheMessageNamesTheLineOfTheStatementThatFailed)
{
    addType("A", 1, 1, "a", EmptyMain);
    addType("B", 1, 2, "b", crlf(GetParam().script));
    RunOptions options = headless();
    options.scriptTimeLimit = std::chrono::milliseconds(50);
    options.askToKeepWaiting = false;
    ASSERT_EQ(runWith("1", options), RunOutcome::Terminated);
    EXPECT_EQ(dialogs.messages(), (std::vector<std::string>{GetParam().message, "simulation terminated"}));
    EXPECT_EQ(observer.failures, std::vector<std::string>{GetParam().failure});
}

INSTANTIATE_TEST_SUITE_P(
    Places, TurnFailureTest,
    ::testing::Values(
        // a host object's member refusing its argument
        FailureCase{{"Sub Main", "  ThisGuy.whatFrame = 1", "  ThisGuy.SetMiscData 11, \"x\"", "End Sub"},
                    "Error Subscript out of range line: 3 - Microsoft VBScript runtime error - Failed code uses "
                    "figure: b",
                    "unit 2 type B line 3 column 3"},
        // Game methods given an argument of the wrong kind or the wrong number of them
        FailureCase{{"Sub Main", "  x = 1", "    y = Game.GetCX(\"abc\")", "End Sub"},
                    "Error Type mismatch line: 3 - Microsoft VBScript runtime error - Failed code uses figure: b",
                    "unit 2 type B line 3 column 5"},
        FailureCase{{"Sub Main", "  Game.SetContactPos 1, 2", "End Sub"},
                    "Error Wrong number of arguments or invalid property assignment line: 2 - Microsoft VBScript "
                    "runtime error - Failed code uses figure: b",
                    "unit 2 type B line 2 column 3"},
        // the statement of a procedure that Main calls, and the script's top-level statements
        FailureCase{{"Sub Main", "  Helper", "End Sub", "Sub Helper", "  x = 1", "  x = x / 0", "End Sub"},
                    "Error Division by zero line: 6 - Microsoft VBScript runtime error - Failed code uses figure: b",
                    "unit 2 type B line 6 column 3"},
        FailureCase{{"x = 1", "x = CLng(\"a\")", "Sub Main", "End Sub"},
                    "Error Type mismatch line: 2 - Microsoft VBScript runtime error - Failed code uses figure: b",
                    "unit 2 type B line 2 column 1"},
        // a Main that wants arguments fails where it is declared
        FailureCase{{"' the run calls Main without arguments", "Sub Main(target)", "End Sub"},
                    "Error Wrong number of arguments or invalid property assignment line: 2 - Microsoft VBScript "
                    "runtime error - Failed code uses figure: b",
                    "unit 2 type B line 2 column 1"},
        // arrays too large for memory fail at their Dim, in Main, in a procedure or at the top
        FailureCase{{"Sub Main", "  x = 1", "  Dim cells(2000000000)", "End Sub"},
                    "Error Out of memory line: 3 - Microsoft VBScript runtime error - Failed code uses figure: b",
                    "unit 2 type B line 3 column 7"},
        FailureCase{{"Sub Main", "  Helper", "End Sub", "Sub Helper", "  Dim few(3), cells(3, 2000000000)", "End Sub"},
                    "Error Out of memory line: 5 - Microsoft VBScript runtime error - Failed code uses figure: b",
                    "unit 2 type B line 5 column 15"},
        FailureCase{{"x = 1", "Dim cells(2000000000)", "Sub Main", "End Sub"},
                    "Error Out of memory line: 2 - Microsoft VBScript runtime error - Failed code uses figure: b",
                    "unit 2 type B line 2 column 5"},
        // a script stopped at its time limit, in the statement that was running
        FailureCase{{"Sub Main", "  x = 1", "  Do", "  Loop", "End Sub"},
                    "Error The script computed for more than 50 milliseconds and was stopped line: 3 - Kestrelon "
                    "script host - Failed code uses figure: b",
                    "unit 2 type B line 3 column 3"},
        // No line of the script runs when the run calls a Main that is not there: line 0.
        FailureCase{{"Sub Other", "End Sub"},
                    "Error Sub or Function not defined line: 0 - Microsoft VBScript runtime error - Failed code uses "
                    "figure: b",
                    "unit 2 type B line 0 column 0"},
        // Nor while the run enters the other units in a contact table a script made too small:
        // unit 2 leaves room for one contact, so unit 1's next turn cannot begin.
        FailureCase{{"Sub Main", "  SetNumContacts 1", "End Sub"},
                    "Error Subscript out of range line: 0 - Microsoft VBScript runtime error - Failed code uses "
                    "figure: a",
                    "unit 1 type A line 0 column 0"}));

TEST_F(BattleRunTest, AScriptWithoutMainEndsTheRunAtItsFirstTurn)
{
    addType("A", 1, 1, "a", EmptyMain);
    addType("B", 1, 1, "b", "Sub Other\r\nEnd Sub");
    ASSERT_EQ(runHeadless("0"), RunOutcome::Terminated);
    const auto messages = dialogs.messages();
    ASSERT_EQ(messages.size(), 2u) << ::testing::PrintToString(messages);
    EXPECT_NE(messages[0].find(" - Failed code uses figure: b"), std::string::npos) << messages[0];
}

TEST_F(BattleRunTest, TwoTypesOfTheSameNameGiveACheckMessageAndBothRun)
{
    addType("Twin", 1, 1, "one", "Sub Main\r\nMsgBox \"one\"\r\nEnd Sub");
    addType("Twin", 1, 2, "two", "Sub Main\r\nMsgBox \"two\"\r\nEnd Sub");
    ASSERT_EQ(runHeadless("0"), RunOutcome::Completed);
    const auto messages = dialogs.messages();
    ASSERT_EQ(messages.size(), 3u) << ::testing::PrintToString(messages);
    EXPECT_EQ(messages[0].rfind("Error ", 0), 0u);
    EXPECT_EQ(messages[1], "one");
    EXPECT_EQ(messages[2], "two");
}

struct FrameCase {
    const char* text;
    std::int32_t passes;
};

class FrameCountTest : public BattleRunTest, public ::testing::WithParamInterface<FrameCase> {};

TEST_P(FrameCountTest, PassesAreOneMoreThanTheFrameCount)
{
    addType("A", 1, 1, "a", "Sub Main\r\nThisGuy.whatFrame = ThisGuy.whatFrame + 1\r\nEnd Sub");
    ASSERT_EQ(runHeadless(GetParam().text), RunOutcome::Completed);
    EXPECT_EQ(lastRun().passesMade(), GetParam().passes);
    EXPECT_EQ(lastRun().Avatars().find(1)->whatFrame, GetParam().passes);
}

INSTANTIATE_TEST_SUITE_P(Texts, FrameCountTest,
                         ::testing::Values(FrameCase{"0", 1}, FrameCase{"", 1}, FrameCase{"none", 1},
                                           FrameCase{"-4", 1}, FrameCase{"2.5", 3}, FrameCase{"3.5", 5},
                                           FrameCase{"60 abc", 61}, FrameCase{" 1 2", 13},
                                           FrameCase{"-1e12", 1}));

struct FrameTextCase {
    const char* text;
    std::optional<std::int32_t> frames;
};

class ReadFrameCountTest : public ::testing::TestWithParam<FrameTextCase> {};

// The largest count still has a pass count (one more) in the 32-bit range; anything above is
// refused, however it is written, while anything below the range makes one pass.
TEST_P(ReadFrameCountTest, CountsUpToTheLargestPassCountAreRead)
{
    EXPECT_EQ(readFrameCount(GetParam().text), GetParam().frames) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ReadFrameCountTest,
    ::testing::Values(FrameTextCase{"2147483646", 2147483646}, FrameTextCase{"2147483645.5", 2147483646},
                      FrameTextCase{"2147483646.5", 2147483646}, FrameTextCase{"2147483646.6", std::nullopt},
                      FrameTextCase{"2147483647", std::nullopt}, FrameTextCase{"2147483648", std::nullopt},
                      FrameTextCase{"1e10", std::nullopt}, FrameTextCase{"1e309", std::nullopt},
                      FrameTextCase{"-2147483649", 0}, FrameTextCase{"-1e309", 0}, FrameTextCase{"abc", 0}));

TEST_F(BattleRunTest, AFrameCountTooLargeChangesNothing)
{
    addType("A", 1, 1, "a", EmptyMain);
    ASSERT_EQ(runWith("2147483647", RunOptions{}), RunOutcome::NotStarted);
    EXPECT_EQ(dialogs.shown, std::vector<std::string>{"message: The number of frames is too large: 2147483647 "
                                                      "(a run makes at most 2147483646 frames)"});
}

TEST_F(BattleRunTest, AnEmptyProjectMakesAnEmptyScene)
{
    ASSERT_EQ(runHeadless("60"), RunOutcome::Completed);
    EXPECT_EQ(lastRun().passesMade(), 61);
    EXPECT_EQ(lastRun().outputText(), "");
    EXPECT_EQ(bytesOf(path("scene.an8")), an8::sceneHead() + "}  ");
    EXPECT_TRUE(dialogs.shown.empty());
}

// A seeded run repeats exactly although its units deploy at random and their scripts draw with
// OneToTen and MovetoRandom; another seed gives another battle.
TEST_F(BattleRunTest, TheSameSeedWritesTheSameScene)
{
    const std::string draws =
        crlf({"Sub Main",
              "  ThisGuy.seqOutput = ThisGuy.seqOutput & DoSomething(\"pose\" & OneToTen(), ThisGuy.whatFrame)",
              "  ThisGuy.posOutput = ThisGuy.posOutput & MovetoRandom(ThisGuy.whatFrame, 2)",
              "  ThisGuy.whatFrame = ThisGuy.whatFrame + 1", "End Sub"});
    for (std::int32_t team : {1, 2}) {
        UnitType& type = project.UnitTypes[addType("Army" + std::to_string(team), 3, team, "unit", draws)];
        type.DeployWidth = 100;
        type.DeployHeight = 50;
    }
    auto sceneOfSeed = [&](std::uint32_t seed) {
        random = RandomGenerator::repeatable(seed);
        EXPECT_EQ(runHeadless("6"), RunOutcome::Completed);
        return bytesOf(path("scene.an8"));
    };
    const std::string first = sceneOfSeed(42);
    EXPECT_NE(first.find("namedsequence { \"pose"), std::string::npos);
    EXPECT_NE(first.find(" pointkey { "), std::string::npos);
    EXPECT_EQ(sceneOfSeed(42), first);
    EXPECT_NE(sceneOfSeed(43), first);
}

TEST_F(BattleRunTest, TheWindowsRunSavesTheProjectThenAsksForTheScene)
{
    addType("A", 1, 1, "a", EmptyMain);
    dialogs.files = {path("battle.kst"), path("battle.an8")};
    ASSERT_EQ(runWith("1", RunOptions{}), RunOutcome::Completed);
    EXPECT_EQ(dialogs.shown, (std::vector<std::string>{"save", "message: Select where to save the file", "save"}));
    ASSERT_EQ(dialogs.saveDialogs.size(), 2u);
    EXPECT_EQ(dialogs.saveDialogs[0].defaultExtension, "kst");
    // The scene dialog proposes the project's name as an An8 file, never the project itself.
    EXPECT_EQ(dialogs.saveDialogs[1].fileName, path("battle.an8"));
    EXPECT_EQ(dialogs.saveDialogs[1].defaultExtension, "an8");
    EXPECT_NE(dialogs.saveDialogs[1].filter.find("*.an8"), std::string::npos);
    EXPECT_EQ(projectDialog.fileName, path("battle.kst"));
    EXPECT_TRUE(fs::exists(path("battle.kst")));
    EXPECT_TRUE(lastRun().projectSaved());
    EXPECT_EQ(lastRun().scenePath(), path("battle.an8"));
    EXPECT_EQ(lastRun().sceneSize(), fs::file_size(path("battle.an8")));
    EXPECT_EQ(observer.captions, (std::vector<std::string>{RunningCaption, IdleCaption}));
}

TEST_F(BattleRunTest, CancellingTheProjectSaveCancelsTheRun)
{
    addType("A", 1, 1, "a", "Sub Main\r\nMsgBox \"ran\"\r\nEnd Sub");
    dialogs.files = {std::nullopt};
    ASSERT_EQ(runWith("1", RunOptions{}), RunOutcome::SaveCancelled);
    EXPECT_EQ(dialogs.shown, std::vector<std::string>{"save"});
    EXPECT_EQ(lastRun().Avatars().NumAvatars(), 0);
    EXPECT_FALSE(lastRun().projectSaved());
    EXPECT_TRUE(observer.captions.empty());
}

TEST_F(BattleRunTest, AProjectThatCannotBeSavedIsReportedAndTheRunDoesNotStart)
{
    addType("A", 1, 1, "a", "Sub Main\r\nMsgBox \"ran\"\r\nEnd Sub");
    dialogs.files = {path("missing-folder/battle.kst")};
    ASSERT_EQ(runWith("1", RunOptions{}), RunOutcome::NotStarted);
    const auto messages = dialogs.messages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find("missing-folder/battle.kst"), std::string::npos) << messages[0];
}

TEST_F(BattleRunTest, CancellingTheSceneDialogWritesNothingAndRestoresTheCaption)
{
    addType("A", 1, 1, "a", EmptyMain);
    dialogs.files = {path("battle.kst"), std::nullopt};
    ASSERT_EQ(runWith("1", RunOptions{}), RunOutcome::SceneCancelled);
    EXPECT_FALSE(fs::exists(path("battle.an8")));
    EXPECT_FALSE(lastRun().outputText().empty());
    EXPECT_EQ(observer.output, lastRun().outputText());
    EXPECT_EQ(observer.captions.back(), IdleCaption);
}

TEST_F(BattleRunTest, ASceneThatCannotBeWrittenIsReported)
{
    addType("A", 1, 1, "a", EmptyMain);
    ASSERT_EQ(runHeadless("1", "no-such-folder/scene.an8"), RunOutcome::SceneNotWritten);
    const auto messages = dialogs.messages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].rfind("The scene could not be written: ", 0), 0u) << messages[0];
    EXPECT_EQ(observer.captions.back(), IdleCaption);
}

// The spellings of one project file that a scene path may use: the scene would replace the
// project and every script in it, so each of them is refused.
struct SpellingCase {
    const char* name;
    std::string (*spell)(const fs::path& project);
};

class SceneOverProjectTest : public BattleRunTest, public ::testing::WithParamInterface<SpellingCase> {
protected:
    std::string projectPath() const { return path("battle.kst"); }
    void SetUp() override
    {
        BattleRunTest::SetUp();
        fs::create_directories(dir / "sub");
        addType("A", 1, 1, "a", "Sub Main\r\n  ThisGuy.posOutput = \"moved\"\r\nEnd Sub");
        SaveProject(project, projectPath());
    }
    void expectProjectKept() const
    {
        EXPECT_EQ(LoadProject(projectPath()).UnitTypes[1].Code, project.UnitTypes[1].Code);
    }
};

TEST_P(SceneOverProjectTest, TheCommandLineRefusesBeforeTheRun)
{
    projectDialog.fileName = projectPath();
    RunOptions options = headless();
    options.scenePath = GetParam().spell(projectPath());
    ASSERT_EQ(runWith("1", options), RunOutcome::NotStarted) << GetParam().name;
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages()[0].rfind("The scene could not be written: ", 0), 0u) << dialogs.messages()[0];
    EXPECT_NE(dialogs.messages()[0].find("is the project file"), std::string::npos) << dialogs.messages()[0];
    EXPECT_EQ(lastRun().Avatars().NumAvatars(), 0);
    EXPECT_TRUE(observer.captions.empty());
    expectProjectKept();
}

// The scene path is spelled when the scene dialog opens, after the run saved the project anew
// (a hard link made earlier would name the project's former file).
TEST_P(SceneOverProjectTest, TheWindowRefusesTheDialogsAnswerAndKeepsTheOutput)
{
    dialogs.files = {projectPath()};
    dialogs.lateAnswer = [this] { return GetParam().spell(projectPath()); };
    ASSERT_EQ(runWith("1", RunOptions{}), RunOutcome::SceneNotWritten) << GetParam().name;
    const auto messages = dialogs.messages();
    ASSERT_EQ(messages.size(), 2u) << ::testing::PrintToString(messages);
    EXPECT_EQ(messages[1].rfind("The scene could not be written: ", 0), 0u) << messages[1];
    EXPECT_NE(lastRun().outputText().find("moved"), std::string::npos);
    EXPECT_EQ(observer.output, lastRun().outputText());
    EXPECT_EQ(observer.captions.back(), IdleCaption);
    expectProjectKept();
}

INSTANTIATE_TEST_SUITE_P(
    Spellings, SceneOverProjectTest,
    ::testing::Values(
        SpellingCase{"same", [](const fs::path& p) { return p.string(); }},
        SpellingCase{"relative", [](const fs::path& p) { return fs::relative(p).string(); }},
        SpellingCase{"dots", [](const fs::path& p) { return (p.parent_path() / "sub/../." / p.filename()).string(); }},
        SpellingCase{"doubled slash",
                     [](const fs::path& p) { return p.parent_path().string() + "//" + p.filename().string(); }},
        SpellingCase{"symbolic link",
                     [](const fs::path& p) {
                         fs::create_symlink(p, p.parent_path() / "sub/link.kst");
                         return (p.parent_path() / "sub/link.kst").string();
                     }},
        SpellingCase{"folder link",
                     [](const fs::path& p) {
                         fs::create_directory_symlink(p.parent_path(), p.parent_path() / "sub/up");
                         return (p.parent_path() / "sub/up" / p.filename()).string();
                     }},
        SpellingCase{"hard link", [](const fs::path& p) {
                         fs::create_hard_link(p, p.parent_path() / "sub/hard.kst");
                         return (p.parent_path() / "sub/hard.kst").string();
                     }}));

TEST_F(BattleRunTest, ASceneBesideTheProjectOrOverAnotherProjectIsWritten)
{
    addType("A", 1, 1, "a", EmptyMain);
    SaveProject(project, path("battle.kst"));
    SaveProject(project, path("other.kst"));
    projectDialog.fileName = path("battle.kst");
    ASSERT_EQ(runHeadless("0", "other.kst"), RunOutcome::Completed);
    EXPECT_EQ(bytesOf(path("other.kst")).rfind(an8::sceneHead(), 0), 0u);
    fs::create_directories(dir / "copy");
    SaveProject(project, path("copy/battle.kst"));
    ASSERT_EQ(runHeadless("0", "copy/battle.kst"), RunOutcome::Completed);
}

TEST_F(BattleRunTest, TooManyUnitsAreReportedBeforeAnyFrame)
{
    addType("Swarm", 1e11, 1, "a", EmptyMain);
    ASSERT_EQ(runHeadless("1"), RunOutcome::NotStarted);
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_NE(dialogs.messages()[0].find("\"Swarm\""), std::string::npos);
    EXPECT_TRUE(observer.captions.empty());
}

TEST_F(BattleRunTest, AScriptPastItsTimeLimitEndsTheRunWhenTheUserStopsWaiting)
{
    addType("Loop", 1, 1, "looper", "Sub Main\r\nDo\r\nLoop\r\nEnd Sub");
    RunOptions options = headless("loop.an8");
    options.scriptTimeLimit = std::chrono::milliseconds(50);
    dialogs.answers = {true, false}; // wait once more, then stop
    ASSERT_EQ(runWith("1", options), RunOutcome::Terminated);
    const auto& shown = dialogs.shown;
    ASSERT_EQ(shown.size(), 4u) << ::testing::PrintToString(shown);
    EXPECT_EQ(shown[0], "question: The script of unit 1 (figure looper) has been running for more than 0.05 seconds. "
                        "Keep waiting?");
    EXPECT_EQ(shown[1], shown[0]);
    EXPECT_NE(shown[2].find(" - Failed code uses figure: looper"), std::string::npos) << shown[2];
    EXPECT_EQ(shown[3], "message: simulation terminated");
}

TEST_F(BattleRunTest, WithoutAskingAScriptPastItsTimeLimitIsStopped)
{
    addType("Loop", 1, 1, "looper", "Sub Main\r\nDo\r\nLoop\r\nEnd Sub");
    RunOptions options = headless("loop.an8");
    options.scriptTimeLimit = std::chrono::milliseconds(20);
    options.askToKeepWaiting = false;
    ASSERT_EQ(runWith("1", options), RunOutcome::Terminated);
    EXPECT_EQ(dialogs.messages().size(), 2u);
}

// Cancel is honoured between turns: the units stop with whole turns made, the user is told,
// and nothing is written, not even when the scene path was given beforehand.
TEST_F(BattleRunTest, CancelStopsAfterTheCurrentTurnAndWritesNothing)
{
    addType("A", 3, 1, "a", "Sub Main\r\nThisGuy.whatFrame = ThisGuy.whatFrame + 1\r\nEnd Sub");
    observer.cancelAfterCalls = 4; // after the first unit's turn of the second pass
    ASSERT_EQ(runHeadless("5", "cancelled.an8"), RunOutcome::Cancelled);
    EXPECT_EQ(dialogs.messages(), std::vector<std::string>{"The run was cancelled. No scene was written."});
    EXPECT_FALSE(fs::exists(path("cancelled.an8")));
    EXPECT_EQ(observer.passes, std::vector<std::int32_t>{1});
    EXPECT_TRUE(lastRun().outputText().empty());
    EXPECT_EQ(observer.captions.back(), IdleCaption);
    const AvatarTable& units = lastRun().Avatars();
    EXPECT_EQ(units.find(1)->whatFrame, 2);
    EXPECT_EQ(units.find(2)->whatFrame, 1);
    EXPECT_EQ(units.find(3)->whatFrame, 1);
}

// A long turn still lets the window repaint: the observer hears from the run while the
// script computes, not only between turns.
TEST_F(BattleRunTest, ALongTurnKeepsCallingTheObserver)
{
    addType("Busy", 1, 1, "busy", "Sub Main\r\nDim i, s\r\nFor i = 1 To 300000\r\ns = s + i\r\nNext\r\nEnd Sub");
    ASSERT_EQ(runHeadless("0"), RunOutcome::Completed);
    EXPECT_GT(observer.workingCalls, 10);
}

} // namespace
} // namespace kestrelon::sim

namespace kestrelon::sim {
namespace {

// A script may rewrite its own unit's Code: the unit runs the new text from its next turn, a
// text that does not compile ends the run there, and the other units of the type keep theirs.
TEST_F(BattleRunTest, AUnitThatRewritesItsScriptRunsTheNewTextFromItsNextTurn)
{
    addType("Shifter", 2, 1, "s",
            "Sub Main\r\nThisGuy.whatFrame = ThisGuy.whatFrame + 1\r\n"
            "If ThisGuy.Team = 1 And ThisGuy.whatFrame = 2 Then ThisGuy.Code = \"Sub Main\" & vbCrLf & "
            "\"ThisGuy.whatFrame = ThisGuy.whatFrame + 100\" & vbCrLf & \"End Sub\"\r\nEnd Sub");
    ASSERT_EQ(runHeadless("3"), RunOutcome::Completed);
    // Both units rewrite their Code at their second turn; turns 3 and 4 run the new text.
    EXPECT_EQ(lastRun().Avatars().find(1)->whatFrame, 202);
    EXPECT_EQ(lastRun().Avatars().find(2)->whatFrame, 202);
}

TEST_F(BattleRunTest, AScriptRewrittenIntoOneThatDoesNotCompileEndsTheRunAtThatUnitsNextTurn)
{
    addType("Breaker", 2, 1, "b", "Sub Main\r\nIf ThisGuy.xPos = 0 Then ThisGuy.Code = \"Sub Main(\"\r\nEnd Sub");
    project.UnitTypes[1].DeployWidth = 0;
    ASSERT_EQ(runHeadless("3"), RunOutcome::Terminated);
    EXPECT_EQ(observer.failures.size(), 1u);
    EXPECT_EQ(observer.failures[0].rfind("unit 1 ", 0), 0u) << observer.failures[0];
}

} // namespace
} // namespace kestrelon::sim
