// The built-in library as the interpreter meets it: names found without regard to case, the
// argument counts checked, the vb constants with their subtypes, MsgBox and InputBox through
// the host's Dialogs, and object creation refused.
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

TEST(BuiltinLibraryTest, WrongArgumentCountsRaise450)
{
    EXPECT_EQ(callOutcome("Mid", {S("abc")}), "error 450");
    EXPECT_EQ(callOutcome("Mid", {S("abc"), I(1), I(1), I(1)}), "error 450");
    EXPECT_EQ(callOutcome("Now", {I(1)}), "error 450");
    EXPECT_EQ(callOutcome("StrComp", {S("a"), S("b"), I(0), I(0)}), "error 450");
    EXPECT_EQ(callOutcome("Array", {}), "Variant()");
    EXPECT_EQ(callOutcome("Array", std::vector<Value>(40, I(1))).size(), std::string("Variant()").size() + 79);
}

TEST(BuiltinLibraryTest, ConstantsHaveTheirSubtypes)
{
    const std::vector<std::pair<const char*, std::string>> rows = {
        {"vbOK", "Integer 1"},           {"vbCancel", "Integer 2"},         {"vbNo", "Integer 7"},
        {"vbYesNo", "Integer 4"},        {"vbTextCompare", "Integer 1"},    {"vbSaturday", "Integer 7"},
        {"vbTrue", "Integer -1"},        {"vbArray", "Integer 8192"},       {"vbByte", "Integer 17"},
        {"vbObjectError", "Long -2147221504"}, {"vbRed", "Long 255"},      {"vbWhite", "Long 16777215"},
        {"vbMsgBoxSetForeground", "Long 65536"},                           {"vbCrLf", "String \r\n"},
        {"vbNewLine", "String \r\n"},    {"vbTab", "String \t"},            {"vbNullString", "String "},
    };
    for (const auto& [name, expected] : rows) {
        const ConstantEntry* entry = findConstant(name);
        ASSERT_NE(entry, nullptr) << name;
        EXPECT_EQ(describe(entry->value()), expected) << name;
    }
    EXPECT_EQ(findConstant("vbNullChar")->value().asString(), std::string(1, '\0'));
}

TEST(BuiltinLibraryTest, MsgBoxShowsThePromptAndAnswersOk)
{
    TestContext context;
    RecordingDialogs dialogs;
    context.shownDialogs = &dialogs;
    EXPECT_EQ(describe(call(context, "MsgBox", {S("Hello")})), "Integer 1");
    EXPECT_EQ(describe(call(context, "MsgBox", {D(0.5), I(64), S("Title")})), "Integer 1");
    EXPECT_EQ(dialogs.messages, (std::vector<std::string>{"Hello", "0.5"}));
    EXPECT_EQ(outcome([&] { return call(context, "MsgBox", {N()}); }), "error 94");
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

TEST(BuiltinLibraryTest, ScriptsCannotCreateObjects)
{
    EXPECT_EQ(callOutcome("CreateObject", {S("Scripting.FileSystemObject")}), "error 429");
    EXPECT_EQ(callOutcome("CreateObject", {S("WScript.Shell"), S("server")}), "error 429");
    EXPECT_EQ(callOutcome("GetObject", {}), "error 429");
    EXPECT_EQ(callOutcome("GetObject", {S("C:\\file.txt")}), "error 429");
}
