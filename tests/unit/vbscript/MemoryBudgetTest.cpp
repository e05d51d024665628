// The memory budget of scripts: what their values hold is counted as they are made and freed,
// a script that keeps more than its host's budget gets "Out of memory" (7) whatever way it
// keeps it, and the count comes back to where it was once the values are gone.
#include "InterpreterTestSupport.h"

#include "vbscript/values/HeldMemory.h"

#include <gtest/gtest.h>

namespace kestrelon::vbs::testing {
namespace {

constexpr std::size_t SmallBudget = std::size_t{4} << 20;

struct Hoarding {
    const char* script;
    int line; // where the budget runs out
};

class OverTheBudget : public ::testing::TestWithParam<Hoarding> {};

TEST_P(OverTheBudget, RaisesOutOfMemoryAndGivesEverythingBack)
{
    const std::size_t before = heldMemory();
    {
        ScriptControl host;
        host.setMemoryBudget(SmallBudget);
        EXPECT_FALSE(host.AddCode(GetParam().script));
        EXPECT_EQ(host.Error().Number, 7) << GetParam().script;
        EXPECT_EQ(host.Error().Description, "Out of memory");
        EXPECT_EQ(host.Error().Line, GetParam().line) << GetParam().script;
        EXPECT_LE(heldMemory(), before + SmallBudget);
        host.Reset();
        EXPECT_TRUE(host.AddCode("s = Space(1000000)")) << "the host works on after a reset";
    }
    EXPECT_EQ(heldMemory(), before);
}

// Every way a script may keep memory: no single value is anywhere near its own limit. Copies
// of one text share it and hold nothing more, so the texts kept here are all different.
INSTANTIATE_TEST_SUITE_P(
    ScriptControl, OverTheBudget,
    ::testing::Values(Hoarding{"ReDim a(100)\nFor i = 0 To 100\n    a(i) = Space(100000)\nNext", 3},
                      Hoarding{"s = Space(100000)\nReDim a(100)\nFor i = 0 To 100\n    a(i) = s & i\nNext", 4},
                      Hoarding{"Do\n    s = s & Space(100000)\nLoop", 2},
                      Hoarding{"ReDim a(100)\nFor i = 0 To 100\n    ReDim b(10000)\n    a(i) = b\nNext", 3},
                      Hoarding{"a = Array()\nDo\n    ReDim Preserve a(UBound(a) + 1000)\nLoop", 3},
                      Hoarding{"Dim a(100)\nFor i = 0 To 100\n    a(i) = Array(Space(100000), Space(100000))\nNext", 3},
                      Hoarding{"s = String(400000, \",\")\na = Split(s, \",\")", 2},
                      Hoarding{"Function Grow(n)\n    Grow = Space(100000) & n\nEnd Function\n"
                               "ReDim a(100)\nFor i = 0 To 100\n    a(i) = Grow(i)\nNext",
                               2}));

// Each text of 50000 units holds 100 KB: some tens of them fit in the budget.
TEST(MemoryBudget, UnderOnErrorResumeNextTheScriptGoesOnWithoutTheValue)
{
    ScriptControl host;
    kestrelon::testing::ScriptedDialogs dialogs;
    host.setMemoryBudget(SmallBudget);
    EXPECT_EQ(runIn(host, dialogs,
                    "On Error Resume Next\nDim a(100)\nFor i = 0 To 100\n    a(i) = Space(50000)\n"
                    "    If Err.Number = 7 Then Exit For\nNext\nMsgBox (i > 30 And i < 100) & \" \" & IsEmpty(a(i))"),
              "True True");
}

class HeldAfterwards : public ::testing::TestWithParam<const char*> {};

// What scripts make, copy, change and drop is given back exactly, errors included.
TEST_P(HeldAfterwards, IsWhatWasHeldBefore)
{
    const std::size_t before = heldMemory();
    {
        ScriptControl host;
        host.AddCode(GetParam());
        host.Reset();
        host.AddCode(GetParam());
    }
    EXPECT_EQ(heldMemory(), before) << GetParam();
}

INSTANTIATE_TEST_SUITE_P(
    ScriptControl, HeldAfterwards,
    ::testing::Values("s = Space(100000)\nt = s\ns = t & s\nu = Mid(s, 5)\nv = Replace(s, \" \", \"ab\")",
                      "ReDim a(1000)\na(5) = Space(100)\nb = a\nb(6) = b(5)\nReDim Preserve a(2000)\nErase a\nErase b",
                      "Dim f(3)\nf(1) = String(50, \"x\")\nErase f\nf(2) = f",
                      "a = Split(String(1000, \",\"), \",\")\nj = Join(a, \"long delimiter text\")",
                      "x = Array(Array(Space(100)), Space(200))\nFor Each e In x\n    y = e\nNext\nx = 0",
                      "Sub Change(ByRef t)\n    t = t & Space(100)\nEnd Sub\ns = Space(50)\nChange s\nChange (s)",
                      "s = Space(100000)\nDo\n    s = s & s\nLoop",
                      "On Error Resume Next\nErr.Raise 5, String(40, \"s\"), String(40, \"d\")\nd = Err.Description",
                      "a = Array(1)\nFor i = 1 To 10\n    ReDim Preserve a(i * 10)\n    a(i) = Space(i * 20)\nNext"));

} // namespace
} // namespace kestrelon::vbs::testing
