// Parsing statements: declarations, assignments and calls, and the block statements (If,
// Select Case, For, For Each, Do, While, With). Each function opens with the form it parses.
#include "vbscript/syntax/Parser.h"

#include "vbscript/values/ScriptError.h"

namespace kestrelon::vbs {

StmtPtr Parser::parseStatement()
{
    NestingGuard guard(*this);
    const bool topLevel = m_context.procedure == nullptr;
    switch (current().kind) {
    case TokenKind::Dim: return parseDim(false);
    case TokenKind::Public:
    case TokenKind::Private: {
        if (!topLevel)
            fail(ErrorCode::ExpectedStatement);
        const TokenKind next = lookAhead(1).kind;
        if (next == TokenKind::Sub || next == TokenKind::Function) {
            advance();
            parseProcedure();
            return nullptr;
        }
        return parseDim(true);
    }
    case TokenKind::Sub:
    case TokenKind::Function: parseProcedure(); return nullptr;
    case TokenKind::Const: {
        const SourcePos start = position();
        advance();
        return parseConst(start);
    }
    case TokenKind::ReDim: return parseReDim();
    case TokenKind::Erase: return parseErase();
    case TokenKind::If: return parseIf();
    case TokenKind::Select: return parseSelect();
    case TokenKind::For: return parseFor();
    case TokenKind::Do: return parseDo();
    case TokenKind::While: return parseWhile();
    case TokenKind::With: return parseWith();
    case TokenKind::Exit: return parseExit();
    case TokenKind::On: return parseOnError();
    case TokenKind::Set: return parseSet();
    case TokenKind::Call: return parseCall();
    case TokenKind::Stop: advance(); return nullptr;
    case TokenKind::Class: parseClass(); return nullptr;
    case TokenKind::Me:
        if (!inClassProcedure())
            fail(ErrorCode::InvalidUseOfMe);
        return parseSimpleStatement();
    case TokenKind::Identifier:
        if (atPropertyProcedure())
            fail(ErrorCode::MustBeInsideClass);
        return parseSimpleStatement();
    case TokenKind::Dot: return parseSimpleStatement();
    default: fail(ErrorCode::ExpectedStatement);
    }
}

// Dim name[(bounds)], ...   (also Public / Private at script level, and Private Const)
StmtPtr Parser::parseDim(bool allowConst)
{
    auto statement = std::make_unique<DeclarationStmt>(position());
    advance();
    if (allowConst && at(TokenKind::Const)) {
        advance();
        return parseConst(statement->pos);
    }
    do {
        statement->names.push_back(parseDimName());
    } while (accept(TokenKind::Comma));
    return statement;
}

Declaration Parser::parseDimName()
{
    if (!at(TokenKind::Identifier))
        fail(ErrorCode::ExpectedIdentifier);
    Declaration declaration;
    declaration.pos = position();
    declaration.name = current().text;
    declaration.folded = current().folded;
    advance();
    if (at(TokenKind::LeftParen)) {
        declaration.isArray = true;
        declaration.bounds = parseFixedBounds();
    }
    return declaration;
}

// (3) or (2, 4) with whole-number literals, or () for a dynamic array.
std::vector<std::int32_t> Parser::parseFixedBounds()
{
    advance();
    std::vector<std::int32_t> bounds;
    if (accept(TokenKind::RightParen))
        return bounds;
    do {
        const Value& value = current().value;
        if (!at(TokenKind::Literal) || !(value.type() == VarType::Integer || value.type() == VarType::Long))
            fail(ErrorCode::ExpectedIntegerConstant);
        bounds.push_back(value.wholeNumber());
        advance();
    } while (accept(TokenKind::Comma));
    expect(TokenKind::RightParen, ErrorCode::ExpectedRightParen);
    return bounds;
}

// Const name = literal, ...
StmtPtr Parser::parseConst(SourcePos start)
{
    auto statement = std::make_unique<DeclarationStmt>(start);
    do {
        if (!at(TokenKind::Identifier))
            fail(ErrorCode::ExpectedIdentifier);
        Declaration declaration;
        declaration.pos = position();
        declaration.name = current().text;
        declaration.folded = current().folded;
        declaration.isConstant = true;
        advance();
        expect(TokenKind::Equal, ErrorCode::ExpectedEquals);
        declaration.constant = parseConstantValue();
        if (!at(TokenKind::Comma) && !atStatementEnd())
            fail(ErrorCode::ExpectedLiteralConstant);
        statement->names.push_back(std::move(declaration));
    } while (accept(TokenKind::Comma));
    return statement;
}

// A literal, a negated number literal, True, False, Empty or Null.
Value Parser::parseConstantValue()
{
    int negations = 0;
    while (at(TokenKind::Minus) || at(TokenKind::Plus)) {
        negations += at(TokenKind::Minus) ? 1 : 0;
        advance();
    }
    Value value;
    switch (current().kind) {
    case TokenKind::Literal: value = current().value; break;
    case TokenKind::True: value = Value::boolean(true); break;
    case TokenKind::False: value = Value::boolean(false); break;
    case TokenKind::Null: value = Value::null(); break;
    case TokenKind::Empty: break;
    default: fail(ErrorCode::ExpectedLiteralConstant);
    }
    if (negations > 0 && !(current().kind == TokenKind::Literal && !value.isString()))
        fail(ErrorCode::ExpectedLiteralConstant);
    advance();
    for (int i = 0; i < negations; ++i)
        value = applyUnary(UnaryOp::Negate, value);
    return value;
}

// ReDim [Preserve] name(bounds), ...
StmtPtr Parser::parseReDim()
{
    const SourcePos start = position();
    advance();
    auto statement = std::make_unique<ReDimStmt>(start, accept(TokenKind::Preserve));
    do {
        ReDimStmt::Item item;
        item.target = parseName();
        if (!at(TokenKind::LeftParen))
            fail(ErrorCode::ExpectedLeftParen);
        item.bounds = parseArguments();
        if (item.bounds.empty())
            fail(ErrorCode::SyntaxError);
        statement->items.push_back(std::move(item));
    } while (accept(TokenKind::Comma));
    return statement;
}

// Erase name
StmtPtr Parser::parseErase()
{
    auto statement = std::make_unique<EraseStmt>(position());
    advance();
    statement->target = parseName();
    return statement;
}

std::unique_ptr<NameExpr> Parser::parseName()
{
    if (!at(TokenKind::Identifier))
        fail(ErrorCode::ExpectedIdentifier);
    auto name = std::make_unique<NameExpr>(position(), current().text, current().folded);
    advance();
    return name;
}

// If c Then <line break> ... [ElseIf c Then ...] [Else ...] End If, or the one-line form
// If c Then s1 : s2 [Else s3 : s4] [End If].
StmtPtr Parser::parseIf()
{
    auto statement = std::make_unique<IfStmt>(position());
    advance();
    IfStmt::Branch branch;
    branch.condition = parseExpression();
    expect(TokenKind::Then, ErrorCode::ExpectedThen);
    statement->branches.push_back(std::move(branch));
    if (at(TokenKind::Newline) || at(TokenKind::EndOfInput))
        parseBlockIf(*statement);
    else
        parseLineIf(*statement);
    return statement;
}

void Parser::parseBlockIf(IfStmt& statement)
{
    const int outerLineIf = m_context.lineIfDepth;
    m_context.lineIfDepth = 0;
    statement.branches.back().body = parseBlock();
    while (at(TokenKind::ElseIf)) {
        advance();
        IfStmt::Branch branch;
        branch.condition = parseExpression();
        expect(TokenKind::Then, ErrorCode::ExpectedThen);
        branch.body = parseBlock();
        statement.branches.push_back(std::move(branch));
    }
    if (accept(TokenKind::Else))
        statement.elseBody = parseBlock();
    expectEndOf(TokenKind::If, ErrorCode::ExpectedIf);
    m_context.lineIfDepth = outerLineIf;
}

void Parser::parseLineIf(IfStmt& statement)
{
    ++m_context.lineIfDepth;
    statement.branches.back().body = parseLineStatements();
    if (accept(TokenKind::Else))
        statement.elseBody = parseLineStatements();
    --m_context.lineIfDepth;
    if (at(TokenKind::End) && lookAhead(1).kind == TokenKind::If) {
        advance();
        advance();
    }
}

// The ":"-separated statements of one line of a one-line If.
Block Parser::parseLineStatements()
{
    Block block;
    while (true) {
        while (accept(TokenKind::Colon)) {
        }
        if (at(TokenKind::Newline) || at(TokenKind::EndOfInput) || at(TokenKind::Else) || at(TokenKind::End))
            return block;
        if (StmtPtr statement = parseStatement())
            block.push_back(std::move(statement));
        requireStatementEnd();
    }
}

// Select Case expr ... Case a, b ... [Case Else ...] End Select
StmtPtr Parser::parseSelect()
{
    auto statement = std::make_unique<SelectStmt>(position());
    advance();
    expect(TokenKind::Case, ErrorCode::ExpectedCase);
    statement->selector = parseExpression();
    requireSeparator();
    skipSeparators();
    while (at(TokenKind::Case) && !statement->hasElse) {
        SelectStmt::Case branch;
        branch.pos = position();
        advance();
        if (accept(TokenKind::Else)) {
            statement->hasElse = true;
            statement->elseBody = parseBlock();
            break;
        }
        branch.items = parseArgumentList();
        branch.body = parseBlock();
        statement->cases.push_back(std::move(branch));
    }
    if (!at(TokenKind::End) && !at(TokenKind::EndOfInput) && !statement->hasElse)
        failUnexpectedEnd(ErrorCode::ExpectedCase);
    expectEndOf(TokenKind::Select, ErrorCode::ExpectedSelect);
    return statement;
}

// For counter = from To to [Step step] ... Next
StmtPtr Parser::parseFor()
{
    const SourcePos start = position();
    advance();
    if (at(TokenKind::Each))
        return parseForEach(start);
    auto statement = std::make_unique<ForStmt>(start);
    statement->counter = parseName();
    if (at(TokenKind::Dot) || at(TokenKind::LeftParen))
        fail(ErrorCode::InvalidForVariable);
    expect(TokenKind::Equal, ErrorCode::ExpectedEquals);
    statement->from = parseExpression();
    expect(TokenKind::To, ErrorCode::ExpectedTo);
    statement->to = parseExpression();
    if (atWord("step")) {
        advance();
        statement->step = parseExpression();
    }
    statement->body = parseForBody();
    return statement;
}

// The body of a For or For Each loop, up to and including its Next.
Block Parser::parseForBody()
{
    requireSeparator();
    ++m_context.forDepth;
    auto body = parseBlock();
    --m_context.forDepth;
    if (!at(TokenKind::Next))
        failUnexpectedEnd(ErrorCode::ExpectedNext);
    advance();
    return body;
}

// For Each variable In collection ... Next
StmtPtr Parser::parseForEach(SourcePos start)
{
    advance();
    auto statement = std::make_unique<ForEachStmt>(start);
    statement->variable = parseName();
    expect(TokenKind::In, ErrorCode::ExpectedIn);
    statement->collection = parseExpression();
    statement->body = parseForBody();
    return statement;
}

// Do [While|Until c] ... Loop [While|Until c]: a condition at one end only.
StmtPtr Parser::parseDo()
{
    auto statement = std::make_unique<DoStmt>(position(), false);
    advance();
    if (at(TokenKind::While) || at(TokenKind::Until)) {
        statement->test = at(TokenKind::While) ? DoStmt::Test::WhileBefore : DoStmt::Test::UntilBefore;
        advance();
        statement->condition = parseExpression();
    } else if (!at(TokenKind::Newline) && !at(TokenKind::Colon) && !at(TokenKind::EndOfInput)) {
        fail(ErrorCode::ExpectedWhileUntilOrEnd);
    }
    requireSeparator();
    ++m_context.doDepth;
    statement->body = parseBlock();
    --m_context.doDepth;
    if (!at(TokenKind::Loop))
        failUnexpectedEnd(ErrorCode::ExpectedLoop);
    advance();
    if (statement->test == DoStmt::Test::None && (at(TokenKind::While) || at(TokenKind::Until))) {
        statement->test = at(TokenKind::While) ? DoStmt::Test::WhileAfter : DoStmt::Test::UntilAfter;
        advance();
        statement->condition = parseExpression();
    } else if (statement->test == DoStmt::Test::None && !atStatementEnd()) {
        fail(ErrorCode::ExpectedWhileUntilOrEnd);
    }
    return statement;
}

// While c ... Wend
StmtPtr Parser::parseWhile()
{
    auto statement = std::make_unique<DoStmt>(position(), true);
    advance();
    statement->test = DoStmt::Test::WhileBefore;
    statement->condition = parseExpression();
    requireSeparator();
    statement->body = parseBlock();
    if (!at(TokenKind::Wend))
        failUnexpectedEnd(ErrorCode::ExpectedWend);
    advance();
    return statement;
}

// With object ... End With
StmtPtr Parser::parseWith()
{
    auto statement = std::make_unique<WithStmt>(position());
    advance();
    statement->object = parseExpression();
    requireSeparator();
    statement->body = parseBlock();
    expectEndOf(TokenKind::With, ErrorCode::ExpectedWith);
    return statement;
}

// Exit Do | For | Sub | Function, each only inside its own construct.
StmtPtr Parser::parseExit()
{
    const SourcePos start = position();
    advance();
    const Procedure* procedure = m_context.procedure;
    ExitKind what = ExitKind::Do;
    bool valid = false;
    if (at(TokenKind::Do)) {
        valid = m_context.doDepth > 0;
    } else if (at(TokenKind::For)) {
        what = ExitKind::For;
        valid = m_context.forDepth > 0;
    } else if (at(TokenKind::Sub)) {
        what = ExitKind::Sub;
        valid = procedure && procedure->kind == ProcedureKind::Sub;
    } else if (at(TokenKind::Function)) {
        what = ExitKind::Function;
        valid = procedure && procedure->kind == ProcedureKind::Function;
    } else if (atWord("property")) {
        what = ExitKind::Property;
        valid = procedure && procedure->kind != ProcedureKind::Sub && procedure->kind != ProcedureKind::Function;
    } else {
        fail(ErrorCode::SyntaxError);
    }
    if (!valid)
        failAt(ErrorCode::InvalidExit, start);
    advance();
    return std::make_unique<ExitStmt>(start, what);
}

// On Error Resume Next | On Error GoTo 0
StmtPtr Parser::parseOnError()
{
    const SourcePos start = position();
    advance();
    if (!atWord("error"))
        fail(ErrorCode::SyntaxError);
    advance();
    if (accept(TokenKind::Resume)) {
        expect(TokenKind::Next, ErrorCode::SyntaxError);
        return std::make_unique<OnErrorStmt>(start, true);
    }
    expect(TokenKind::GoTo, ErrorCode::SyntaxError);
    const Value& target = current().value;
    if (!at(TokenKind::Literal) || target.type() != VarType::Integer || target.asInteger() != 0)
        fail(ErrorCode::SyntaxError);
    advance();
    return std::make_unique<OnErrorStmt>(start, false);
}

// Set target = object
StmtPtr Parser::parseSet()
{
    auto statement = std::make_unique<AssignStmt>(position(), true);
    advance();
    if (at(TokenKind::Me) && (!inClassProcedure() || lookAhead(1).kind != TokenKind::Dot))
        fail(ErrorCode::InvalidUseOfMe);
    if (!at(TokenKind::Identifier) && !at(TokenKind::Dot) && !at(TokenKind::Me))
        fail(ErrorCode::ExpectedIdentifier);
    statement->target = parseChain();
    expect(TokenKind::Equal, ErrorCode::ExpectedEquals);
    statement->value = parseExpression();
    return statement;
}

// Call name[(args)]: with Call the arguments are in parentheses and variables go by reference.
StmtPtr Parser::parseCall()
{
    auto statement = std::make_unique<CallStmt>(position());
    advance();
    if (!at(TokenKind::Identifier) && !at(TokenKind::Dot) && !at(TokenKind::LeftParen) && !at(TokenKind::Me))
        fail(ErrorCode::ExpectedIdentifier);
    // Call (((f))) (x): the parentheses round the name only group it; x still goes by reference.
    ExprPtr chain = at(TokenKind::LeftParen) ? parsePrimary() : parseChain();
    if (chain->kind == ExprKind::Call) {
        auto& call = static_cast<CallExpr&>(*chain);
        statement->args = std::move(call.args);
        statement->callee = std::move(call.callee);
    } else {
        statement->callee = std::move(chain);
    }
    return statement;
}

// target = value, or a call without Call: name args, name(arg), name(arg) op rest, name.
StmtPtr Parser::parseSimpleStatement()
{
    const SourcePos start = position();
    ExprPtr chain = parseChain();
    if (chain->kind == ExprKind::Me && at(TokenKind::Equal))
        failAt(ErrorCode::InvalidUseOfMe, start);
    if (accept(TokenKind::Equal)) {
        auto statement = std::make_unique<AssignStmt>(start, false);
        statement->target = std::move(chain);
        statement->value = parseExpression();
        return statement;
    }
    return makeCallStatement(start, std::move(chain));
}

namespace {

// The slot of the first call in a chain (name(a) in name(a)(b).c), or nullptr.
ExprPtr* firstCall(ExprPtr& chain)
{
    ExprPtr* found = nullptr;
    for (ExprPtr* slot = &chain;;) {
        Expr& link = **slot;
        if (link.kind == ExprKind::Call) {
            found = slot;
            slot = &static_cast<CallExpr&>(link).callee;
        } else if (link.kind == ExprKind::Member) {
            slot = &static_cast<MemberExpr&>(link).object;
        } else {
            return found;
        }
    }
}

} // namespace

// The parentheses that end a call statement's name belong to its first argument: name(a) passes
// a copy of a, name(a) + 1, b passes (a) + 1 and b, and name(a, b) is refused (1044). With a
// blank before them the argument goes on after them: name (f)(x) passes (f)(x).
StmtPtr Parser::makeCallStatement(SourcePos start, ExprPtr chain)
{
    auto statement = std::make_unique<CallStmt>(start);
    if (ExprPtr* head = firstCall(chain); head && head->get() != chain.get() &&
                                          static_cast<CallExpr&>(**head).spaced) {
        auto& call = static_cast<CallExpr&>(**head);
        if (call.args.size() != 1)
            failAt(ErrorCode::ParenthesesCallingSub, start);
        statement->callee = std::move(call.callee);
        ExprPtr first = std::move(call.args.front());
        first->parenthesized = true;
        *head = std::move(first);
        statement->args.push_back(parseBinaryRest(std::move(chain), 0));
        if (accept(TokenKind::Comma)) {
            for (auto& argument : parseArgumentList())
                statement->args.push_back(std::move(argument));
        }
        return statement;
    }
    if (chain->kind != ExprKind::Call) {
        statement->callee = std::move(chain);
        if (!atStatementEnd()) {
            if (!atExpressionStart() && !at(TokenKind::Comma))
                fail(ErrorCode::ExpectedEndOfStatement);
            statement->args = parseArgumentList();
        }
        return statement;
    }
    auto& call = static_cast<CallExpr&>(*chain);
    if (call.args.size() > 1)
        failAt(ErrorCode::ParenthesesCallingSub, start);
    statement->callee = std::move(call.callee);
    if (call.args.empty()) {
        if (!atStatementEnd())
            fail(ErrorCode::ExpectedEndOfStatement);
        return statement;
    }
    ExprPtr first = std::move(call.args.front());
    first->parenthesized = true;
    if (atStatementEnd()) {
        statement->args.push_back(std::move(first));
        return statement;
    }
    statement->args.push_back(parseBinaryRest(std::move(first), 0));
    if (accept(TokenKind::Comma)) {
        for (auto& argument : parseArgumentList())
            statement->args.push_back(std::move(argument));
    }
    return statement;
}

} // namespace kestrelon::vbs
