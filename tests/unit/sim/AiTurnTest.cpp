// An AI script in the game's style, run as the battle runs it: every turn the host is reset,
// the other unit's contact entry refreshed, the real Game and ThisGuy added, the script added
// and Main run. Reusing the compiled text turn after turn must behave like compiling it anew.
#include "sim/AvatarTable.h"
#include "sim/Game.h"

#include "support/ScriptedDialogs.h"
#include "vbscript/ScriptControl.h"

#include <gtest/gtest.h>

namespace kestrelon::sim {
namespace {

const char* const ChargeAndStrike = R"(
Sub Main
    Dim enemy, stepX, stepZ
    enemy = Game.WhoClosest(ThisGuy.xPos, ThisGuy.yPos, ThisGuy.zPos, 3 - ThisGuy.Team)
    If enemy = 0 Then Exit Sub
    If Game.DistFromMe(xPos, yPos, zPos, enemy) <= Range Then
        If Attack(enemy, Damage) Then seqOutput = seqOutput & "win;"
    Else
        stepX = WhereMyX(xPos, GetCX(enemy), whatFrame, whatFrame + 4)
        stepZ = WhereMyZ(zPos, getCZ(enemy), whatFrame, whatFrame + 4)
        xPos = xPos + stepX * 2
        zPos = zPos + stepZ * 2
        posOutput = posOutput & OutputLoc(xPos, yPos, zPos, whatFrame)
    End If
    whatFrame = whatFrame + 1
End Sub
)";

TEST(AiTurn, AScriptDrivesTwoUnitsTurnByTurn)
{
    AvatarTable units;
    testing::ScriptedDialogs dialogs;
    RandomGenerator random;
    auto game = std::make_shared<Game>(units, &dialogs, random);
    Avatar& first = units.grow();
    Avatar& second = units.grow();
    first.Team = 1;
    second.Team = 2;
    second.xPos = 16;
    second.zPos = 12;
    for (Avatar* unit : {&first, &second}) {
        unit->Maxlife = 100;
        unit->Range = 5;
        unit->Damage = 30;
    }
    game->SetNumContacts(2);

    vbs::ScriptControl host;
    for (int frame = 0; frame < 5; ++frame) {
        for (std::int32_t i = 1; i <= 2; ++i) {
            host.Reset();
            const std::int32_t other = 3 - i;
            game->refreshContact(other, units(other));
            host.AddObject("Game", game, true);
            host.AddObject("ThisGuy", units.shared(i), true);
            ASSERT_TRUE(host.AddCode(ChargeAndStrike)) << vbs::errorMessage(host.Error());
            ASSERT_TRUE(host.Run("Main")) << vbs::errorMessage(host.Error());
        }
    }
    EXPECT_EQ(first.posOutput, " pointkey { 0 ( 8 0 6 ) \"?\" }  ");
    EXPECT_EQ(second.posOutput, " pointkey { 0 ( 12 0 9 ) \"?\" }  ");
    EXPECT_EQ(first.seqOutput, "win;");
    EXPECT_EQ(second.seqOutput, "win;");
    EXPECT_EQ(first.whatFrame, 5);
    EXPECT_EQ(first.Maxlife, 0);
    EXPECT_EQ(second.Maxlife, 0);
    EXPECT_EQ(dialogs.shown.size(), 8u);
    EXPECT_EQ(dialogs.shown.front(),
              "message: Avatars(2) took 30 points of damage.  His Health is now at:70.  Contact Health at: 100");
}

} // namespace
} // namespace kestrelon::sim
