// Unit creation: how many units each type gives, the order they are numbered in, the copy of
// the type's values, and the start points drawn from the program's generator (X first).
#include "sim/UnitCreation.h"

#include <gtest/gtest.h>

namespace kestrelon::sim {
namespace {

UnitType typeWith(double proportion, std::int32_t left = 0, std::int32_t top = 0, std::int32_t width = 0,
                  std::int32_t height = 0)
{
    UnitType type;
    type.Proportion = proportion;
    type.DeployLeft = left;
    type.DeployTop = top;
    type.DeployWidth = width;
    type.DeployHeight = height;
    return type;
}

// A project of the given types, named A, B, ... in order, and the table built from it.
class UnitCreationTest : public ::testing::Test {
protected:
    Project project;
    AvatarTable avatars;
    RandomGenerator random;

    void addTypes(std::initializer_list<UnitType> types, std::vector<std::string> names = {})
    {
        for (const UnitType& type : types) {
            const std::size_t n = static_cast<std::size_t>(project.NumTypes());
            project.UnitTypes[project.addType(n < names.size() ? names[n] : std::string(1, char('A' + n)))] = type;
        }
    }
    void build() { buildUnitTable(avatars, project, random); }
};

struct CountCase {
    double proportion;
    std::int32_t units;
};

class UnitsInActionTest : public UnitCreationTest, public ::testing::WithParamInterface<CountCase> {};

TEST_P(UnitsInActionTest, ProportionRoundsHalfToEven)
{
    addTypes({typeWith(GetParam().proportion)});
    build();
    EXPECT_EQ(avatars.NumAvatars(), GetParam().units) << GetParam().proportion;
}

INSTANTIATE_TEST_SUITE_P(Counts, UnitsInActionTest,
                         ::testing::Values(CountCase{0, 0}, CountCase{0.4, 0}, CountCase{0.5, 0}, CountCase{-3, 0},
                                           CountCase{1.5, 2}, CountCase{2.5, 2}, CountCase{3.5, 4},
                                           CountCase{12, 12}));

TEST_F(UnitCreationTest, UnitsAreNumberedTypeByType)
{
    UnitType archer = typeWith(2), knight = typeWith(3);
    archer.Figure = "archer";
    knight.Figure = "knight";
    addTypes({archer, knight});
    build();
    ASSERT_EQ(avatars.NumAvatars(), 5);
    const char* expected[] = {"", "archer", "archer", "knight", "knight", "knight"};
    for (std::int32_t i = 1; i <= 5; ++i)
        EXPECT_EQ(avatars(i).Figure, expected[i]) << i;
}

TEST_F(UnitCreationTest, EveryValueOfTheTypeIsCopied)
{
    UnitType type = typeWith(1);
    type.Accel = 0.5;
    type.Armor = 2;
    type.AttackAnim = "shoot";
    type.Code = "Sub Main\r\nEnd Sub";
    type.Damage = 10;
    type.Figure = "archer";
    type.FigureIndex = 3;
    type.Maxlife = 100;
    type.MaxSpeed = 1.5;
    type.Range = 40;
    type.Team = 2;
    Avatar unit;
    createUnit(unit, type, random);
    EXPECT_EQ(unit.Accel, 0.5);
    EXPECT_EQ(unit.Armor, 2);
    EXPECT_EQ(unit.AttackAnim, "shoot");
    EXPECT_EQ(unit.Code, type.Code);
    EXPECT_EQ(unit.Damage, 10);
    EXPECT_EQ(unit.Figure, "archer");
    EXPECT_EQ(unit.FigureIndex, 3);
    EXPECT_EQ(unit.Maxlife, 100);
    EXPECT_EQ(unit.MaxSpeed, 1.5);
    EXPECT_EQ(unit.Proportion, 1);
    EXPECT_EQ(unit.Range, 40);
    EXPECT_EQ(unit.Team, 2);
    EXPECT_EQ(unit.whatFrame, 0);
    EXPECT_FALSE(unit.SeqRunning);
    EXPECT_EQ(unit.seqOutput, "");
}

TEST_F(UnitCreationTest, EachUnitDrawsXThenZInCreationOrder)
{
    addTypes({typeWith(3, 100, 200, 50, -30)});
    random = RandomGenerator(12345);
    RandomGenerator reference(12345);
    build();
    for (std::int32_t i = 1; i <= 3; ++i) {
        const double r1 = reference.next();
        const double r2 = reference.next();
        EXPECT_EQ(avatars(i).xPos, r1 * 50.0 + 100.0) << i;
        EXPECT_EQ(avatars(i).yPos, 0) << i;
        EXPECT_EQ(avatars(i).zPos, r2 * -30.0 + 200.0) << i;
    }
    EXPECT_EQ(random.state(), reference.state());
}

TEST_F(UnitCreationTest, BoxOfNoSizePutsEveryUnitOnItsCorner)
{
    addTypes({typeWith(4, 10, -5, 0, 0)});
    build();
    for (std::int32_t i = 1; i <= 4; ++i) {
        EXPECT_EQ(avatars(i).xPos, 10);
        EXPECT_EQ(avatars(i).zPos, -5);
    }
}

TEST_F(UnitCreationTest, NegativeBoxSizesPlaceUnitsLeftOfAndAboveTheFirstCorner)
{
    addTypes({typeWith(50, 100, 100, -40, -20)});
    build();
    for (std::int32_t i = 1; i <= 50; ++i) {
        EXPECT_GT(avatars(i).xPos, 60);
        EXPECT_LE(avatars(i).xPos, 100);
        EXPECT_GT(avatars(i).zPos, 80);
        EXPECT_LE(avatars(i).zPos, 100);
    }
}

TEST_F(UnitCreationTest, ASecondBuildStartsAgainAtUnitOne)
{
    addTypes({typeWith(2)});
    build();
    avatars(1).Maxlife = -7;
    build();
    EXPECT_EQ(avatars.NumAvatars(), 2);
    EXPECT_EQ(avatars(1).Maxlife, 0);
}

TEST_F(UnitCreationTest, AnImpossibleCountChangesNothingAndNamesTheType)
{
    addTypes({typeWith(2), typeWith(1e12)}, {"Swarm", "Horde"});
    avatars.grow().Maxlife = 9;
    const auto before = random.state();
    try {
        build();
        FAIL() << "no error";
    } catch (const UnitCountError& error) {
        EXPECT_NE(std::string(error.what()).find("\"Horde\""), std::string::npos) << error.what();
    }
    EXPECT_EQ(avatars.NumAvatars(), 1);
    EXPECT_EQ(avatars(1).Maxlife, 9);
    EXPECT_EQ(random.state(), before);
}

TEST_F(UnitCreationTest, TotalsBeyondTheLimitAreRefusedNamingTheTypeThatPassesIt)
{
    addTypes({typeWith(MaxUnits - 1), typeWith(1), typeWith(1), typeWith(5)}, {"Swarm", "Last", "Over", "After"});
    try {
        build();
        FAIL() << "no error";
    } catch (const UnitCountError& error) {
        EXPECT_EQ(std::string(error.what()), "The project has more units in action than a run can hold (at most "
                                             "16777216): the type \"Over\" brings them to 16777217.");
    }
    EXPECT_EQ(avatars.NumAvatars(), 0);
}

TEST_F(UnitCreationTest, EveryUnitNumberLeadsBackToItsType)
{
    addTypes({typeWith(2), typeWith(0), typeWith(-1), typeWith(3)});
    const std::int32_t expected[] = {0, 1, 1, 4, 4, 4, 0};
    for (std::int32_t unit = 0; unit <= 6; ++unit)
        EXPECT_EQ(typeOfUnit(project, unit), expected[unit]) << unit;
}

} // namespace
} // namespace kestrelon::sim
