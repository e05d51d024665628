// The project's tables and army totals: counts that always match the entries, entries that
// start empty and keep their place, and totals rounded after every type as the window shows.
#include "model/ArmyTotals.h"
#include "model/Project.h"
#include "platform/Rounding.h"

#include <gtest/gtest.h>

#include <vector>

namespace kestrelon {
namespace {

std::vector<std::string> entries(const Table<std::string>& table)
{
    return {table.begin(), table.end()};
}

TEST(TableTest, CountFollowsEveryAddAndResize)
{
    Table<std::string> table;
    EXPECT_EQ(table.count(), 0);
    EXPECT_EQ(table.begin(), table.end());
    EXPECT_EQ(table.add("a"), 1);
    EXPECT_EQ(table.add("b"), 2);
    EXPECT_EQ(table.count(), 2);
    EXPECT_EQ(table[1], "a");
    EXPECT_EQ(entries(table), (std::vector<std::string>{"a", "b"}));

    table.resize(4);
    EXPECT_EQ(table.count(), 4);
    EXPECT_EQ(entries(table), (std::vector<std::string>{"a", "b", "", ""}));
    table.resize(1);
    EXPECT_EQ(entries(table), (std::vector<std::string>{"a"}));
    table.resize(0);
    EXPECT_EQ(table.count(), 0);
    EXPECT_EQ(table.add("c"), 1);
    EXPECT_EQ(table[1], "c");
}

TEST(ProjectTest, TypeNamesAndRecordsGrowTogetherAndNewRecordsAreEmpty)
{
    Project project;
    EXPECT_EQ(project.NumTypes(), 0);
    EXPECT_EQ(project.addType("Archer"), 1);
    project.UnitTypes[1].Team = 1;
    project.UnitTypes[1].Proportion = 12;
    EXPECT_EQ(project.addType("Knight"), 2);
    EXPECT_EQ(project.NumTypes(), 2);
    EXPECT_EQ(project.UnitTypes.count(), 2);
    EXPECT_EQ(project.TypeNames[2], "Knight");
    EXPECT_EQ(project.UnitTypes[2], UnitType{});
    EXPECT_EQ(project.UnitTypes[1].Proportion, 12);
}

struct TypeOfArmy {
    std::int32_t team;
    double proportion;
};

Project projectOf(const std::vector<TypeOfArmy>& types)
{
    Project project;
    for (const auto& type : types) {
        const std::int32_t i = project.addType("t");
        project.UnitTypes[i].Team = type.team;
        project.UnitTypes[i].Proportion = type.proportion;
    }
    return project;
}

TEST(ArmyTotalsTest, RoundsTheRunningTotalAfterEveryType)
{
    struct Case {
        std::vector<TypeOfArmy> types;
        std::int32_t army1, army2;
    };
    const std::vector<Case> cases = {
        {{}, 0, 0},
        {{{0, 7}}, 0, 0},                    // a new type belongs to no army
        {{{1, 12}}, 12, 0},
        {{{2, 1.5}, {2, 1}}, 0, 3},          // 1.5 -> 2, then 3
        {{{2, 1.5}, {2, 1.5}}, 0, 4},        // 1.5 -> 2, then 3.5 -> 4
        {{{1, 2.5}}, 2, 0},                  // halves go to the even neighbour
        {{{1, 3.5}}, 4, 0},
        {{{1, 0.5}, {1, 0.5}, {1, 0.5}}, 0, 0}, // each half drops back to 0
        {{{3, 9}, {-1, 4}, {1, 1}}, 1, 0},   // other teams count nowhere
        {{{1, -2}, {2, 5}, {1, 6}}, 4, 5},
    };
    for (size_t i = 0; i < cases.size(); ++i) {
        const Project project = projectOf(cases[i].types);
        EXPECT_EQ(armyTotal(project, 1), cases[i].army1) << "case " << i;
        EXPECT_EQ(armyTotal(project, 2), cases[i].army2) << "case " << i;
    }
}

TEST(ArmyTotalsTest, ATotalBeyondTheWholeNumberRangeIsAnOverflow)
{
    EXPECT_THROW(armyTotal(projectOf({{1, 2147483647.0}, {1, 1}}), 1), RoundingOverflow);
    EXPECT_EQ(armyTotal(projectOf({{1, 2147483647.0}, {2, 1}}), 1), 2147483647);
}

} // namespace
} // namespace kestrelon
