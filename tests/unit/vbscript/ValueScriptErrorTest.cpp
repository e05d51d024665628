// The error catalogue and the script error: standard texts by number (run-time and
// compilation), the two sources, and the position that is recorded once.
#include "vbscript/values/ScriptError.h"

#include <gtest/gtest.h>

using namespace kestrelon::vbs;

TEST(ValueScriptErrorTest, StandardTexts)
{
    const std::vector<std::pair<std::int32_t, std::string>> rows = {
        {5, "Invalid procedure call or argument"},
        {6, "Overflow"},
        {7, "Out of memory"},
        {9, "Subscript out of range"},
        {10, "This array is fixed or temporarily locked"},
        {11, "Division by zero"},
        {13, "Type mismatch"},
        {28, "Out of stack space"},
        {91, "Object variable not set"},
        {92, "For loop not initialized"},
        {94, "Invalid use of Null"},
        {424, "Object required"},
        {429, "ActiveX component can't create object"},
        {438, "Object doesn't support this property or method"},
        {450, "Wrong number of arguments or invalid property assignment"},
        {451, "Object not a collection"},
        {500, "Variable is undefined"},
        {501, "Illegal assignment"},
        {1002, "Syntax error"},
        {1010, "Expected identifier"},
        {1014, "Expected 'End'"},
        {1024, "Expected statement"},
        {1025, "Expected end of statement"},
        {1028, "Expected 'While', 'Until' or end of statement"},
        {1041, "Name redefined"},
        {1044, "Cannot use parentheses when calling a Sub"},
        {1, "Unknown runtime error"},
        {0, "Unknown runtime error"},
        {-2147221504, "Unknown runtime error"},
    };
    for (const auto& [number, text] : rows)
        EXPECT_EQ(standardDescription(number), text) << number;
}

TEST(ValueScriptErrorTest, RuntimeAndCompileErrors)
{
    const ScriptError runtime = ScriptError::runtime(ErrorCode::DivisionByZero);
    EXPECT_EQ(runtime.number(), 11);
    EXPECT_EQ(runtime.description(), "Division by zero");
    EXPECT_EQ(runtime.source(), "Microsoft VBScript runtime error");
    EXPECT_FALSE(runtime.hasPosition());
    EXPECT_STREQ(runtime.what(), "Division by zero");

    const ScriptError compile = ScriptError::compile(ErrorCode::ExpectedEndOfStatement, 3, 7);
    EXPECT_EQ(compile.description(), "Expected end of statement");
    EXPECT_EQ(compile.source(), "Microsoft VBScript compilation error");
    EXPECT_EQ(compile.line(), 3);
    EXPECT_EQ(compile.column(), 7);
}

TEST(ValueScriptErrorTest, ThePlaceIsRecordedWhereTheErrorFirstSurfaces)
{
    ScriptError error = ScriptError::runtime(ErrorCode::TypeMismatch);
    error.setPositionIfUnknown(4, 9);
    error.setPositionIfUnknown(1, 1);
    EXPECT_EQ(error.line(), 4);
    EXPECT_EQ(error.column(), 9);
}
