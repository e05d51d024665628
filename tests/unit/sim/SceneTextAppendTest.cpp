// Scripts growing a unit's scene text with "ThisGuy.posOutput = ThisGuy.posOutput & key": the
// text is appended in place, and every case where the key itself reads or writes the member,
// fails, or is no text at all ends exactly as joining a copy would.
#include "sim/Avatar.h"
#include "vbscript/ScriptControl.h"

#include <gtest/gtest.h>

#include <memory>

namespace kestrelon::sim {
namespace {

struct AppendCase {
    const char* name;
    const char* script; // runs with ThisGuy.posOutput = "old"
    const char* text;   // posOutput afterwards
    int error;          // the script's error number, 0 for none
};

class SceneTextAppendTest : public ::testing::TestWithParam<AppendCase> {};

TEST_P(SceneTextAppendTest, EndsAsJoiningACopyWould)
{
    const AppendCase& c = GetParam();
    auto unit = std::make_shared<Avatar>();
    unit->posOutput = "old";
    vbs::ScriptControl host;
    host.AddObject("ThisGuy", unit, true);
    const bool ran = host.AddCode(c.script);
    EXPECT_EQ(ran ? 0 : host.Error().Number, c.error) << host.Error().Description;
    EXPECT_EQ(unit->posOutput, c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Avatar, SceneTextAppendTest,
    ::testing::Values(
        AppendCase{"Appends", "ThisGuy.posOutput = ThisGuy.posOutput & \"+key\"", "old+key", 0},
        AppendCase{"AnyLetterCase", "thisguy.POSOUTPUT = ThisGuy.posoutput & 1.5", "old1.5", 0},
        AppendCase{"Repeatedly", "For i = 1 To 3\nThisGuy.posOutput = ThisGuy.posOutput & i\nNext", "old123", 0},
        AppendCase{"NullAddsNothing", "ThisGuy.posOutput = ThisGuy.posOutput & Null", "old", 0},
        AppendCase{"TheKeyReadsTheOldText", "ThisGuy.posOutput = ThisGuy.posOutput & Len(ThisGuy.posOutput)", "old3", 0},
        AppendCase{"TheKeyWritesTheMember",
                   "Function K\nThisGuy.posOutput = \"new\"\nK = \"+k\"\nEnd Function\n"
                   "ThisGuy.posOutput = ThisGuy.posOutput & K()",
                   "old+k", 0},
        AppendCase{"TheKeyAppendsToTheMember",
                   "Function K\nThisGuy.posOutput = ThisGuy.posOutput & \"-inner\"\nK = \"+k\"\nEnd Function\n"
                   "ThisGuy.posOutput = ThisGuy.posOutput & K()",
                   "old+k", 0},
        AppendCase{"AFailingKeyChangesNothing", "ThisGuy.posOutput = ThisGuy.posOutput & (1 / 0)", "old", 11},
        AppendCase{"AnArrayIsNoText", "ThisGuy.posOutput = ThisGuy.posOutput & Array(1)", "old", 13},
        AppendCase{"ResumeNextSkipsTheFailedAppend",
                   "On Error Resume Next\nThisGuy.posOutput = ThisGuy.posOutput & (1 / 0)\n"
                   "ThisGuy.posOutput = ThisGuy.posOutput & \"!\"",
                   "old!", 0},
        AppendCase{"AnotherMemberIsJoinedAsWritten", "ThisGuy.posOutput = ThisGuy.FaceOutput & \"x\"", "x", 0},
        AppendCase{"WithoutTheUnitsName", "posOutput = posOutput & \"+bare\" & 1", "old+bare1", 0},
        AppendCase{"WithoutTheNameTheKeyWritesTheMember",
                   "Function K\nposOutput = \"new\"\nK = \"+k\"\nEnd Function\nposOutput = posOutput & K()", "old+k", 0},
        AppendCase{"AScriptVariableOfTheMembersName", "Dim posOutput\nposOutput = posOutput & \"v\"", "old", 0},
        AppendCase{"AVariableHoldingTheUnit", "Set u = ThisGuy\nu.posOutput = u.posOutput & \"+u\"", "old+u", 0},
        AppendCase{"TooLongForAText",
                   "On Error Resume Next\ns = Space(34000000)\nThisGuy.posOutput = s\n"
                   "ThisGuy.posOutput = ThisGuy.posOutput & s\nThisGuy.posOutput = Len(ThisGuy.posOutput) & \" \" & Err.Number",
                   "34000000 7", 0}),
    [](const ::testing::TestParamInfo<AppendCase>& info) { return std::string(info.param.name); });

// The statement writes to the unit its name holds once the key is done, as joining a copy does:
// a key that points the name at another unit gives that unit the first unit's text and the key.
TEST(SceneTextAppend, AKeyThatRenamesTheUnitWritesToTheUnitNamedAfterIt)
{
    auto first = std::make_shared<Avatar>();
    auto second = std::make_shared<Avatar>();
    first->posOutput = "first";
    second->posOutput = "second";
    vbs::ScriptControl host;
    host.AddObject("ThisGuy", first, true);
    host.AddObject("Other", second, true);
    ASSERT_TRUE(host.AddCode("Set u = ThisGuy\nFunction K\nSet u = Other\nK = \"+k\"\nEnd Function\n"
                             "u.posOutput = u.posOutput & K()"))
        << host.Error().Description;
    EXPECT_EQ(first->posOutput, "first");
    EXPECT_EQ(second->posOutput, "first+k");
}

} // namespace
} // namespace kestrelon::sim
