// The unit object as scripts see it: every member by name in any letter case, with the
// conversions its type implies, the private text slots 1 to 10, and the unit table that
// makes a unit on first use.
#include "sim/AvatarTable.h"
#include "vbscript/values/ScriptError.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <vector>

namespace kestrelon::sim {
namespace {

using vbs::InvokeKind;
using vbs::Value;
using vbs::VarType;

auto memberId(Avatar& unit, const std::string& name)
{
    const auto id = unit.findMember(name);
    if (!id)
        throw std::logic_error("no member " + name);
    return *id;
}

Value get(Avatar& unit, const std::string& name)
{
    return unit.invoke(memberId(unit, name), InvokeKind::Get, {});
}

void put(Avatar& unit, const std::string& name, const Value& value)
{
    const Value args[] = {value};
    unit.invoke(memberId(unit, name), InvokeKind::Put, args);
}

std::int32_t errorNumber(const std::function<void()>& action)
{
    try {
        action();
    } catch (const vbs::ScriptError& error) {
        return error.number();
    }
    return 0;
}

// A script writes a member (named in some letter case) and reads back the value and subtype
// the member's type gives.
struct MemberCase {
    const char* name;
    Value written;
    VarType readType;
    Value read;
};

class AvatarMemberTest : public ::testing::TestWithParam<MemberCase> {};

TEST_P(AvatarMemberTest, ScriptsWriteAndReadEveryMemberWithItsType)
{
    const MemberCase& c = GetParam();
    Avatar unit;
    put(unit, c.name, c.written);
    const Value read = get(unit, c.name);
    ASSERT_EQ(read.type(), c.readType) << c.name;
    switch (c.readType) {
    case VarType::Double: EXPECT_EQ(read.asDouble(), c.read.asDouble()) << c.name; break;
    case VarType::Long: EXPECT_EQ(read.asLong(), c.read.asLong()) << c.name; break;
    case VarType::Boolean: EXPECT_EQ(read.asBoolean(), c.read.asBoolean()) << c.name; break;
    default: EXPECT_EQ(read.asString(), c.read.asString()) << c.name; break;
    }
}

INSTANTIATE_TEST_SUITE_P(
    EveryMember, AvatarMemberTest,
    ::testing::Values(
        MemberCase{"accel", Value::string(u"2.5"), VarType::Double, Value::doubleValue(2.5)},
        MemberCase{"MAXSPEED", Value::longValue(3), VarType::Double, Value::doubleValue(3)},
        MemberCase{"Maxlife", Value::doubleValue(2.5), VarType::Long, Value::longValue(2)},
        MemberCase{"maxLife", Value::doubleValue(3.5), VarType::Long, Value::longValue(4)},
        MemberCase{"Armor", Value::string(u"7"), VarType::Long, Value::longValue(7)},
        MemberCase{"AttackAnim", Value::string(u"slash"), VarType::String, Value::string(u"slash")},
        MemberCase{"damage", Value::doubleValue(-1.5), VarType::Long, Value::longValue(-2)},
        MemberCase{"Proportion", Value::doubleValue(12.25), VarType::Double, Value::doubleValue(12.25)},
        MemberCase{"range", Value::doubleValue(40), VarType::Double, Value::doubleValue(40)},
        MemberCase{"Figure", Value::string(u"soldier"), VarType::String, Value::string(u"soldier")},
        MemberCase{"FigureIndex", Value::longValue(3), VarType::Long, Value::longValue(3)},
        MemberCase{"code", Value::string(u"Sub Main\r\nEnd Sub"), VarType::String, Value::string(u"Sub Main\r\nEnd Sub")},
        MemberCase{"TEAM", Value::integer(2), VarType::Long, Value::longValue(2)},
        MemberCase{"posoutput", Value::string(u" pointkey"), VarType::String, Value::string(u" pointkey")},
        MemberCase{"SeqOutput", Value::longValue(5), VarType::String, Value::string(u"5")},
        MemberCase{"faceOUTPUT", Value::doubleValue(0.5), VarType::String, Value::string(u"0.5")},
        MemberCase{"header", Value::string(u"fig"), VarType::String, Value::string(u"fig")},
        MemberCase{"WhatFrame", Value::doubleValue(60), VarType::Long, Value::longValue(60)},
        MemberCase{"xpos", Value::doubleValue(-5.5), VarType::Double, Value::doubleValue(-5.5)},
        MemberCase{"YPOS", Value::longValue(1), VarType::Double, Value::doubleValue(1)},
        MemberCase{"zPos", Value::string(u"0.25"), VarType::Double, Value::doubleValue(0.25)},
        MemberCase{"seqrunning", Value::longValue(5), VarType::Boolean, Value::boolean(true)},
        MemberCase{"SeqRunning", Value::longValue(0), VarType::Boolean, Value::boolean(false)},
        MemberCase{"SEQDONEWHEN", Value::doubleValue(12), VarType::Long, Value::longValue(12)}));

TEST(AvatarTest, MembersScriptsUseWriteTheUnitTheProgramReads)
{
    Avatar unit;
    put(unit, "xPos", Value::doubleValue(12.5));
    put(unit, "posOutput", Value::string(u"track"));
    put(unit, "Maxlife", Value::longValue(70));
    EXPECT_EQ(unit.xPos, 12.5);
    EXPECT_EQ(unit.posOutput, "track");
    EXPECT_EQ(unit.Maxlife, 70);
}

TEST(AvatarTest, ValuesThatDoNotFitRaiseTheScriptsErrors)
{
    Avatar unit;
    EXPECT_EQ(errorNumber([&] { put(unit, "Maxlife", Value::string(u"many")); }), 13);
    EXPECT_EQ(errorNumber([&] { put(unit, "Team", Value::doubleValue(3e9)); }), 6);
    EXPECT_EQ(errorNumber([&] { put(unit, "xPos", Value::string(u"left")); }), 13);
    EXPECT_EQ(unit.Maxlife, 0);
    EXPECT_EQ(unit.Team, 0);
}

TEST(AvatarTest, UnknownNamesAreNotMembers)
{
    Avatar unit;
    EXPECT_FALSE(unit.findMember("MiscData"));
    EXPECT_FALSE(unit.findMember("GetCX")); // a Game member: the two never share a name
}

TEST(AvatarTest, NewUnitStartsAtTheInitialValues)
{
    Avatar unit;
    EXPECT_EQ(get(unit, "Maxlife").asLong(), 0);
    EXPECT_EQ(get(unit, "Figure").asString(), u"");
    EXPECT_FALSE(get(unit, "SeqRunning").asBoolean());
    EXPECT_EQ(unit.GetMiscData(1), "");
}

TEST(AvatarTest, MiscDataKeepsTenTextsAndRefusesOtherSlots)
{
    Avatar unit;
    unit.SetMiscData(1, "first");
    unit.SetMiscData(10, "last");
    EXPECT_EQ(unit.GetMiscData(1), "first");
    EXPECT_EQ(unit.GetMiscData(10), "last");
    EXPECT_EQ(unit.GetMiscData(5), "");
    for (const std::int32_t slot : {0, 11, -1}) {
        EXPECT_EQ(errorNumber([&] { unit.SetMiscData(slot, "x"); }), 9) << slot;
        EXPECT_EQ(errorNumber([&] { unit.GetMiscData(slot); }), 9) << slot;
    }
    EXPECT_EQ(unit.GetMiscData(1), "first");
}

TEST(AvatarTest, MiscDataThroughTheScriptBinding)
{
    Avatar unit;
    const Value setArgs[] = {Value::doubleValue(2.5), Value::longValue(42)};
    unit.invoke(memberId(unit, "setmiscdata"), InvokeKind::Call, setArgs);
    const Value readArgs[] = {Value::longValue(2)};
    const Value text = unit.invoke(memberId(unit, "GETMISCDATA"), InvokeKind::Get, readArgs);
    ASSERT_EQ(text.type(), VarType::String);
    EXPECT_EQ(text.asString(), u"42");
    const Value badArgs[] = {Value::longValue(11)};
    EXPECT_EQ(errorNumber([&] { unit.invoke(memberId(unit, "GETMISCDATA"), InvokeKind::Get, badArgs); }), 9);
}

TEST(AvatarTableTest, ReadingAnEmptySlotMakesAUnitThere)
{
    AvatarTable table;
    EXPECT_EQ(table.NumAvatars(), 0);
    EXPECT_EQ(table.find(0), nullptr);
    table(0).Maxlife = 5; // slot 0 gets a unit like any other
    EXPECT_EQ(table(0).Maxlife, 5);
    EXPECT_NE(table.find(0), nullptr);
}

TEST(AvatarTableTest, SlotsOutsideTheTableRaiseSubscriptOutOfRange)
{
    AvatarTable table;
    table.grow();
    table.grow();
    EXPECT_EQ(table.NumAvatars(), 2);
    EXPECT_EQ(errorNumber([&] { table(3); }), 9);
    EXPECT_EQ(errorNumber([&] { table(-1); }), 9);
    EXPECT_EQ(errorNumber([&] { table(2); }), 0);
}

TEST(AvatarTableTest, UnitsAreIndependentAndClearingStartsAgain)
{
    AvatarTable table;
    table.grow().Maxlife = 100;
    table.grow().Maxlife = 100;
    table(1).Maxlife = 30;
    EXPECT_EQ(table(2).Maxlife, 100);
    table.clear();
    EXPECT_EQ(table.NumAvatars(), 0);
    EXPECT_EQ(table.grow().Maxlife, 0);
}

} // namespace
} // namespace kestrelon::sim
