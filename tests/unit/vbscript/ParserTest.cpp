// The parser: VBScript's precedence, the parenthesis rules of call statements, one-line and
// block If, and the number, line and column of every compilation error.
#include "vbscript/syntax/Parser.h"

#include "vbscript/values/ScriptError.h"

#include <gtest/gtest.h>

#include <string>

namespace kestrelon::vbs {
namespace {

const char* opText(BinaryOp op)
{
    switch (op) {
    case BinaryOp::Add: return "+";
    case BinaryOp::Subtract: return "-";
    case BinaryOp::Multiply: return "*";
    case BinaryOp::Divide: return "/";
    case BinaryOp::IntegerDivide: return "\\";
    case BinaryOp::Modulo: return "mod";
    case BinaryOp::Power: return "^";
    case BinaryOp::Concatenate: return "&";
    case BinaryOp::Equal: return "=";
    case BinaryOp::NotEqual: return "<>";
    case BinaryOp::Less: return "<";
    case BinaryOp::Greater: return ">";
    case BinaryOp::LessEqual: return "<=";
    case BinaryOp::GreaterEqual: return ">=";
    case BinaryOp::And: return "and";
    case BinaryOp::Or: return "or";
    case BinaryOp::Xor: return "xor";
    case BinaryOp::Eqv: return "eqv";
    case BinaryOp::Imp: return "imp";
    }
    return "?";
}

std::string dump(const Expr& expression);

std::string dumpList(const std::vector<ExprPtr>& list)
{
    std::string text;
    for (const auto& item : list)
        text += " " + dump(*item);
    return text;
}

std::string dumpInner(const Expr& expression)
{
    switch (expression.kind) {
    case ExprKind::Literal: {
        const Value& value = static_cast<const LiteralExpr&>(expression).value;
        if (value.isString())
            return "\"" + narrowText(value.asString()) + "\"";
        if (value.isWholeNumber() && !value.isBoolean())
            return std::to_string(value.wholeNumber());
        return value.isBoolean() ? (value.asBoolean() ? "True" : "False") : "lit";
    }
    case ExprKind::Name: return static_cast<const NameExpr&>(expression).name;
    case ExprKind::Member: {
        const auto& member = static_cast<const MemberExpr&>(expression);
        return dump(*member.object) + "." + member.name;
    }
    case ExprKind::WithMember: return "." + static_cast<const WithMemberExpr&>(expression).name;
    case ExprKind::Call: {
        const auto& call = static_cast<const CallExpr&>(expression);
        return "(call " + dump(*call.callee) + dumpList(call.args) + ")";
    }
    case ExprKind::Unary: {
        const auto& unary = static_cast<const UnaryExpr&>(expression);
        const char* name = unary.op == UnaryOp::Not ? "not" : unary.op == UnaryOp::Negate ? "neg" : "pos";
        return std::string("(") + name + " " + dump(*unary.operand) + ")";
    }
    case ExprKind::Binary:
    case ExprKind::Is: {
        const auto& binary = static_cast<const BinaryExpr&>(expression);
        const char* op = expression.kind == ExprKind::Is ? "is" : opText(binary.op);
        return std::string("(") + op + " " + dump(*binary.left) + " " + dump(*binary.right) + ")";
    }
    case ExprKind::New: return "(new " + static_cast<const NewExpr&>(expression).className + ")";
    case ExprKind::Me: return "Me";
    }
    return "?";
}

std::string dump(const Expr& expression)
{
    const std::string inner = dumpInner(expression);
    return expression.parenthesized ? "[" + inner + "]" : inner;
}

std::string dumpBlock(const Block& block);

std::string dumpStatement(const Stmt& statement)
{
    switch (statement.kind) {
    case StmtKind::Assign: {
        const auto& assign = static_cast<const AssignStmt&>(statement);
        return std::string(assign.isSet ? "(set " : "(let ") + dump(*assign.target) + " " + dump(*assign.value) + ")";
    }
    case StmtKind::Call: {
        const auto& call = static_cast<const CallStmt&>(statement);
        return "(do " + dump(*call.callee) + dumpList(call.args) + ")";
    }
    case StmtKind::If: {
        const auto& ifStatement = static_cast<const IfStmt&>(statement);
        std::string text = "(if";
        for (const auto& branch : ifStatement.branches)
            text += " " + dump(*branch.condition) + " {" + dumpBlock(branch.body) + "}";
        return text + " else {" + dumpBlock(ifStatement.elseBody) + "})";
    }
    case StmtKind::Exit: return "(exit)";
    default: return "(stmt)";
    }
}

std::string dumpBlock(const Block& block)
{
    std::string text;
    for (const auto& statement : block)
        text += (text.empty() ? "" : " ") + dumpStatement(*statement);
    return text;
}

std::string parse(const std::string& source)
{
    return dumpBlock(Parser(source).parseProgram()->statements);
}

struct ShapeCase {
    const char* source;
    const char* tree;
};

class ParserShape : public ::testing::TestWithParam<ShapeCase> {};

TEST_P(ParserShape, BuildsThisTree)
{
    EXPECT_EQ(parse(GetParam().source), GetParam().tree) << GetParam().source;
}

INSTANTIATE_TEST_SUITE_P(
    Precedence, ParserShape,
    ::testing::Values(ShapeCase{"x = -3 ^ 2", "(let x (^ (neg 3) 2))"},
                      ShapeCase{"x = 2 ^ 3 ^ 2", "(let x (^ (^ 2 3) 2))"},
                      ShapeCase{"x = 12 / 3 \\ 2", "(let x (\\ (/ 12 3) 2))"},
                      ShapeCase{"x = 5 \\ 4 / 2", "(let x (\\ 5 (/ 4 2)))"},
                      ShapeCase{"x = 7 Mod 4 + 2", "(let x (+ (mod 7 4) 2))"},
                      ShapeCase{"x = 2 + 3 \\ 4", "(let x (+ 2 (\\ 3 4)))"},
                      ShapeCase{"x = 1 = 1 < 0", "(let x (< (= 1 1) 0))"},
                      ShapeCase{"x = Not a = b", "(let x (not (= a b)))"},
                      ShapeCase{"x = Not a And b", "(let x (and (not a) b))"},
                      ShapeCase{"x = Not o Is Nothing", "(let x (not (is o lit)))"},
                      ShapeCase{"x = True Or False Xor True", "(let x (xor (or True False) True))"},
                      ShapeCase{"x = a Imp b Eqv c", "(let x (imp a (eqv b c)))"},
                      ShapeCase{"x = \"a\" & 1 + 2", "(let x (& \"a\" (+ 1 2)))"},
                      ShapeCase{"x = (1 + 2) * 3", "(let x (* [(+ 1 2)] 3))"},
                      ShapeCase{"x = CInt (2) * 3", "(let x (* (call CInt 2) 3))"},
                      ShapeCase{"x = Split(s, \";\")(1)", "(let x (call (call Split s \";\") 1))"},
                      ShapeCase{"x = obj.Items()(0).Name", "(let x (call (call obj.Items) 0).Name)"}));

INSTANTIATE_TEST_SUITE_P(
    CallStatements, ParserShape,
    ::testing::Values(ShapeCase{"f a, b", "(do f a b)"}, ShapeCase{"f (a)", "(do f [a])"},
                      ShapeCase{"f(a)", "(do f [a])"}, ShapeCase{"f (a), b", "(do f [a] b)"},
                      ShapeCase{"NpS(10)+5", "(do NpS (+ [10] 5))"},
                      ShapeCase{"NpS(10)<>10", "(do NpS (<> [10] 10))"},
                      ShapeCase{"NpT(10)*3, 7", "(do NpT (* [10] 3) 7)"},
                      ShapeCase{"TestSub (2) * 8, 7", "(do TestSub (* [2] 8) 7)"},
                      ShapeCase{"f()", "(do f)"}, ShapeCase{"f", "(do f)"}, ShapeCase{"NpS.5", "(do NpS lit)"},
                      ShapeCase{"Call f(a, b)", "(do f a b)"}, ShapeCase{"Call f", "(do f)"},
                      ShapeCase{"obj.M a, b", "(do obj.M a b)"}, ShapeCase{"f -1", "(do f (neg 1))"},
                      ShapeCase{"a(1) = 2", "(let (call a 1) 2)"}, ShapeCase{"Set o.p = q", "(set o.p q)"},
                      ShapeCase{"obj _\n.Ret()", "(do obj.Ret)"},
                      ShapeCase{"MsgBox .Name & .Value", "(do MsgBox (& .Name .Value))"},
                      ShapeCase{".Items(1).Name = x", "(let (call .Items 1).Name x)"}));

INSTANTIATE_TEST_SUITE_P(
    IfForms, ParserShape,
    ::testing::Values(ShapeCase{"If c Then x = 1 : y = 2 Else z = 3", "(if c {(let x 1) (let y 2)} else {(let z 3)})"},
                      ShapeCase{"If false then x=1 else x=2 end if", "(if False {(let x 1)} else {(let x 2)})"},
                      ShapeCase{"If a Then If b Then x = 1 Else y = 2", "(if a {(if b {(let x 1)} else {(let y 2)})} else {})"},
                      ShapeCase{"If c Then x = 1 Else", "(if c {(let x 1)} else {})"},
                      ShapeCase{"If a Then\nx = 1\nElseIf b Then y = 2\nElse z = 3 End If",
                                "(if a {(let x 1)} b {(let y 2)} else {(let z 3)})"},
                      ShapeCase{": : x = 1 ::", "(let x 1)"}));

struct ErrorCase {
    const char* source;
    std::int32_t number;
    int line;
    int column;
};

class ParserError : public ::testing::TestWithParam<ErrorCase> {};

TEST_P(ParserError, RaisesTheCompilationErrorAtItsPlace)
{
    const auto& param = GetParam();
    try {
        Parser(param.source).parseProgram();
        FAIL() << "no error for: " << param.source;
    } catch (const ScriptError& error) {
        EXPECT_EQ(error.number(), param.number) << param.source;
        EXPECT_EQ(error.line(), param.line) << param.source;
        EXPECT_EQ(error.column(), param.column) << param.source;
        EXPECT_EQ(error.source(), CompileErrorSource);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Syntax, ParserError,
    ::testing::Values(
        ErrorCase{"x = 1 2", 1025, 1, 7}, ErrorCase{"x = 1.5.5", 1025, 1, 8}, ErrorCase{"x = (1).5", 1025, 1, 8},
        ErrorCase{"NpS 1 2", 1025, 1, 7}, ErrorCase{"Dim 5", 1010, 1, 5}, ErrorCase{"Sub 5\nEnd Sub", 1010, 1, 5},
        ErrorCase{"Const 5 = 1", 1010, 1, 7}, ErrorCase{"For 5 = 1 To 2\nNext", 1010, 1, 5},
        ErrorCase{"x = .", 1010, 1, 6}, ErrorCase{"obj.M. 5", 1010, 1, 8}, ErrorCase{"x = ", 1002, 1, 5},
        ErrorCase{"x = 1 +", 1002, 1, 8}, ErrorCase{"f(1, 2)", 1044, 1, 1}, ErrorCase{"  obj.M(1, 2)", 1044, 1, 3},
        ErrorCase{"Dim a(n)", 1026, 1, 7}, ErrorCase{"Const c = 1 + 2", 1045, 1, 13},
        ErrorCase{"Const c = x", 1045, 1, 11}, ErrorCase{"Set Me = x", 1037, 1, 5},
        ErrorCase{"For o.p = 1 To 2\nNext", 1040, 1, 6}, ErrorCase{"x = (1 + 2", 1006, 1, 11},
        ErrorCase{"If x Then\ny = 1\n", 1014, 3, 1}, ErrorCase{"If x\ny = 1\nEnd If", 1017, 1, 5},
        ErrorCase{"If x Then\ny = 1\nEnd Sub", 1012, 3, 5}, ErrorCase{"Sub f\nx = 1\nEnd Function", 1016, 3, 5},
        ErrorCase{"Function f\nEnd Sub", 1015, 2, 5}, ErrorCase{"Do\nx = 1\n", 1019, 3, 1},
        ErrorCase{"While x\n", 1018, 2, 1}, ErrorCase{"For i = 1 To 2\n", 1020, 2, 1},
        ErrorCase{"For i = 1 2\nNext", 1013, 1, 11}, ErrorCase{"For i 1 To 2\nNext", 1011, 1, 7},
        ErrorCase{"For Each x 5\nNext", 1046, 1, 12}, ErrorCase{"Select x\nEnd Select", 1021, 1, 8},
        ErrorCase{"Select Case x\ny = 1\nEnd Select", 1021, 2, 1},
        ErrorCase{"Select Case x\nCase 1\nEnd If", 1022, 3, 5}, ErrorCase{"With x\nEnd Sub", 1029, 2, 5},
        ErrorCase{"Loop", 1038, 1, 1}, ErrorCase{"Next", 1055, 1, 1}, ErrorCase{"Exit For", 1039, 1, 1},
        ErrorCase{"Do\nExit For\nLoop", 1039, 2, 1}, ErrorCase{"Sub f\nExit Function\nEnd Sub", 1039, 2, 1},
        ErrorCase{"While x\nExit Do\nWend", 1039, 2, 1},
        ErrorCase{"Do While x\nLoop While y", 1025, 2, 6}, ErrorCase{"Do x\nLoop", 1028, 1, 4},
        ErrorCase{"For i = 1 To 2\nNext i", 1025, 2, 6}, ErrorCase{"x = 1\nOption Explicit", 1024, 2, 1},
        ErrorCase{"Let x = 1", 1024, 1, 1}, ErrorCase{"Sub f\nSub g\nEnd Sub\nEnd Sub", 1024, 2, 1},
        ErrorCase{"x = \"open", 1033, 1, 5}, ErrorCase{"x = 1 2\ny = \"open", 1025, 1, 7},
        ErrorCase{"x = 1\ny = [open", 1007, 2, 5}, ErrorCase{"On Error Resume", 1002, 1, 16},
        ErrorCase{"On Error GoTo 1", 1002, 1, 15}, ErrorCase{"Sub f(a\nEnd Sub", 1006, 1, 8},
        ErrorCase{"Case 1", 1024, 1, 1}));

TEST(ParserLimits, RefusesNestingDeeperThanTheLimit)
{
    const std::string deep = "x = " + std::string(Parser::MaxNesting, '(') + "1" + std::string(Parser::MaxNesting, ')');
    try {
        Parser(deep).parseProgram();
        FAIL() << "deep nesting accepted";
    } catch (const ScriptError& error) {
        EXPECT_EQ(error.number(), 1001);
    }
    const std::string shallow = "x = " + std::string(50, '(') + "1" + std::string(50, ')');
    EXPECT_NO_THROW(Parser(shallow).parseProgram());
}

TEST(ParserLimits, RefusesAnOperatorChainLongerThanTheLimit)
{
    std::string chain = "x = 1";
    for (int i = 0; i < Parser::MaxNesting; ++i)
        chain += " + 1";
    EXPECT_THROW(Parser(chain).parseProgram(), ScriptError);
}

TEST(Parser, GathersProceduresWhereverTheyStandAtScriptLevel)
{
    const auto program = Parser("If False Then\nSub Hidden\nEnd Sub\nEnd If\nFunction f(ByVal a, b()) f = a\nEnd Function")
                             .parseProgram();
    ASSERT_EQ(program->procedures.size(), 2u);
    EXPECT_EQ(program->procedures[0]->name, "Hidden");
    const Procedure& f = *program->procedures[1];
    EXPECT_TRUE(f.isFunction);
    ASSERT_EQ(f.params.size(), 2u);
    EXPECT_TRUE(f.params[0].byVal);
    EXPECT_FALSE(f.params[1].byVal);
    EXPECT_EQ(f.body.size(), 1u);
}

TEST(Parser, ReadsOptionExplicitOnlyAsTheFirstStatement)
{
    EXPECT_TRUE(Parser("' note\n\nOption Explicit\nDim x").parseProgram()->optionExplicit);
    EXPECT_FALSE(Parser("Dim x").parseProgram()->optionExplicit);
}

} // namespace
} // namespace kestrelon::vbs
