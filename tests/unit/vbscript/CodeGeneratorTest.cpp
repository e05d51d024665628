// Which bodies run as compiled code: every body but one that sets its own error handling, which
// the tree interpreter resumes statement by statement. The conformance suite checks that both
// ways give the same results; here, that the compiled way is really the one taken.
#include "vbscript/compile/Code.h"
#include "vbscript/compile/Compiler.h"

#include <gtest/gtest.h>

#include <string>

namespace kestrelon::vbs {
namespace {

struct BodyCase {
    const char* name;
    const char* body;
    bool compiled;
};

class CompiledBodies : public ::testing::TestWithParam<BodyCase> {};

TEST_P(CompiledBodies, EveryBodyButOneWithItsOwnErrorHandlingIsCompiled)
{
    const BodyCase& c = GetParam();
    const auto program = compileProgram(std::string("Sub P\n") + c.body + "\nEnd Sub\n" + c.body + "\n");
    ASSERT_EQ(program->procedures.size(), 1u);
    EXPECT_EQ(program->procedures[0]->code != nullptr, c.compiled);
    EXPECT_EQ(program->topLevelCode != nullptr, c.compiled);
}

INSTANTIATE_TEST_SUITE_P(
    Bodies, CompiledBodies,
    ::testing::Values(BodyCase{"Plain", "x = 1 + 2", true},
                      BodyCase{"Loops", "For i = 1 To 3\nDo While i < 2 : i = i + 1 : Loop\nNext", true},
                      BodyCase{"FallbackStatements",
                               "With Err : .Clear : End With\nSelect Case 1 : Case 1 : End Select", true},
                      BodyCase{"ResumeNext", "On Error Resume Next\nx = 1 / 0", false},
                      BodyCase{"GoToZero", "On Error GoTo 0", false},
                      BodyCase{"NestedDeep",
                               "If True Then\nFor i = 1 To 2\nOn Error Resume Next\nNext\nEnd If", false}),
    [](const ::testing::TestParamInfo<BodyCase>& info) { return info.param.name; });

TEST(CompiledBodies, ComputedValuesGetSlotsOfTheirOwnAfterTheVariables)
{
    const auto program = compileProgram("Function F(a, b)\nDim c\nc = a * b + a\nF = c\nEnd Function\n");
    const Procedure& f = *program->procedures[0];
    ASSERT_NE(f.code, nullptr);
    // a, b, the result and c come first; what a * b + a computes lands after them.
    EXPECT_EQ(f.code->firstRegister, 4);
    EXPECT_GT(f.slotCount, f.code->firstRegister);
}

} // namespace
} // namespace kestrelon::vbs
