// The interpreter's mechanics, each case a small script and the messages it must show: ByRef
// aliasing (with arrays as values and locked while an element is passed), On Error Resume
// Next, Exit, For loops, Select Case, arrays, and the place reported for run-time errors.
#include "InterpreterTestSupport.h"

#include <gtest/gtest.h>

namespace kestrelon::vbs::testing {
namespace {

struct ScriptCase {
    const char* name;
    const char* script;
    const char* outcome;
};

class Interpreter : public ::testing::TestWithParam<ScriptCase> {};

TEST_P(Interpreter, ShowsTheseMessages)
{
    EXPECT_EQ(run(GetParam().script), GetParam().outcome) << GetParam().script;
}

std::string caseName(const ::testing::TestParamInfo<ScriptCase>& info)
{
    return info.param.name;
}

INSTANTIATE_TEST_SUITE_P(
    ByRef, Interpreter,
    ::testing::Values(
        ScriptCase{"GlobalPassedFromAProcedure",
                   "Sub SetTwo(x)\nx = 2\nEnd Sub\nSub Caller\nSetTwo g\nEnd Sub\ng = 1\nCaller\nMsgBox g", "2"},
        ScriptCase{"ParameterPassedOn",
                   "Sub Inner(b)\nb = b & \"!\"\nEnd Sub\nSub Outer(a)\nInner a\nEnd Sub\ns = \"hi\"\nOuter s\nMsgBox s",
                   "hi!"},
        ScriptCase{"FunctionResultIsACopy",
                   "Function G()\nG = 1\nEnd Function\nSub Inc(a)\na = a + 1\nMsgBox a\nEnd Sub\nInc G()\nMsgBox G()",
                   "2|1"},
        ScriptCase{"ArrayAssignmentCopies", "a = Array(1, 2)\nb = a\nb(0) = 9\nMsgBox a(0) & b(0)", "19"},
        ScriptCase{"ElementAliasSurvivesACopyOfItsArray",
                   "Dim arr(1)\narr(0) = 1\nSub S(e)\nc = arr\ne = 5\nMsgBox c(0)\nEnd Sub\nS arr(0)\nMsgBox arr(0)",
                   "1|5"},
        ScriptCase{"LockedArrayCannotBeReplaced",
                   "Dim arr(1)\nSub S(e)\nOn Error Resume Next\narr = 5\nMsgBox Err.Number\nErase arr\n"
                   "MsgBox Err.Number\ne = \"ok\"\nEnd Sub\nS arr(1)\nMsgBox arr(1)\nReDim arr(3)",
                   "10|10|ok !Error This array is fixed or temporarily locked line: 12 column: 1"},
        ScriptCase{"LockEndsWithTheCall",
                   "ReDim arr(1)\nSub S(e)\ne = 1\nEnd Sub\nS arr(0)\nReDim arr(3)\nMsgBox UBound(arr)", "3"},
        ScriptCase{"SameVariableTwice", "Sub T(a, b)\na = a + 1\nb = b + 1\nEnd Sub\nx = 1\nT x, x\nMsgBox x", "3"}),
    caseName);

INSTANTIATE_TEST_SUITE_P(
    ResumeNext, Interpreter,
    ::testing::Values(
        ScriptCase{"FailingCallLeavesTheTarget",
                   "Function F()\nErr.Raise 5\nEnd Function\nOn Error Resume Next\nx = 1\nx = 2 + F()\nMsgBox x", "1"},
        ScriptCase{"GoesOnInsideTheBlock",
                   "On Error Resume Next\nIf True Then\ny = 1 / 0\nMsgBox \"next in body\"\nEnd If\nMsgBox \"after\"",
                   "next in body|after"},
        ScriptCase{"OnErrorStatementClearsErr",
                   "On Error Resume Next\nx = 1 / 0\nMsgBox Err.Number\nOn Error Resume Next\nMsgBox Err.Number", "11|0"},
        ScriptCase{"NoShortCut", "Function T(v)\nMsgBox v\nT = v\nEnd Function\nx = T(False) And T(True)\nMsgBox x",
                   "False|True|False"},
        ScriptCase{"ElseIfConditionFailing",
                   "On Error Resume Next\nIf False Then\nMsgBox 1\nElseIf 1 / 0 Then\nMsgBox \"elseif entered\"\n"
                   "Else\nMsgBox 3\nEnd If",
                   "elseif entered"},
        ScriptCase{"WithObjectFailing",
                   "On Error Resume Next\nWith 1 / 0\nMsgBox \"body runs\"\n.Prop = 1\nMsgBox Err.Number\nEnd With",
                   "body runs|424"}),
    caseName);

INSTANTIATE_TEST_SUITE_P(
    Loops, Interpreter,
    ::testing::Values(
        ScriptCase{"ExitForThroughSelect",
                   "For i = 1 To 5\nSelect Case i\nCase 2\nExit For\nEnd Select\nNext\nMsgBox i", "2"},
        ScriptCase{"ExitFunctionThroughLoops",
                   "Function F()\nFor i = 1 To 3\nDo\nF = i\nExit Function\nLoop\nNext\nF = 99\nEnd Function\nMsgBox F()",
                   "1"},
        ScriptCase{"CounterIsAByRefParameter", "Sub Count(i)\nFor i = 1 To 3\nNext\nEnd Sub\nCount k\nMsgBox k", "4"},
        ScriptCase{"CounterTurnedToText",
                   "On Error Resume Next\nFor i = 1 To 3\ni = \"x\"\nMsgBox \"pass\"\nNext\nMsgBox Err.Number", "pass|13"},
        ScriptCase{"StepEvaluatedOnce",
                   "s = 1\nFor i = 1 To 4 Step s\ns = 2\nMsgBox i\nNext", "1|2|3|4"}),
    caseName);

INSTANTIATE_TEST_SUITE_P(
    SelectAndArrays, Interpreter,
    ::testing::Values(
        ScriptCase{"SelectTextAgainstNumberLiteral",
                   "x = \"10\"\nSelect Case x\nCase 10\nMsgBox \"number\"\nCase Else\nMsgBox \"else\"\nEnd Select",
                   "number"},
        ScriptCase{"SelectTextVariablesAgainstNumberVariable",
                   "x = \"10\"\nn = 10\nSelect Case x\nCase n\nMsgBox \"same\"\nCase Else\nMsgBox \"text is greater\"\n"
                   "End Select",
                   "text is greater"},
        ScriptCase{"PreserveTwoDimensions",
                   "ReDim a(1, 1)\na(1, 1) = \"x\"\nReDim Preserve a(1, 3)\nMsgBox a(1, 1) & UBound(a, 2)", "x3"},
        ScriptCase{"EraseFixedKeepsBounds", "Dim f(2)\nf(1) = 5\nErase f\nMsgBox UBound(f) & \"[\" & f(1) & \"]\"",
                   "2[]"},
        ScriptCase{"ArraysInArrays", "a = Array(Array(1, 2), 3)\nMsgBox a(0)(1) & a(1)", "23"},
        ScriptCase{"IndicesRoundHalfToEven", "a = Array(10, 20, 30)\nMsgBox a(0.5) & a(1.5)", "1030"},
        ScriptCase{"ReDimMakesAnArrayOfAScalar", "x = 5\nReDim x(2)\nMsgBox UBound(x) & TypeName(x)", "2Variant()"}),
    caseName);

INSTANTIATE_TEST_SUITE_P(
    ErrorPlaces, Interpreter,
    ::testing::Values(
        ScriptCase{"NestedStatement", "If True Then\n  For i = 1 To 1\n      x = 1 / 0\n  Next\nEnd If",
                   " !Error Division by zero line: 3 column: 7"},
        ScriptCase{"AfterAColon", "x = 1 : y = 1 / 0", " !Error Division by zero line: 1 column: 9"},
        ScriptCase{"InsideTheCalledProcedure", "Sub Fail\n    Err.Raise 9\nEnd Sub\nMsgBox \"a\"\nFail",
                   "a !Error Subscript out of range line: 2 column: 5"},
        ScriptCase{"ConditionOfABlockIf", "\nIf 1 / 0 Then\nMsgBox 1\nEnd If",
                   " !Error Division by zero line: 2 column: 1"},
        ScriptCase{"NameRedefined", "Dim x\nMsgBox 1\n  Dim x", " !Error Name redefined line: 3 column: 7"},
        ScriptCase{"ParameterRedefined", "Sub S(a)\nDim a\nEnd Sub", " !Error Name redefined line: 2 column: 5"},
        ScriptCase{"DimOverAProcedure", "Dim S\nSub S\nEnd Sub", " !Error Name redefined line: 1 column: 5"},
        ScriptCase{"ConstOverDim", "Const c = 1\nDim c", " !Error Name redefined line: 2 column: 5"}),
    caseName);

} // namespace
} // namespace kestrelon::vbs::testing
