// Scripting.Dictionary: which values make one key (a table over subtypes and compare modes),
// values that cannot be keys, a renamed key keeping its place, the memory its entries hold,
// and For Each walking what the dictionary held when the loop began.
#include "InterpreterTestSupport.h"
#include "ObjectTestSupport.h"

#include "vbscript/runtime/Dictionary.h"
#include "vbscript/values/Array.h"
#include "vbscript/values/HeldMemory.h"

#include <gtest/gtest.h>

namespace kestrelon::vbs::testing {
namespace {

// True when the key added first is found again as the second.
bool sameKey(const Value& added, const Value& looked, std::int32_t compareMode)
{
    const auto dictionary = makeDictionary();
    invokeNamed(*dictionary, "CompareMode", InvokeKind::Put, {Value::longValue(compareMode)});
    invokeNamed(*dictionary, "Add", InvokeKind::Call, {added, Value::string(u"item")});
    return invokeNamed(*dictionary, "Exists", InvokeKind::Get, {looked}).asBoolean();
}

struct KeyCase {
    const char* name;
    Value added;
    Value looked;
    std::int32_t compareMode;
    bool same;
};

class DictionaryKeys : public ::testing::TestWithParam<KeyCase> {};

TEST_P(DictionaryKeys, MatchAsChosen)
{
    const KeyCase& row = GetParam();
    EXPECT_EQ(sameKey(row.added, row.looked, row.compareMode), row.same);
    EXPECT_EQ(sameKey(row.looked, row.added, row.compareMode), row.same) << "matching is symmetric";
}

std::string keyCaseName(const ::testing::TestParamInfo<KeyCase>& info)
{
    return info.param.name;
}

const auto firstObject = makeDictionary();
const auto secondObject = makeDictionary();

INSTANTIATE_TEST_SUITE_P(
    Dictionary, DictionaryKeys,
    ::testing::Values(
        KeyCase{"IntegerAndDouble", Value::integer(1), Value::doubleValue(1.0), 0, true},
        KeyCase{"IntegerAndLong", Value::integer(1), Value::longValue(1), 0, true},
        KeyCase{"ByteAndSingle", Value::byte(7), Value::single(7.0f), 0, true},
        KeyCase{"CurrencyAndInteger", Value::currency(20000), Value::integer(2), 0, true},
        KeyCase{"DateAndItsSerialNumber", Value::date(36526), Value::longValue(36526), 0, true},
        KeyCase{"BooleanAndItsNumber", Value::boolean(true), Value::integer(-1), 0, true},
        KeyCase{"ZeroAndNegativeZero", Value::doubleValue(0.0), Value::doubleValue(-0.0), 0, true},
        KeyCase{"DifferentNumbers", Value::integer(1), Value::doubleValue(1.5), 0, false},
        KeyCase{"SingleAndDoubleOfOneTenthDiffer", Value::single(0.1f), Value::doubleValue(0.1), 0, false},
        KeyCase{"TextAndNumber", Value::string(u"1"), Value::integer(1), 0, false},
        KeyCase{"TextAndNumberInTextMode", Value::string(u"1"), Value::integer(1), 1, false},
        KeyCase{"TextsOfOtherCaseInBinaryMode", Value::string(u"Apple"), Value::string(u"APPLE"), 0, false},
        KeyCase{"TextsOfOtherCaseInTextMode", Value::string(u"Apple"), Value::string(u"aPPLE"), 1, true},
        KeyCase{"AnyModeButZeroComparesText", Value::string(u"Apple"), Value::string(u"APPLE"), 2, true},
        KeyCase{"DifferentTextsInTextMode", Value::string(u"Apple"), Value::string(u"Apples"), 1, false},
        KeyCase{"EmptyAndEmpty", Value(), Value(), 0, true},
        KeyCase{"EmptyAndEmptyText", Value(), Value::string(u""), 0, false},
        KeyCase{"EmptyAndZero", Value(), Value::integer(0), 0, false},
        KeyCase{"NullAndNull", Value::null(), Value::null(), 0, true},
        KeyCase{"NullAndEmpty", Value::null(), Value(), 0, false},
        KeyCase{"SameObject", Value::object(firstObject), Value::object(firstObject), 0, true},
        KeyCase{"OtherObject", Value::object(firstObject), Value::object(secondObject), 0, false},
        KeyCase{"NothingAndNothing", Value::nothing(), Value::nothing(), 0, true},
        KeyCase{"NothingAndEmpty", Value::nothing(), Value(), 0, false}),
    keyCaseName);

TEST(Dictionary, ArraysAndErrorValuesCannotBeKeys)
{
    const auto dictionary = makeDictionary();
    const Value array = Value::array(std::make_shared<Array>(std::vector<std::int32_t>{2}, false));
    for (const Value& key : {array, Value::error(448)})
        EXPECT_EQ(errorNumberOf([&] { invokeNamed(*dictionary, "Add", InvokeKind::Call, {key, Value::integer(1)}); }), 5);
    EXPECT_EQ(invokeNamed(*dictionary, "Count", InvokeKind::Get, {}).asLong(), 0);
}

// Where the Windows engine puts a renamed key in the order is not established; here it keeps
// its place.
TEST(Dictionary, ARenamedKeyKeepsItsPlace)
{
    EXPECT_EQ(run("Set d = CreateObject(\"Scripting.Dictionary\")\nd.Add \"a\", 1\nd.Add \"b\", 2\nd.Add \"c\", 3\n"
                  "d.Key(\"a\") = \"z\"\nMsgBox Join(d.Keys, \",\") & \" \" & Join(d.Items, \",\")"),
              "z,b,c 1,2,3");
}

// The Windows enumerator is live; here For Each walks the keys the dictionary held when the
// loop began, so keys added or removed in the body change nothing in the walk.
TEST(Dictionary, ForEachWalksTheKeysItHeldWhenTheLoopBegan)
{
    EXPECT_EQ(run("Set d = CreateObject(\"Scripting.Dictionary\")\nd.Add 1, 1\nd.Add 2, 2\n"
                  "For Each k In d\n    If d.Exists(2) Then d.Remove 2\n    d.Add k + 10, 0\n    MsgBox k\nNext\nMsgBox Join(d.Keys, \",\")"),
              "1|2|1,11,12");
}

TEST(Dictionary, ObjectsThatAreNoCollectionCannotBeWalked)
{
    EXPECT_EQ(run("On Error Resume Next\nFor Each x In Err\nNext\nMsgBox Err.Number\nFor Each x In Nothing\nNext\n"
                  "MsgBox Err.Number"),
              "451|451");
}

TEST(Dictionary, MembersTakeTheirArgumentCounts)
{
    EXPECT_EQ(run("Set d = CreateObject(\"Scripting.Dictionary\")\nOn Error Resume Next\nx = d.Item\nMsgBox Err.Number\n"
                  "Err.Clear\nd.Add 1\nMsgBox Err.Number\nErr.Clear\nd.Count = 3\nMsgBox Err.Number & \" \" & d.Count\n"
                  "Err.Clear\nx = d.Key(1)\nMsgBox Err.Number"),
              "450|450|450 0|438");
}

TEST(Dictionary, ACreateObjectOnAnotherMachineIsRefused)
{
    EXPECT_EQ(run("On Error Resume Next\nSet d = CreateObject(\"Scripting.Dictionary\", \"server\")\nMsgBox Err.Number\n"
                  "Err.Clear\nSet d = CreateObject(\"Scripting.Dictionary\", \"\")\nMsgBox TypeName(d)"),
              "429|Dictionary");
}

TEST(Dictionary, EntriesCountAgainstTheMemoryBudgetAndAreGivenBack)
{
    const std::size_t before = heldMemory();
    {
        ScriptControl host;
        host.setMemoryBudget(std::size_t{1} << 20);
        EXPECT_FALSE(host.AddCode("Set d = CreateObject(\"Scripting.Dictionary\")\nDo\n    d.Add i, i\n    i = i + 1\nLoop"));
        EXPECT_EQ(host.Error().Number, 7);
        EXPECT_EQ(host.Error().Line, 3);
        host.Reset();
    }
    EXPECT_EQ(heldMemory(), before);
}

} // namespace
} // namespace kestrelon::vbs::testing
