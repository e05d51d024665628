// Which bodies run as compiled code: every body but one that sets its own error handling, which
// the tree interpreter resumes statement by statement. The conformance suite checks that both
// ways give the same results; here, that the compiled way is really the one taken.
#include "vbscript/compile/Code.h"
#include "vbscript/compile/Compiler.h"
#include "vbscript/values/Text.h"

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

// A class's procedures are bodies like any other, in the script's text and in ExecuteGlobal's.
TEST_P(CompiledBodies, AClassProcedureIsCompiledAsAnyBody)
{
    const BodyCase& c = GetParam();
    const std::string text = std::string("Class K\nPublic x\nPublic Sub P\n") + c.body + "\nEnd Sub\nEnd Class\n";
    for (const auto& program : {compileProgram(text), compileCodeText(widenText(text), nullptr, false)}) {
        ASSERT_EQ(program->classes.size(), 1u);
        ASSERT_EQ(program->classes[0]->procedures.size(), 1u);
        EXPECT_EQ(program->classes[0]->procedures[0]->code != nullptr, c.compiled);
    }
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

std::size_t stepsOf(const Code& code, Op op)
{
    std::size_t count = 0;
    for (const Instruction& instruction : code.instructions)
        count += instruction.op == op ? 1 : 0;
    return count;
}

// Script variables get one alias each, between the loops' slots and the registers; a statement
// naming any of them has a guard and a plain version, one naming none has neither.
TEST(CompiledBodies, ScriptVariablesAreAliasedOncePerBodyBehindAGuardPerStatement)
{
    const auto program = compileProgram("total = 0\nFor i = 1 To 3\ntotal = total + i\nNext\nDim d : d = 1\n");
    const Code& code = *program->topLevelCode;
    // total, i (read in the body; the loop itself reaches its counter as a ByRef parameter
    // would) and d, which a Dim of the script level makes a script variable too.
    ASSERT_EQ(code.aliases.size(), 3u);
    EXPECT_TRUE(code.aliases[0].written);
    EXPECT_FALSE(code.aliases[1].written);
    EXPECT_TRUE(code.aliases[2].written);
    EXPECT_EQ(code.firstAlias, LoopSlots);
    EXPECT_EQ(code.firstRegister, code.firstAlias + 3);
    // total = 0, total = total + i, d = 1.
    EXPECT_EQ(stepsOf(code, Op::CheckGlobals), 3u);
    EXPECT_EQ(code.guards.size(), 3u);
    EXPECT_EQ(stepsOf(code, Op::Store), 3u);
}

TEST(CompiledBodies, LocalsNeedNoGuard)
{
    const auto program = compileProgram("Sub P(a)\nDim b\nb = a + 1\nEnd Sub\n");
    const Code& code = *program->procedures[0]->code;
    EXPECT_TRUE(code.aliases.empty());
    EXPECT_EQ(stepsOf(code, Op::CheckGlobals), 0u);
    EXPECT_EQ(stepsOf(code, Op::Store), 1u);
}

} // namespace
} // namespace kestrelon::vbs
