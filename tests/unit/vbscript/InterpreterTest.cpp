// The line and column the parser and interpreter report for an error, each case a small script
// and the messages it must show. They stay here because every one ends in an error, several
// before anything runs, so each needs a script of its own. The interpreter's other mechanics
// (ByRef aliasing, On Error Resume Next, loops, Select Case, arrays) are conformance scripts
// under tests/vbscript.
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
