// The compilation errors of class declarations: where each is raised and with which number,
// from the parser (a class's form) and from the member table (members that disagree).
#include "vbscript/compile/Compiler.h"
#include "vbscript/values/ScriptError.h"

#include <gtest/gtest.h>

#include <string>

namespace kestrelon::vbs {
namespace {

struct ClassErrorCase {
    const char* source;
    int number;
    int line;
    int column;
};

class ClassCompileError : public ::testing::TestWithParam<ClassErrorCase> {};

TEST_P(ClassCompileError, RaisesTheErrorAtItsPlace)
{
    const auto& param = GetParam();
    try {
        compileProgram(param.source);
        FAIL() << "no error for: " << param.source;
    } catch (const ScriptError& error) {
        EXPECT_EQ(error.number(), param.number) << param.source;
        EXPECT_EQ(error.line(), param.line) << param.source;
        EXPECT_EQ(error.column(), param.column) << param.source;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Classes, ClassCompileError,
    ::testing::Values(
        ClassErrorCase{"Property Get p\nEnd Property", 1048, 1, 1},
        ClassErrorCase{"x = Me", 1037, 1, 5},
        ClassErrorCase{"Sub f\nMe.x = 1\nEnd Sub", 1037, 2, 1},
        ClassErrorCase{"Class C\nSub f\nSet Me = Nothing\nEnd Sub\nEnd Class", 1037, 3, 5},
        ClassErrorCase{"Class C\nSub f\nMe = 1\nEnd Sub\nEnd Class", 1037, 3, 1},
        ClassErrorCase{"Sub f\nClass C\nEnd Class\nEnd Sub", 1002, 2, 1},
        ClassErrorCase{"Class C\nx = 1\nEnd Class", 1024, 2, 1},
        ClassErrorCase{"Class C\nSub f\nEnd Sub\nEnd Sub", 1047, 4, 5},
        ClassErrorCase{"Class C\nProperty Get p\nEnd Sub\nEnd Class", 1050, 3, 5},
        ClassErrorCase{"Class C\nProperty p\nEnd Property\nEnd Class", 1024, 2, 1},
        ClassErrorCase{"Class C\nPrivate Default Sub f\nEnd Sub\nEnd Class", 1057, 2, 9},
        ClassErrorCase{"Class C\nDefault Sub f\nEnd Sub\nEnd Class", 1057, 2, 1},
        ClassErrorCase{"Class C\nPublic Default Property Let p(v)\nEnd Property\nEnd Class", 1058, 2, 1},
        ClassErrorCase{"Class C\nPublic Default Sub f\nEnd Sub\nPublic Default Function g\nEnd Function\nEnd Class",
                       1052, 4, 1},
        ClassErrorCase{"Class C\nSub Class_Initialize(a)\nEnd Sub\nEnd Class", 1053, 2, 1},
        ClassErrorCase{"Class C\nProperty Let p()\nEnd Property\nEnd Class", 1054, 2, 1},
        ClassErrorCase{"Class C\nProperty Get p(i)\nEnd Property\nProperty Let p(v)\nEnd Property\nEnd Class",
                       1051, 4, 1},
        ClassErrorCase{"Class C\nPublic x\nSub x\nEnd Sub\nEnd Class", 1041, 3, 1},
        ClassErrorCase{"Class C\nPublic x, x\nEnd Class", 1041, 2, 11},
        ClassErrorCase{"Class C\nSub f\nEnd Sub\nFunction f\nEnd Function\nEnd Class", 1041, 4, 1},
        ClassErrorCase{"Dim C\nClass C\nEnd Class", 1041, 2, 7},
        ClassErrorCase{"Class C\nSub f\nExit Function\nEnd Sub\nEnd Class", 1039, 3, 1},
        ClassErrorCase{"Class C\nSub f\nExit Property\nEnd Sub\nEnd Class", 1039, 3, 1}));

TEST(ClassCompile, AcceptsEveryMemberForm)
{
    const char* source = "Class C\n"
                         "Public a, b(3)\nPrivate c\nDim d()\n"
                         "Public Default Property Get p(i)\np = i\nExit Property\nEnd Property\n"
                         "Property Let p(i, v)\nEnd Property\nProperty Set p(i, o)\nEnd Property\n"
                         "Private Function f() : f = 1 : End Function\n"
                         "Public Sub Class_Initialize() : a = 1 : End Sub\n"
                         "End Class\n";
    const auto program = compileProgram(source);
    ASSERT_EQ(program->classes.size(), 1u);
    const ClassDecl& decl = *program->classes[0];
    EXPECT_EQ(decl.members.size(), 7u); // a b c d p f Class_Initialize
    ASSERT_GE(decl.defaultMember, 0);
    const ClassMember& p = decl.members[static_cast<std::size_t>(decl.defaultMember)];
    EXPECT_EQ(p.name, "p");
    EXPECT_TRUE(p.get && p.let && p.set);
    EXPECT_NE(decl.initialize, nullptr);
    EXPECT_EQ(decl.findMember("f"), decl.findMember("f"));
    EXPECT_LT(decl.findMember("missing"), 0);
    EXPECT_FALSE(decl.members[static_cast<std::size_t>(decl.findMember("c"))].isPublic);
}

} // namespace
} // namespace kestrelon::vbs
