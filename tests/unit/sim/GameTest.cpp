// The Game object on a fixed contact table: the nearest contact with its tie and first-
// candidate rules, distances and steps, Attack with its message, the random methods, the key
// texts, results with the types scripts receive, and every error kind.
#include "sim/Game.h"
#include "sim/UnitCreation.h"

#include "support/ScriptedDialogs.h"
#include "vbscript/values/ScriptError.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace kestrelon::sim {
namespace {

using vbs::InvokeKind;
using vbs::Value;
using vbs::VarType;

std::int32_t errorNumber(const std::function<void()>& action)
{
    try {
        action();
    } catch (const vbs::ScriptError& error) {
        return error.number();
    }
    return 0;
}

class GameTest : public ::testing::Test {
protected:
    AvatarTable avatars;
    testing::ScriptedDialogs dialogs;
    RandomGenerator random{777};
    Game game{avatars, &dialogs, random};

    // Entries 1..4: two of team 1 and two of team 2, one of them dead.
    void SetUp() override
    {
        game.SetNumContacts(4);
        game.SetContactPos(1, 1, 10, 0, 0, false, 100);
        game.SetContactPos(2, 2, 3, 4, 0, false, 50);
        game.SetContactPos(2, 3, 1, 0, 0, false, 0);
        game.SetContactPos(1, 4, -10, 0, 0, false, 100);
    }

    Value call(const std::string& name, std::vector<Value> args)
    {
        const auto id = game.findMember(name);
        if (!id)
            throw std::logic_error("no member " + name);
        return game.invoke(*id, InvokeKind::Get, args);
    }
};

struct ClosestCase {
    double x;
    std::int32_t team, expected;
    const char* why;
};

TEST_F(GameTest, WhoClosestNamesTheNearestLivingContactOfTheTeam)
{
    const ClosestCase cases[] = {
        {0, 2, 2, "entry 3 is nearer but dead"},
        {9, 1, 1, "nearest of team 1 on the right"},
        {-9, 1, 4, "nearest of team 1 on the left"},
        {0, 3, 0, "no such team"},
        {0, 1, 1, "1 and 4 both at 10: the lowest index wins"},
        {-10, 1, 4, "a unit standing on its own entry finds itself"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(game.WhoClosest(c.x, 0, 0, c.team).asLong(), c.expected) << c.why;
}

TEST_F(GameTest, TheFirstCandidateIsTakenWhateverItsDistance)
{
    game.SetNumContacts(2);
    game.SetContactPos(1, 1, 1e150, 0, 0, false, 1);
    game.SetContactPos(1, 2, 1e150, 0, 0, false, 1);
    EXPECT_EQ(game.WhoClosest(0, 0, 0, 1).asLong(), 1);
}

TEST_F(GameTest, DistancesThatRoundToTheSameValueKeepTheEarlierContact)
{
    // Entry 1's square is one step above entry 2's, yet both distances are exactly 1: the
    // later entry is not nearer, so the earlier one stays.
    game.SetNumContacts(2);
    game.SetContactPos(1, 1, 1, 1.1e-8, 0, false, 1);
    game.SetContactPos(1, 2, 1, 0, 0, false, 1);
    ASSERT_NE(1 + 1.1e-8 * 1.1e-8, 1.0);
    ASSERT_EQ(game.DistFromMe(0, 0, 0, 1), game.DistFromMe(0, 0, 0, 2));
    EXPECT_EQ(game.WhoClosest(0, 0, 0, 1).asLong(), 1);
}

TEST_F(GameTest, WhoClosestComesBackAsALongInAVariant)
{
    const Value result = call("whoclosest", {Value::longValue(0), Value::longValue(0), Value::longValue(0),
                                             Value::longValue(2)});
    ASSERT_EQ(result.type(), VarType::Long);
    EXPECT_EQ(result.asLong(), 2);
}

TEST_F(GameTest, MethodsOnTheNearestContactAimAtTheOriginWhenThereIsNone)
{
    EXPECT_EQ(game.GetCLx(0, 0, 0, 5), 0);
    EXPECT_EQ(game.MoveToClosest(1, 2, 3, 7, 5), " pointkey { 7 ( 0 0 0 ) \"?\" }  ");
    EXPECT_EQ(game.FaceClosest(1, 2, 3, 7, 5), " pointkey { 7 ( 0 0 0 ) \"?\" } ");
    EXPECT_EQ(game.DistToClosest(3, 4, 0, 5), "5");
}

TEST_F(GameTest, MethodsOnTheNearestContactUseItsEntry)
{
    EXPECT_EQ(game.GetCLx(0, 0, 0, 2), 3);
    EXPECT_EQ(game.GetCLy(0, 0, 0, 2), 4);
    EXPECT_EQ(game.GetCLz(0, 0, 0, 2), 0);
    EXPECT_EQ(game.MoveToClosest(0, 0, 0, 12, 2), " pointkey { 12 ( 3 4 0 ) \"?\" }  ");
    EXPECT_EQ(game.FaceClosest(0, 0, 0, 12, 2), " pointkey { 12 ( 3 4 0 ) \"?\" } ");
    EXPECT_EQ(game.DistToClosest(0, 0, 0, 2), "5");
    EXPECT_EQ(game.DistToClosest(0, 1, 0, 2), "4.24264068711928");
}

TEST_F(GameTest, ContactValuesByVariantIndex)
{
    EXPECT_EQ(game.GetCX(Value::longValue(2)), 3);
    EXPECT_EQ(game.getcy(Value::string(u"2")), 4);
    EXPECT_EQ(game.getCZ(Value::doubleValue(2.5)), 0);     // 2.5 rounds to 2
    EXPECT_EQ(game.GetCX(Value::doubleValue(3.5)), -10);   // 3.5 rounds to 4
    EXPECT_EQ(game.GetCT(Value()), 0);                     // Empty is entry 0
    EXPECT_EQ(call("GETCT", {Value::longValue(2)}).type(), VarType::Long);
}

TEST_F(GameTest, BadIndexesRaiseTheirErrorKinds)
{
    EXPECT_EQ(errorNumber([&] { game.GetCX(Value::longValue(5)); }), 9);
    EXPECT_EQ(errorNumber([&] { game.GetCT(Value::longValue(-1)); }), 9);
    EXPECT_EQ(errorNumber([&] { game.getcy(Value::string(u"north")); }), 13);
    EXPECT_EQ(errorNumber([&] { game.getCZ(Value::null()); }), 13);
    EXPECT_EQ(errorNumber([&] { game.GetCX(Value::doubleValue(1e12)); }), 6);
    EXPECT_EQ(errorNumber([&] { game.DistFromMe(0, 0, 0, 5); }), 9);
    EXPECT_EQ(errorNumber([&] { game.FaceContact(5, 1); }), 9);
    EXPECT_EQ(errorNumber([&] { game.SetContactPos(1, 5, 0, 0, 0, false, 1); }), 9);
    EXPECT_EQ(errorNumber([&] { call("GetCX", {Value::longValue(1), Value::longValue(2)}); }), 450);
}

TEST(GameWithoutTableTest, EveryIndexFailsBeforeTheTableIsSized)
{
    AvatarTable avatars;
    RandomGenerator random;
    Game game(avatars, nullptr, random);
    EXPECT_EQ(game.NumContacts(), 0);
    EXPECT_EQ(errorNumber([&] { game.GetCX(Value::longValue(0)); }), 9);
    EXPECT_EQ(errorNumber([&] { game.GetCLx(0, 0, 0, 0); }), 9);
    EXPECT_EQ(errorNumber([&] { game.MovetoRandom(1, 0); }), 9);
}

TEST_F(GameTest, ResizingKeepsEntriesAndGrowingBringsThemBackZeroed)
{
    EXPECT_EQ(errorNumber([&] { game.SetNumContacts(-1); }), 9);
    EXPECT_EQ(game.NumContacts(), 4);
    game.SetNumContacts(2);
    EXPECT_EQ(game.NumContacts(), 2);
    EXPECT_EQ(game.GetCX(Value::longValue(2)), 3);
    EXPECT_EQ(errorNumber([&] { game.GetCX(Value::longValue(3)); }), 9);
    game.SetNumContacts(4);
    EXPECT_EQ(game.contact(4), Contact{});
    EXPECT_EQ(errorNumber([&] { game.SetNumContacts(MaxUnits + 1); }), 7);
}

TEST_F(GameTest, EntryZeroIsATeamZeroUnitWithoutLifeAtTheOrigin)
{
    EXPECT_EQ(game.contact(0), Contact{});
    game.SetContactPos(0, 4, 1, 1, 1, false, 5);
    EXPECT_EQ(game.WhoClosest(0, 0, 0, 0).asLong(), 4); // entry 0 is never a candidate
}

TEST_F(GameTest, DeadFlagIsAcceptedAndNotStored)
{
    game.SetContactPos(1, 1, 10, 0, 0, true, 100);
    EXPECT_EQ(game.contact(1), (Contact{10, 0, 0, 1, 100}));
}

TEST_F(GameTest, DistanceIsTheStraightLine)
{
    EXPECT_EQ(game.DistFromMe(0, 0, 0, 2), 5);
    EXPECT_EQ(game.DistFromMe(3, 4, 12, 2), 12);
    EXPECT_EQ(errorNumber([&] { game.DistFromMe(1e300, 0, 0, 2); }), 6);
    // An overflow anywhere in the table stops the search, whatever team the entry has.
    EXPECT_EQ(errorNumber([&] { game.WhoClosest(0, 1e200, 0, 5); }), 6);
}

struct StepCase {
    double from, goal;
    std::int32_t start, end;
    double step;
};

class WhereMyTest : public ::testing::TestWithParam<StepCase> {};

TEST_P(WhereMyTest, StepPerFrameFromStartToEnd)
{
    AvatarTable avatars;
    RandomGenerator random;
    Game game(avatars, nullptr, random);
    const StepCase& c = GetParam();
    EXPECT_EQ(game.WhereMyX(c.from, c.goal, c.start, c.end), c.step);
    EXPECT_EQ(game.WhereMyY(c.from, c.goal, c.start, c.end), c.step);
    EXPECT_EQ(game.WhereMyZ(c.from, c.goal, c.start, c.end), c.step);
}

INSTANTIATE_TEST_SUITE_P(Steps, WhereMyTest,
                         ::testing::Values(StepCase{0, 10, 1, 11, 1}, StepCase{10, 0, 1, 11, -1},
                                           StepCase{5, 9, 4, 4, 0}, StepCase{0, 1, 0, 4, 0.25},
                                           StepCase{3, 3, 1, 2, 0}));

TEST_F(GameTest, StepErrorsAreOverflows)
{
    EXPECT_EQ(errorNumber([&] { game.WhereMyX(0, 1, -2147483647 - 1, 1); }), 6);
    EXPECT_EQ(errorNumber([&] { game.WhereMyZ(1.7e308, -1.7e308, 1, 2); }), 6);
}

TEST_F(GameTest, AttackThatKillsSetsLifeToZeroAndSaysSo)
{
    avatars.grow();
    avatars.grow().Maxlife = 25;
    EXPECT_TRUE(game.Attack(2, 30));
    EXPECT_EQ(avatars(2).Maxlife, 0);
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages()[0],
              "Avatars(2) took 30 points of damage.  His Health is now at:0.  Contact Health at: 50");
}

TEST_F(GameTest, AttackThatLeavesLifeReportsTheNewLife)
{
    avatars.grow().Maxlife = 100;
    EXPECT_FALSE(game.Attack(1, 30));
    EXPECT_EQ(avatars(1).Maxlife, 70);
    EXPECT_EQ(dialogs.messages().at(0),
              "Avatars(1) took 30 points of damage.  His Health is now at:70.  Contact Health at: 100");
    EXPECT_TRUE(game.Attack(1, 70));
    EXPECT_TRUE(game.Attack(1, 1)); // a dead unit hit again is reported dead again
    EXPECT_EQ(avatars(1).Maxlife, 0);
    EXPECT_EQ(dialogs.messages().size(), 3u);
}

TEST_F(GameTest, TickingTheBoxSilencesTheRestOfTheRun)
{
    avatars.grow().Maxlife = 100;
    dialogs.silenceRequested = true;
    game.Attack(1, 1);
    game.Attack(1, 1);
    EXPECT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(avatars(1).Maxlife, 98);
}

TEST_F(GameTest, AttackErrors)
{
    avatars.grow().Maxlife = -2147483647 - 1 + 5;
    EXPECT_EQ(errorNumber([&] { game.Attack(1, 10); }), 6);
    EXPECT_EQ(avatars(1).Maxlife, -2147483647 - 1 + 5);
    EXPECT_EQ(errorNumber([&] { game.Attack(2, 10); }), 9); // beyond the units
    // A unit beyond the contact table is hurt, then the message cannot be made.
    for (int i = 0; i < 5; ++i)
        avatars.grow().Maxlife = 100;
    EXPECT_EQ(errorNumber([&] { game.Attack(6, 10); }), 9);
    EXPECT_EQ(avatars(6).Maxlife, 90);
    EXPECT_TRUE(dialogs.messages().empty());
}

TEST_F(GameTest, AttackOnAnEmptySlotMakesAUnitThere)
{
    EXPECT_TRUE(game.Attack(0, 5));
    EXPECT_EQ(avatars(0).Maxlife, 0);
}

TEST_F(GameTest, MovetoRandomDrawsOnceAndChecksOnlyTheTeam)
{
    RandomGenerator reference(random.state());
    for (int i = 0; i < 50; ++i) {
        const double r = reference.next();
        const auto k = static_cast<std::int32_t>(std::nearbyint(r * 4)); // the default mode rounds half to even
        const Contact& c = game.contact(k);
        const std::string key = game.MovetoRandom(9, 2);
        if (c.Team == 2)
            EXPECT_EQ(key, game.OutputLoc(c.X, c.Y, c.Z, 9)) << k;
        else
            EXPECT_EQ(key, "") << k;
    }
}

TEST_F(GameTest, OneToTenStaysWithinZeroToTen)
{
    for (int i = 0; i < 200; ++i) {
        const std::int32_t n = game.OneToTen();
        EXPECT_GE(n, 0);
        EXPECT_LE(n, 10);
    }
    EXPECT_EQ(call("onetoten", {}).type(), VarType::Long);
}

// The units of one turn ask within one clock tick; their draws must still agree only as often
// as independent draws from 0 to 10 do (about 9.5% of pairs), not most of the time.
TEST_F(GameTest, OneToTenDrawsThatFollowEachOtherDiffer)
{
    constexpr int Draws = 20000;
    int same = 0;
    std::int32_t previous = game.OneToTen();
    for (int i = 1; i < Draws; ++i) {
        const std::int32_t n = game.OneToTen();
        same += n == previous ? 1 : 0;
        previous = n;
    }
    EXPECT_LT(same, Draws / 5);
}

// A seeded run's generator keeps the clock out: OneToTen then draws exactly the generator's
// own sequence from the seed, run after run.
TEST(GameRandomTest, ARepeatableGeneratorKeepsTheClockOutOfOneToTen)
{
    AvatarTable avatars;
    RandomGenerator random = RandomGenerator::repeatable(4242);
    Game game(avatars, nullptr, random);
    RandomGenerator reference(4242);
    for (int i = 0; i < 200; ++i)
        EXPECT_EQ(game.OneToTen(), static_cast<std::int32_t>(std::nearbyint(reference.next() * 10.0))) << i;
}

// Key texts go into the scene, which reads no exponents; DistToClosest's text is a number for
// the script and reads as CStr writes it.
TEST_F(GameTest, KeyTextsWriteEveryCoordinateInPlainDecimals)
{
    game.SetContactPos(2, 2, 0.0453527569770813, 0, 0, false, 50);
    struct Case {
        std::string text, expected;
    };
    const std::vector<Case> cases = {
        {game.OutputLoc(-1e-20, 1e20, -0.0199999997764826, 4),
         " pointkey { 4 ( -0.00000000000000000001 100000000000000000000 -0.0199999997764826 ) \"?\" }  "},
        {game.FacePos(0.0453527569770813, -0.0, 0, 4), " pointkey { 4 ( 0.0453527569770813 0 0 ) \"?\" } "},
        {game.MoveToClosest(0, 0, 0, 5, 2), " pointkey { 5 ( 0.0453527569770813 0 0 ) \"?\" }  "},
        {game.FaceClosest(0, 0, 0, 5, 2), " pointkey { 5 ( 0.0453527569770813 0 0 ) \"?\" } "},
        {game.FaceContact(2, 6), " pointkey { 6 (0.0453527569770813 0 0) \"?\"}"},
        {game.DistToClosest(0, 0, 0, 2), "4.53527569770813E-02"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.text, c.expected);
}

TEST_F(GameTest, KeyTextsThroughTheBinding)
{
    EXPECT_EQ(call("OutputLoc", {Value::doubleValue(12.5), Value::longValue(0), Value::doubleValue(-5.5),
                                 Value::longValue(1)})
                  .asString(),
              u" pointkey { 1 ( 12.5 0 -5.5 ) \"?\" }  ");
    EXPECT_EQ(call("facepos", {Value::longValue(30), Value::longValue(0), Value::longValue(0), Value::longValue(1)})
                  .asString(),
              u" pointkey { 1 ( 30 0 0 ) \"?\" } ");
    EXPECT_EQ(call("DOSOMETHING", {Value::string(u"attack"), Value::doubleValue(2)}).asString(),
              u" namedsequence { \"attack\" 2 } ");
    EXPECT_EQ(call("FaceContact", {Value::longValue(2), Value::longValue(3)}).asString(),
              u" pointkey { 3 (3 4 0) \"?\"}");
}

TEST_F(GameTest, ScriptChangesAreRecordedForTheRun)
{
    game.takeScriptChanges();
    avatars.grow().Maxlife = 10;
    game.Attack(1, 1);
    game.SetContactPos(1, 3, 0, 0, 0, false, 1);
    game.refreshContact(2, avatars(1)); // the run's own writes are not the scripts'
    ScriptChanges changes = game.takeScriptChanges();
    EXPECT_EQ(changes.avatarsHit, std::vector<std::int32_t>{1});
    EXPECT_EQ(changes.contactsWritten, std::vector<std::int32_t>{3});
    EXPECT_FALSE(changes.tableResized);
    game.SetNumContacts(4);
    EXPECT_TRUE(game.takeScriptChanges().tableResized);
    EXPECT_FALSE(game.takeScriptChanges().tableResized);
}

} // namespace
} // namespace kestrelon::sim
