// Parsing expressions by precedence, tightest first: unary - and + (tighter than ^, so -3^2
// is 9), ^, * /, \, Mod, + -, &, the comparisons with Is and a prefix Not on one level, And,
// Or, Xor, Eqv, Imp. Every binary operator groups to the left.
#include "vbscript/syntax/Parser.h"

#include "vbscript/values/ScriptError.h"

#include <optional>

namespace kestrelon::vbs {
namespace {

constexpr int ComparisonLevel = 6;
constexpr int ExponentLevel = 12;

struct BinaryOperator {
    int level;
    BinaryOp op;
    bool isIs = false;
};

std::optional<BinaryOperator> binaryOperator(TokenKind kind)
{
    switch (kind) {
    case TokenKind::Imp: return BinaryOperator{1, BinaryOp::Imp};
    case TokenKind::Eqv: return BinaryOperator{2, BinaryOp::Eqv};
    case TokenKind::Xor: return BinaryOperator{3, BinaryOp::Xor};
    case TokenKind::Or: return BinaryOperator{4, BinaryOp::Or};
    case TokenKind::And: return BinaryOperator{5, BinaryOp::And};
    case TokenKind::Equal: return BinaryOperator{ComparisonLevel, BinaryOp::Equal};
    case TokenKind::NotEqual: return BinaryOperator{ComparisonLevel, BinaryOp::NotEqual};
    case TokenKind::Less: return BinaryOperator{ComparisonLevel, BinaryOp::Less};
    case TokenKind::Greater: return BinaryOperator{ComparisonLevel, BinaryOp::Greater};
    case TokenKind::LessEqual: return BinaryOperator{ComparisonLevel, BinaryOp::LessEqual};
    case TokenKind::GreaterEqual: return BinaryOperator{ComparisonLevel, BinaryOp::GreaterEqual};
    case TokenKind::Is: return BinaryOperator{ComparisonLevel, BinaryOp::Equal, true};
    case TokenKind::Ampersand: return BinaryOperator{7, BinaryOp::Concatenate};
    case TokenKind::Plus: return BinaryOperator{8, BinaryOp::Add};
    case TokenKind::Minus: return BinaryOperator{8, BinaryOp::Subtract};
    case TokenKind::Mod: return BinaryOperator{9, BinaryOp::Modulo};
    case TokenKind::Backslash: return BinaryOperator{10, BinaryOp::IntegerDivide};
    case TokenKind::Star: return BinaryOperator{11, BinaryOp::Multiply};
    case TokenKind::Slash: return BinaryOperator{11, BinaryOp::Divide};
    case TokenKind::Caret: return BinaryOperator{ExponentLevel, BinaryOp::Power};
    default: return std::nullopt;
    }
}

} // namespace

ExprPtr Parser::parseExpression()
{
    return parseBinary(0);
}

// binary := unary { operator binary-of-a-tighter-level }
ExprPtr Parser::parseBinary(int minLevel)
{
    NestingGuard guard(*this);
    ExprPtr left = parseUnary();
    return parseBinaryRest(std::move(left), minLevel);
}

// Continues an expression from an operand already parsed. Each operator taken deepens the
// tree by one level, which counts against the nesting limit like a parenthesis.
ExprPtr Parser::parseBinaryRest(ExprPtr left, int minLevel)
{
    int deepened = 0;
    while (const auto info = binaryOperator(current().kind)) {
        if (info->level < minLevel)
            break;
        const SourcePos pos = left->pos;
        advance();
        if (++m_nesting > MaxNesting)
            fail(ErrorCode::CompilerOutOfMemory);
        ++deepened;
        ExprPtr right = parseBinary(info->level + 1);
        left = std::make_unique<BinaryExpr>(info->isIs ? ExprKind::Is : ExprKind::Binary, pos, info->op,
                                            std::move(left), std::move(right));
    }
    m_nesting -= deepened;
    return left;
}

// Not operand: Not takes a whole comparison (Not a = b is Not (a = b)) but not And or Or.
ExprPtr Parser::parseNot()
{
    const SourcePos pos = position();
    advance();
    ExprPtr operand = parseBinary(ComparisonLevel);
    return std::make_unique<UnaryExpr>(pos, UnaryOp::Not, std::move(operand));
}

// unary := - unary | + unary | Not ... | primary
ExprPtr Parser::parseUnary()
{
    NestingGuard guard(*this);
    if (at(TokenKind::Not))
        return parseNot();
    if (at(TokenKind::Minus) || at(TokenKind::Plus)) {
        const SourcePos pos = position();
        const UnaryOp op = at(TokenKind::Minus) ? UnaryOp::Negate : UnaryOp::Plus;
        advance();
        return std::make_unique<UnaryExpr>(pos, op, parseUnary());
    }
    return parsePrimary();
}

// primary := literal | True | False | Empty | Null | Nothing | chain | ( expression ) | New name
ExprPtr Parser::parsePrimary()
{
    const SourcePos pos = position();
    ExprPtr expression;
    switch (current().kind) {
    case TokenKind::Literal: expression = std::make_unique<LiteralExpr>(pos, current().value, true); break;
    case TokenKind::True: expression = std::make_unique<LiteralExpr>(pos, Value::boolean(true), false); break;
    case TokenKind::False: expression = std::make_unique<LiteralExpr>(pos, Value::boolean(false), false); break;
    case TokenKind::Empty: expression = std::make_unique<LiteralExpr>(pos, Value(), false); break;
    case TokenKind::Null: expression = std::make_unique<LiteralExpr>(pos, Value::null(), false); break;
    case TokenKind::Nothing: expression = std::make_unique<LiteralExpr>(pos, Value::nothing(), false); break;
    case TokenKind::Identifier:
    case TokenKind::Dot: return parseChain();
    case TokenKind::LeftParen: {
        advance();
        expression = parseExpression();
        expect(TokenKind::RightParen, ErrorCode::ExpectedRightParen);
        expression->parenthesized = true;
        // A parenthesised callee or array may still be called or indexed: (f)(x), ((a))(0).
        return parsePostfix(std::move(expression));
    }
    case TokenKind::New: {
        advance();
        if (!at(TokenKind::Identifier))
            fail(ErrorCode::ExpectedIdentifier);
        expression = std::make_unique<NewExpr>(pos, current().text, current().folded);
        break;
    }
    case TokenKind::Me: return parseChain();
    default: fail(atStatementEnd() ? ErrorCode::SyntaxError : ErrorCode::ExpectedExpression);
    }
    advance();
    return expression;
}

// chain := (name | .name | Me) { .member | ( arguments ) }
ExprPtr Parser::parseChain()
{
    const SourcePos pos = position();
    ExprPtr expression;
    if (at(TokenKind::Me)) {
        if (!inClassProcedure())
            fail(ErrorCode::InvalidUseOfMe);
        expression = std::make_unique<MeExpr>(pos);
    } else if (accept(TokenKind::Dot)) {
        if (!at(TokenKind::Identifier))
            fail(ErrorCode::ExpectedIdentifier);
        expression = std::make_unique<WithMemberExpr>(pos, current().text);
    } else {
        if (!at(TokenKind::Identifier))
            fail(ErrorCode::ExpectedIdentifier);
        expression = std::make_unique<NameExpr>(pos, current().text, current().folded);
    }
    advance();
    return parsePostfix(std::move(expression));
}

ExprPtr Parser::parsePostfix(ExprPtr expression)
{
    int deepened = 0;
    while ((at(TokenKind::Dot) && current().joined) || at(TokenKind::LeftParen)) {
        if (++m_nesting > MaxNesting)
            fail(ErrorCode::CompilerOutOfMemory);
        ++deepened;
        const SourcePos pos = expression->pos;
        if (accept(TokenKind::Dot)) {
            if (!at(TokenKind::Identifier))
                fail(ErrorCode::ExpectedIdentifier);
            expression = std::make_unique<MemberExpr>(pos, std::move(expression), current().text);
            advance();
        } else {
            auto call = std::make_unique<CallExpr>(pos, std::move(expression));
            call->spaced = !current().joined;
            call->args = parseArguments();
            expression = std::move(call);
        }
    }
    m_nesting -= deepened;
    return expression;
}

// ( [expression {, expression}] )
std::vector<ExprPtr> Parser::parseArguments()
{
    advance();
    if (accept(TokenKind::RightParen))
        return {};
    std::vector<ExprPtr> arguments = parseArgumentList();
    expect(TokenKind::RightParen, ErrorCode::ExpectedRightParen);
    return arguments;
}

// An argument left out between commas (MsgBox text, , title) is passed as a missing value, which
// the callee sees as not given.
std::vector<ExprPtr> Parser::parseArgumentList()
{
    std::vector<ExprPtr> arguments;
    do {
        if (at(TokenKind::Comma) || at(TokenKind::RightParen) || atStatementEnd())
            arguments.push_back(std::make_unique<LiteralExpr>(position(), Value::missing(), false));
        else
            arguments.push_back(parseExpression());
    } while (accept(TokenKind::Comma));
    return arguments;
}

bool Parser::atExpressionStart() const
{
    switch (current().kind) {
    case TokenKind::Literal:
    case TokenKind::Identifier:
    case TokenKind::LeftParen:
    case TokenKind::Minus:
    case TokenKind::Plus:
    case TokenKind::Not:
    case TokenKind::New:
    case TokenKind::Dot:
    case TokenKind::True:
    case TokenKind::False:
    case TokenKind::Empty:
    case TokenKind::Null:
    case TokenKind::Nothing:
    case TokenKind::Me: return true;
    default: return false;
    }
}

} // namespace kestrelon::vbs
