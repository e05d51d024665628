// The script host as the battle run uses it: Reset, modules, AddCode, Run and Error; reuse of
// compiled texts behaving exactly like compiling again; the runaway limits (time, recursion,
// memory).
#include "InterpreterTestSupport.h"

#include "vbscript/host/HostBinding.h"
#include "vbscript/values/Limits.h"
#include "vbscript/syntax/Parser.h"

#include <gtest/gtest.h>

#include <memory>
#include <pthread.h>

namespace kestrelon::vbs::testing {
namespace {

using kestrelon::testing::ScriptedDialogs;

// A host object with one property, enough to see what a host keeps or forgets across resets.
class Unit : public HostObject<Unit> {
public:
    double xPos = 0;

    static const HostClass<Unit>& binding()
    {
        static const HostClass<Unit> table = [] {
            HostClass<Unit> members("Unit");
            members.property("xPos", &Unit::xPos);
            return members;
        }();
        return table;
    }
};

class ScriptControlTest : public ::testing::Test {
protected:
    ScriptControlTest() { host.setDialogs(&dialogs); }

    std::string add(const std::string& code) { return runIn(host, dialogs, code); }
    std::string runMain(const std::string& name = "Main")
    {
        dialogs.shown.clear();
        const bool ok = host.Run(name);
        return joinedMessages(dialogs) + (ok ? "" : " !" + errorMessage(host.Error()));
    }

    ScriptedDialogs dialogs;
    ScriptControl host;
};

TEST_F(ScriptControlTest, AddCodeRunsTopLevelStatementsAndKeepsProceduresForRun)
{
    EXPECT_EQ(add("Sub Main\nMsgBox \"main \" & x\nEnd Sub\nx = 5\nMsgBox \"top\""), "top");
    EXPECT_EQ(runMain(), "main 5");
    EXPECT_EQ(runMain("MAIN"), "main 5");
}

TEST_F(ScriptControlTest, RunOfAMissingProcedureIsAnError)
{
    add("x = 1");
    EXPECT_FALSE(host.Run("Main"));
    EXPECT_EQ(host.Error().Number, 35);
    EXPECT_EQ(host.Error().Description, "Sub or Function not defined");
    EXPECT_EQ(host.Error().Source, RuntimeErrorSource);
    EXPECT_FALSE(host.Run("x"));
    EXPECT_EQ(host.Error().Number, 35);
}

TEST_F(ScriptControlTest, RunOfAProcedureWithParametersIsAWrongArgumentCount)
{
    add("Sub Main(a)\nEnd Sub");
    EXPECT_FALSE(host.Run("Main"));
    EXPECT_EQ(host.Error().Number, 450);
}

TEST_F(ScriptControlTest, ResetDiscardsCodeObjectsAndVariables)
{
    add("x = 5\nSub Main\nMsgBox \"old\"\nEnd Sub");
    host.AddObject("Thing", std::make_shared<Unit>(), true);
    host.Reset();
    EXPECT_EQ(runMain(), " !Error Sub or Function not defined line: 0 column: 0");
    dialogs.shown.clear();
    EXPECT_EQ(add("MsgBox TypeName(x) & IsObject(Thing) & TypeName(xPos)"), "EmptyFalseEmpty");
}

// A reset ends the script level as the end of a script does: each instance the variables
// hold runs its Class_Terminate in the order the variables were made; one that fails does not
// keep the next from running, one that never ends is stopped by the time limit, after which
// no more script code runs, and the host keeps working.
TEST_F(ScriptControlTest, ResetRunsClassTerminateOfTheInstancesTheLevelHolds)
{
    host.setTimeLimit(std::chrono::milliseconds(200));
    add("Class T\nPublic Tag\nSub Class_Terminate\nIf Tag = \"spin\" Then\nDo\nLoop\nEnd If\n"
        "If Tag = \"fail\" Then Err.Raise 5\nMsgBox \"gone \" & Tag\nEnd Sub\nEnd Class\n"
        "Set a = New T\na.Tag = \"a\"\nSet b = New T\nb.Tag = \"fail\"\nSet c = New T\nc.Tag = \"c\"\n"
        "Set d = c\nSet e = New T\ne.Tag = \"spin\"\nSet f = New T\nf.Tag = \"after the spin\"");
    dialogs.shown.clear();
    host.Reset();
    EXPECT_EQ(joinedMessages(dialogs), "gone a|gone c");
    dialogs.shown.clear();
    EXPECT_EQ(add("MsgBox TypeName(a) & \" still works\""), "Empty still works");
}

// Each Class_Terminate makes two more instances that go at once: a chain that would never
// end, and errors in Class_Terminate are not the script's to see; the time limit is.
TEST_F(ScriptControlTest, AClassTerminateThatKeepsMakingInstancesIsStoppedByTheTimeLimit)
{
    host.setTimeLimit(std::chrono::milliseconds(100));
    EXPECT_FALSE(host.AddCode("Class Chain\nPrivate Sub Class_Terminate\nDim other\nSet other = New Chain\n"
                              "Set other = New Chain\nEnd Sub\nEnd Class\nSet c = New Chain\nSet c = Nothing\n"
                              "MsgBox \"never\""));
    EXPECT_EQ(host.Error().Number, TimeLimitErrorNumber);
    EXPECT_TRUE(dialogs.shown.empty());
    host.Reset();
    EXPECT_EQ(add("MsgBox \"host still works\""), "host still works");
}

// A temporary instance that an error leaves behind (the operand of a "&" that fails, as the
// class has no default member) goes with the statement: its Class_Terminate has run by the
// time the error reaches the host, both ways of running (found by the both-ways fuzzer).
TEST_F(ScriptControlTest, AnErrorEndingTheScriptLetsGoOfItsTemporariesFirst)
{
    for (const bool compiled : {true, false}) {
        ScriptedDialogs shown;
        ScriptControl script;
        script.setDialogs(&shown);
        script.setCompiledCode(compiled);
        EXPECT_FALSE(script.AddCode("Class T\nSub Class_Terminate\nMsgBox \"gone\"\nEnd Sub\nEnd Class\n"
                                    "MsgBox \"start\"\nx = New T & \"a\"\nMsgBox \"never\""));
        EXPECT_EQ(script.Error().Number, 438);
        EXPECT_EQ(joinedMessages(shown), "start|gone") << (compiled ? "compiled" : "tree");
    }
}

TEST_F(ScriptControlTest, ModuleNamesMustBeNewIncludingTheGlobalModule)
{
    EXPECT_TRUE(host.AddModule("Tanks"));
    EXPECT_FALSE(host.AddModule("TANKS"));
    EXPECT_EQ(host.Error().Number, 457);
    EXPECT_FALSE(host.AddModule("Global"));
    EXPECT_TRUE(host.AddModule("Archers"));
    host.Reset();
    EXPECT_TRUE(host.AddModule("Tanks"));
}

TEST_F(ScriptControlTest, AddCodeToModuleOnlyCompiles)
{
    ASSERT_TRUE(host.AddModule("M"));
    EXPECT_TRUE(host.AddCodeToModule("M", "MsgBox \"never\"\nSub Main\nEnd Sub"));
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_FALSE(host.AddCodeToModule("M", "x = 1\nx = 1 2"));
    const ScriptErrorInfo& error = host.Error();
    EXPECT_EQ(error.Number, 1025);
    EXPECT_EQ(error.Description, "Expected end of statement");
    EXPECT_EQ(error.Source, CompileErrorSource);
    EXPECT_EQ(error.Line, 2);
    EXPECT_EQ(error.Column, 7);
    EXPECT_FALSE(host.AddCodeToModule("Unknown", "x = 1"));
    EXPECT_FALSE(host.Run("Main")) << "module code is not in the global module";
}

TEST_F(ScriptControlTest, ErrorHoldsTheFaultUntilCleared)
{
    EXPECT_FALSE(host.AddCode("\n  x = 1 / 0"));
    const ScriptErrorInfo& error = host.Error();
    EXPECT_EQ(error.Number, 11);
    EXPECT_EQ(error.Description, "Division by zero");
    EXPECT_EQ(error.Source, RuntimeErrorSource);
    EXPECT_EQ(error.Line, 2);
    EXPECT_EQ(error.Column, 3);
    host.ClearError();
    EXPECT_EQ(host.Error().Number, 0);
    EXPECT_EQ(host.Error().Description, "");
}

TEST_F(ScriptControlTest, CodesAddedOneAfterAnotherShareTheScriptLevel)
{
    add("Dim total\ntotal = 2\nSub A\nMsgBox \"first A\"\nEnd Sub");
    EXPECT_EQ(add("MsgBox total * 2\nA"), "4|first A");
    dialogs.shown.clear();
    EXPECT_EQ(add("Sub A\nMsgBox \"second A\"\nEnd Sub\nA"), "second A");
    dialogs.shown.clear();
    EXPECT_EQ(add("Const total = 3"), " !Error Name redefined line: 1 column: 7");
}

// The run adds the same script after every reset: reuse must give what compiling again gives.
TEST_F(ScriptControlTest, ReusedTextBehavesLikeRecompiledText)
{
    const std::string script = "n = n + 1\nMsgBox n & \" \" & Probe.xPos\nSub Main\nMsgBox \"main \" & n\nEnd Sub";
    for (const double x : {1.5, 2.5}) {
        host.Reset();
        dialogs.shown.clear();
        auto probe = std::make_shared<Unit>();
        probe->xPos = x;
        host.AddObject("Probe", probe, true);
        EXPECT_EQ(add(script), "1 " + std::to_string(x).substr(0, 3));
        EXPECT_EQ(runMain(), "main 1");
    }
}

TEST_F(ScriptControlTest, ReusedTextBindsNamesToWhatTheHostHasNow)
{
    const std::string script = "MsgBox \"[\" & xPos & \"]\"";
    auto unit = std::make_shared<Unit>();
    unit->xPos = 7;
    host.AddObject("ThisGuy", unit, true);
    EXPECT_EQ(add(script), "[7]");
    host.Reset();
    dialogs.shown.clear();
    EXPECT_EQ(add(script), "[]");
    host.Reset();
    dialogs.shown.clear();
    host.AddObject("ThisGuy", unit, true);
    EXPECT_EQ(add("Function xPos()\nxPos = \"script\"\nEnd Function\n" + script), "[script]");
}

TEST_F(ScriptControlTest, ReusedTextWithASyntaxErrorFailsTheSameWay)
{
    for (int i = 0; i < 2; ++i) {
        host.Reset();
        EXPECT_FALSE(host.AddCode("x = 1\nIf x Then"));
        EXPECT_EQ(errorMessage(host.Error()), "Error Expected 'End' line: 2 column: 10");
        EXPECT_EQ(host.Error().Source, CompileErrorSource);
    }
}

// A battle's turn: a reset, then a unit of its own, then the same compiled code, then Main.
// After the first turn the host puts the level it built back instead of making it again;
// every turn must still see what a level made afresh shows.
class LevelRebuildTest : public ScriptControlTest {
protected:
    std::string turn(const CompiledCode& code, double x, const char* objectName = "ThisGuy")
    {
        host.Reset();
        dialogs.shown.clear();
        auto unit = std::make_shared<Unit>();
        unit->xPos = x;
        host.AddObject(objectName, unit, true);
        const bool added = host.AddCode(code);
        std::string outcome = joinedMessages(dialogs);
        if (!added)
            return outcome + " !" + errorMessage(host.Error());
        return outcome + runMain();
    }
};

TEST_F(LevelRebuildTest, EveryTurnStartsFromTheLevelAsBuiltWithItsOwnObject)
{
    const CompiledCode code = host.compile("Dim count, cells(1), later()\nConst Step = 2\n"
                                           "count = count + Step\ncells(0) = cells(0) & \"c\"\n"
                                           "Sub Main\nReDim Preserve later(0)\nlater(0) = later(0) + 1\n"
                                           "MsgBox count & cells(0) & later(0) & \" \" & xPos & ThisGuy.xPos\nEnd Sub");
    for (const double x : {1.0, 2.0, 3.0})
        EXPECT_EQ(turn(code, x), "2c1 " + std::to_string(static_cast<int>(x)) + std::to_string(static_cast<int>(x)));
}

// A script variable made by one turn (here only when xPos is 1) is not there in the next:
// there Main's name is its own local, and Peek finds no script variable.
TEST_F(LevelRebuildTest, AVariableOneTurnMadeIsGoneInTheNext)
{
    const CompiledCode code = host.compile("If xPos = 1 Then made = \"top\"\n"
                                           "Sub Main\nmade = made & \"main\"\nMsgBox made & \"|\" & Peek()\nEnd Sub\n"
                                           "Function Peek()\nPeek = TypeName(made)\nEnd Function");
    EXPECT_EQ(turn(code, 1), "topmain|String");
    EXPECT_EQ(turn(code, 2), "main|Empty");
    EXPECT_EQ(turn(code, 2), "main|Empty");
    EXPECT_EQ(turn(code, 1), "topmain|String");
}

TEST_F(LevelRebuildTest, OtherPiecesGetALevelMadeAfresh)
{
    const CompiledCode code = host.compile("Sub Main\nMsgBox TypeName(ThisGuy) & \" \" & xPos\nEnd Sub");
    EXPECT_EQ(turn(code, 4), "Unit 4");
    EXPECT_EQ(turn(code, 5, "Other"), "Empty 5");
    EXPECT_EQ(turn(code, 6), "Unit 6");
    EXPECT_EQ(turn(host.compile("Sub Main\nMsgBox \"other code \" & xPos\nEnd Sub"), 7), "other code 7");
    EXPECT_EQ(turn(code, 8), "Unit 8");
}

// A reset followed by anything but the same pieces is a real reset: the objects added since
// are there, nothing of the code is.
TEST_F(LevelRebuildTest, AnUnfinishedRebuildIsARealReset)
{
    const CompiledCode code = host.compile("Sub Main\nMsgBox xPos\nEnd Sub");
    EXPECT_EQ(turn(code, 1), "1");
    host.Reset();
    host.AddObject("ThisGuy", std::make_shared<Unit>(), true);
    EXPECT_EQ(runMain(), " !Error Sub or Function not defined line: 0 column: 0");
    dialogs.shown.clear();
    EXPECT_EQ(add("MsgBox TypeName(ThisGuy)"), "Unit");

    EXPECT_EQ(turn(code, 2), "2");
    EXPECT_EQ(turn(host.compile("Sub Main\nx = \nEnd Sub"), 3), " !Error Syntax error line: 2 column: 5");
    dialogs.shown.clear();
    EXPECT_EQ(add("MsgBox xPos"), "3");
}

TEST_F(ScriptControlTest, AnEndlessLoopIsStoppedByTheTimeLimitWhateverTheErrorHandling)
{
    host.setTimeLimit(std::chrono::milliseconds(200));
    EXPECT_FALSE(host.AddCode("On Error Resume Next\nDo\n    x = x + 1\nLoop"));
    EXPECT_EQ(host.Error().Number, TimeLimitErrorNumber);
    EXPECT_EQ(host.Error().Description, "The script computed for more than 200 milliseconds and was stopped");
    EXPECT_GE(host.Error().Line, 2) << "the loop that was running";
    EXPECT_LE(host.Error().Line, 3) << "the loop that was running";
    EXPECT_TRUE(host.AddCode("MsgBox \"host still works\""));
}

// How often the time limit reads the processor clock while a script runs: a clock that never
// moves and counts its readings.
class ClockReadings {
public:
    explicit ClockReadings(ScriptControl& host)
    {
        host.setProcessorClock([this] {
            ++count;
            return std::chrono::nanoseconds(0);
        });
    }
    int count = 0;
};

class ExpensivePass : public ::testing::TestWithParam<const char*> {};

// Each of the four passes handles two megabytes or more, or a hundred thousand pieces of text,
// and each is checked: the clock used to be read only every 256 passes, whatever they cost.
// (Copying a text costs nothing: copies share it.)
TEST_P(ExpensivePass, IsCheckedAgainstTheTimeLimit)
{
    ScriptControl host;
    ClockReadings readings(host);
    ASSERT_TRUE(host.AddCode(GetParam())) << errorMessage(host.Error());
    EXPECT_GE(readings.count, 4) << GetParam();
}

INSTANTIATE_TEST_SUITE_P(ScriptControl, ExpensivePass,
                         ::testing::Values("For i = 1 To 4\n    s = Space(2000000)\nNext",
                                           "s = Space(2000000)\nFor i = 1 To 4\n    n = Len(s & \"\")\nNext",
                                           "s = Space(2000000)\nt = s\nFor i = 1 To 4\n    b = (s = t)\nNext",
                                           "s = Space(2000000)\nFor i = 1 To 4\n    n = InStr(s, \"x\")\nNext",
                                           "For i = 1 To 4\n    ReDim a(100000)\nNext",
                                           "ReDim a(100000)\nFor i = 1 To 4\n    b = a\n    b(0) = i\nNext",
                                           "a = Array(1)\nFor i = 1 To 4\n    ReDim Preserve a(100000 * i)\nNext",
                                           "s = String(100000, \"a\")\nFor i = 1 To 4\n    n = Len(Replace(s, \"a\", \"\"))\nNext",
                                           "a = Split(String(100000, \",\"), \",\")\nFor i = 1 To 4\n    j = Join(a, \"\")\nNext"));

TEST_F(ScriptControlTest, CheapPassesDoNotReadTheClock)
{
    ClockReadings readings(host);
    EXPECT_EQ(add("For i = 1 To 100\n    x = x + i & \"\"\n    y = Left(x, 2)\nNext\nMsgBox x"), "5050");
    EXPECT_EQ(readings.count, 0);
}

TEST_F(ScriptControlTest, AnExpensivePassIsStoppedOnceItsProcessorTimePassesTheLimit)
{
    std::chrono::nanoseconds now{0};
    host.setProcessorClock([&now] { return now += std::chrono::seconds(1); });
    host.setTimeLimit(std::chrono::milliseconds(2500));
    // The first reading starts the budget; the fourth finds it spent.
    EXPECT_EQ(add("For i = 1 To 10\n    MsgBox i\n    s = Space(2000000)\nNext"),
              "1|2|3|4 !Error The script computed for more than 2500 milliseconds and was stopped line: 3 column: 5");
    EXPECT_EQ(host.Error().Number, TimeLimitErrorNumber);
}

TEST_F(ScriptControlTest, TheTimeLimitAppliesToRunAndAsksWhetherToKeepWaiting)
{
    int asked = 0;
    host.setTimeLimit(std::chrono::milliseconds(50));
    host.setKeepWaiting([&asked] { return ++asked < 3; });
    ASSERT_TRUE(host.AddCode("Sub Main\nSpin\nEnd Sub\nSub Spin\nDo\nLoop\nEnd Sub"));
    EXPECT_FALSE(host.Run("Main"));
    EXPECT_EQ(host.Error().Number, TimeLimitErrorNumber);
    EXPECT_EQ(asked, 3);
}

TEST_F(ScriptControlTest, RunawayRecursionRaisesOutOfStackSpace)
{
    const std::string recursion = "Function R(n)\n    R = R(n + 1) + 1\nEnd Function\n";
    EXPECT_EQ(add(recursion + "x = R(1)"), " !Error Out of stack space line: 2 column: 5");
    dialogs.shown.clear();
    EXPECT_EQ(add(recursion + "On Error Resume Next\nx = R(1)\nMsgBox Err.Number"), "28");
}

// A host may run scripts on a thread with a small stack: the guard follows that thread's stack.
TEST(ScriptControlStack, RunawayRecursionOnASmallStackStillEndsInOutOfStackSpace)
{
    struct Outcome {
        bool ok = true;
        std::int32_t number = 0;
    } outcome;
    pthread_attr_t attributes;
    pthread_attr_init(&attributes);
    pthread_attr_setstacksize(&attributes, std::size_t{1} << 19);
    pthread_t thread;
    const auto body = [](void* data) -> void* {
        auto* result = static_cast<Outcome*>(data);
        ScriptControl host;
        result->ok = host.AddCode("Function R(n)\nR = R(n + 1) & (((n)))\nEnd Function\nx = R(1)");
        result->number = host.Error().Number;
        return nullptr;
    };
    ASSERT_EQ(pthread_create(&thread, &attributes, body, &outcome), 0);
    pthread_join(thread, nullptr);
    pthread_attr_destroy(&attributes);
    EXPECT_FALSE(outcome.ok);
    EXPECT_EQ(outcome.number, 28);
}

TEST_F(ScriptControlTest, RecursionWithinTheLimitWorks)
{
    EXPECT_EQ(add("Function Depth(n)\nIf n = 0 Then\nDepth = 0\nElse\nDepth = Depth(n - 1) + 1\nEnd If\nEnd Function\n"
                  "MsgBox Depth(500)"),
              "500");
}

class HugeAllocation : public ::testing::TestWithParam<const char*> {};

TEST_P(HugeAllocation, RaisesOutOfMemoryAndLeavesTheHostWorking)
{
    ScriptControl host;
    EXPECT_FALSE(host.AddCode(GetParam()));
    EXPECT_EQ(host.Error().Number, 7) << GetParam();
    EXPECT_TRUE(host.AddCode("x = Space(10)"));
}

INSTANTIATE_TEST_SUITE_P(ScriptControl, HugeAllocation,
                         ::testing::Values("s = Space(200000000)", "s = String(200000000, \"x\")",
                                           "ReDim a(100000000)", "ReDim a(5000, 5000)",
                                           "s = \"ab\"\nDo\n    s = s & s\nLoop",
                                           "s = \"ab\"\nDo\n    s = s + s\nLoop"));

// Freeing an array nested 100000 deep used to overflow the stack.
TEST_F(ScriptControlTest, DeeplyNestedArraysAreFreedWithoutExhaustingTheStack)
{
    EXPECT_EQ(add("a = 1\nFor i = 1 To 100000\n    a = Array(a)\nNext\na = 0\nMsgBox \"freed\""), "freed");
}

TEST_F(ScriptControlTest, DeeplyNestedExpressionsAreACompileError)
{
    const int depth = Parser::MaxNesting + 10;
    EXPECT_FALSE(host.AddCode("x = " + std::string(depth, '(') + "1" + std::string(depth, ')')));
    EXPECT_EQ(host.Error().Number, 1001);
}

} // namespace
} // namespace kestrelon::vbs::testing
