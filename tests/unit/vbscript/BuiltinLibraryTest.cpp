// The built-in library's tables: names found without regard to case and every entry reachable
// by its name, the constants a script's output cannot carry (line breaks, the null character),
// and MsgBox and InputBox against Dialogs that scripts cannot arrange. Scripts check the rest.
#include "BuiltinTestSupport.h"

#include <gtest/gtest.h>

using namespace kestrelon::vbs;
using namespace kestrelon::vbs::testing;

TEST(BuiltinLibraryTest, NamesAreFoundWithoutRegardToCase)
{
    EXPECT_EQ(findBuiltin("mid"), findBuiltin("MID"));
    ASSERT_NE(findBuiltin("InStrRev"), nullptr);
    EXPECT_STREQ(findBuiltin("instrrev")->name, "InStrRev");
    EXPECT_EQ(findBuiltin("Midd"), nullptr);
    EXPECT_EQ(findBuiltin("vbCrLf"), nullptr);
    EXPECT_EQ(findConstant("Mid"), nullptr);
    EXPECT_EQ(findConstant("VBCRLF"), findConstant("vbCrLf"));
}

TEST(BuiltinLibraryTest, EveryTableEntryIsReachableByItsName)
{
    for (const auto table : {conversionBuiltins(), mathBuiltins(), stringBuiltins(), stringSearchBuiltins(),
                             arrayBuiltins(), typeBuiltins(), dateBuiltins(), interactionBuiltins()}) {
        for (const BuiltinEntry& entry : table)
            EXPECT_EQ(findBuiltin(entry.name), &entry) << entry.name;
    }
    for (const ConstantEntry& entry : builtinConstants())
        EXPECT_EQ(findConstant(entry.name), &entry) << entry.name;
}

TEST(BuiltinLibraryTest, ConstantsHaveTheirSubtypes)
{
    const std::vector<std::pair<const char*, std::string>> rows = {
        {"vbCrLf", "String \r\n"},
        {"vbNewLine", "String \r\n"},
    };
    for (const auto& [name, expected] : rows) {
        const ConstantEntry* entry = findConstant(name);
        ASSERT_NE(entry, nullptr) << name;
        EXPECT_EQ(describe(entry->value()), expected) << name;
    }
    EXPECT_EQ(findConstant("vbNullChar")->value().asString(), Text(1, u'\0'));
}

TEST(BuiltinLibraryTest, MsgBoxWithoutDialogsShowsNothing)
{
    TestContext context;
    EXPECT_EQ(describe(call(context, "MsgBox", {S("Hello")})), "Integer 1");
}

TEST(BuiltinLibraryTest, InputBoxAnswersTheTextOrEmptyOnCancel)
{
    TestContext context;
    RecordingDialogs dialogs;
    dialogs.answers = {std::string("42"), std::nullopt};
    context.shownDialogs = &dialogs;
    EXPECT_EQ(describe(call(context, "InputBox", {S("How many?")})), "String 42");
    EXPECT_EQ(describe(call(context, "InputBox", {S("Again?"), S("Title"), S("1")})), "String ");
    EXPECT_EQ(dialogs.messages, (std::vector<std::string>{"input: How many?", "input: Again?"}));
    context.shownDialogs = nullptr;
    EXPECT_EQ(describe(call(context, "InputBox", {S("Nobody")})), "String ");
}
