// The parser's frame: token access, statement ends, blocks, procedures and the program. The
// statements are parsed in ParseStatements.cpp, the expressions in ParseExpressions.cpp.
#include "vbscript/syntax/Parser.h"

#include "vbscript/syntax/Lexer.h"
#include "vbscript/values/ScriptError.h"

namespace kestrelon::vbs {

Parser::NestingGuard::NestingGuard(Parser& parser) : m_parser(parser)
{
    if (++m_parser.m_nesting > MaxNesting)
        m_parser.fail(ErrorCode::CompilerOutOfMemory);
}

Parser::Parser(std::string_view source) : m_tokens(Lexer(source).tokenize()) {}

Parser::Parser(TextView codeText) : m_tokens(Lexer(unitsAsUtf8(codeText), SourceForm::CodeText).tokenize()) {}

const Token& Parser::lookAhead(size_t ahead) const
{
    const size_t at = std::min(m_pos + ahead, m_tokens.size() - 1);
    return m_tokens[at];
}

bool Parser::atWord(std::string_view folded) const
{
    return at(TokenKind::Identifier) && !current().bracketed && current().folded == folded;
}

// Where a statement may end: a line break, ":", the end of the text, "End" (End Sub may follow
// a statement on its line) and, inside a one-line If, "Else".
bool Parser::atStatementEnd() const
{
    switch (current().kind) {
    case TokenKind::Newline:
    case TokenKind::Colon:
    case TokenKind::EndOfInput:
    case TokenKind::End: return true;
    case TokenKind::Else: return m_context.lineIfDepth > 0;
    default: return false;
    }
}

const Token& Parser::advance()
{
    const Token& token = current();
    if (token.kind == TokenKind::Invalid)
        failAt(token.errorNumber, {token.line, token.column});
    if (m_pos + 1 < m_tokens.size())
        ++m_pos;
    return token;
}

bool Parser::accept(TokenKind kind)
{
    if (!at(kind))
        return false;
    advance();
    return true;
}

void Parser::expect(TokenKind kind, ErrorCode error)
{
    if (!accept(kind))
        fail(error);
}

// A lexical error stands where the parser meets it, before any other complaint about it.
void Parser::fail(ErrorCode error) const
{
    const Token& token = current();
    if (token.kind == TokenKind::Invalid)
        failAt(token.errorNumber, {token.line, token.column});
    failAt(error, {token.line, token.column});
}

void Parser::failAt(ErrorCode error, SourcePos pos) const
{
    throw ScriptError::compile(error, pos.line, pos.column);
}

void Parser::skipSeparators()
{
    while (at(TokenKind::Newline) || at(TokenKind::Colon))
        advance();
}

void Parser::requireStatementEnd()
{
    if (!atStatementEnd())
        fail(ErrorCode::ExpectedEndOfStatement);
}

// Loop headers, With and Select Case end their line (or take a ":") before their body.
void Parser::requireSeparator()
{
    if (!at(TokenKind::Newline) && !at(TokenKind::Colon) && !at(TokenKind::EndOfInput))
        fail(ErrorCode::ExpectedEndOfStatement);
}

std::unique_ptr<Program> Parser::parseProgram()
{
    auto program = std::make_unique<Program>();
    m_program = program.get();
    skipSeparators();
    if (at(TokenKind::Option)) {
        parseOptionExplicit();
        program->optionExplicit = true;
    }
    program->statements = parseBlock();
    if (!at(TokenKind::EndOfInput))
        failUnexpectedEnd(ErrorCode::ExpectedStatement);
    return program;
}

// Eval's text is an expression and nothing else: a statement there is a syntax error.
std::unique_ptr<Program> Parser::parseEvalProgram()
{
    auto program = std::make_unique<Program>();
    m_program = program.get();
    try {
        program->evalExpression = parseExpression();
    } catch (const ScriptError& error) {
        if (error.number() != 1023)
            throw;
        throw ScriptError::compile(ErrorCode::SyntaxError, error.line(), error.column());
    }
    if (!at(TokenKind::EndOfInput))
        fail(ErrorCode::ExpectedEndOfStatement);
    return program;
}

void Parser::parseOptionExplicit()
{
    advance();
    if (!atWord("explicit"))
        fail(ErrorCode::SyntaxError);
    advance();
    requireStatementEnd();
}

// Statements up to a word that ends a block (End, Else, ElseIf, Case, Loop, Next, Wend) or the
// end of the text; the construct that asked decides whether that word is its own.
Block Parser::parseBlock()
{
    NestingGuard guard(*this);
    Block block;
    while (true) {
        skipSeparators();
        switch (current().kind) {
        case TokenKind::EndOfInput:
        case TokenKind::End:
        case TokenKind::Else:
        case TokenKind::ElseIf:
        case TokenKind::Case:
        case TokenKind::Loop:
        case TokenKind::Next:
        case TokenKind::Wend: return block;
        case TokenKind::Invalid: fail(ErrorCode::SyntaxError);
        default: break;
        }
        if (StmtPtr statement = parseStatement())
            block.push_back(std::move(statement));
        requireStatementEnd();
    }
}

// A block ended by a word that is not its own: a stray Loop or Next is named as such,
// anything else is reported as what the construct still expects.
void Parser::failUnexpectedEnd(ErrorCode expectedError) const
{
    if (at(TokenKind::Loop))
        fail(ErrorCode::LoopWithoutDo);
    if (at(TokenKind::Next))
        fail(ErrorCode::UnexpectedNext);
    fail(expectedError);
}

// "End <construct>" closing a block; a missing End is 1014, a wrong word after it the
// construct's own "Expected 'If'"-style error.
void Parser::expectEndOf(TokenKind construct, ErrorCode missingWordError)
{
    if (!at(TokenKind::End))
        failUnexpectedEnd(ErrorCode::ExpectedEnd);
    advance();
    if (!at(construct))
        fail(missingWordError);
    advance();
}

// [Public|Private] Sub|Function name[(params)] body End Sub|Function. Procedures are gathered
// into the program wherever they stand at script level: they exist before any code runs.
void Parser::parseProcedure()
{
    if (m_context.procedure)
        fail(ErrorCode::ExpectedStatement);
    const SourcePos start = position();
    const ProcedureKind kind = at(TokenKind::Function) ? ProcedureKind::Function : ProcedureKind::Sub;
    advance();
    m_program->procedures.push_back(parseProcedureRest(kind, nullptr, start));
}

// name[(params)] body End Sub|Function|Property, after the words that say what it is.
std::unique_ptr<Procedure> Parser::parseProcedureRest(ProcedureKind kind, const ClassDecl* owner, SourcePos start)
{
    auto procedure = std::make_unique<Procedure>();
    procedure->pos = start;
    procedure->kind = kind;
    procedure->isFunction = kind == ProcedureKind::Function || kind == ProcedureKind::PropertyGet;
    procedure->owner = owner;
    if (!at(TokenKind::Identifier))
        fail(ErrorCode::ExpectedIdentifier);
    procedure->name = current().text;
    procedure->folded = current().folded;
    advance();
    if (at(TokenKind::LeftParen))
        parseParameters(*procedure);

    const Context outer = m_context;
    m_context = Context{};
    m_context.procedure = procedure.get();
    procedure->body = parseBlock();
    switch (kind) {
    case ProcedureKind::Sub: expectEndOf(TokenKind::Sub, ErrorCode::ExpectedSub); break;
    case ProcedureKind::Function: expectEndOf(TokenKind::Function, ErrorCode::ExpectedFunction); break;
    default: expectEndOfProperty(); break;
    }
    m_context = outer;
    return procedure;
}

void Parser::expectEndOfProperty()
{
    if (!at(TokenKind::End))
        failUnexpectedEnd(ErrorCode::ExpectedEnd);
    advance();
    if (!atWord("property"))
        fail(ErrorCode::ExpectedProperty);
    advance();
}

// ([ByVal|ByRef] name[()], ...): ByRef is the default.
void Parser::parseParameters(Procedure& procedure)
{
    advance();
    if (accept(TokenKind::RightParen))
        return;
    while (true) {
        Parameter parameter;
        if (accept(TokenKind::ByVal))
            parameter.byVal = true;
        else
            accept(TokenKind::ByRef);
        if (!at(TokenKind::Identifier))
            fail(ErrorCode::ExpectedIdentifier);
        parameter.pos = position();
        parameter.name = current().text;
        parameter.folded = current().folded;
        advance();
        if (accept(TokenKind::LeftParen))
            expect(TokenKind::RightParen, ErrorCode::ExpectedRightParen);
        procedure.params.push_back(std::move(parameter));
        if (!accept(TokenKind::Comma))
            break;
    }
    expect(TokenKind::RightParen, ErrorCode::ExpectedRightParen);
}

} // namespace kestrelon::vbs
