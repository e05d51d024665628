// The parser: tokens to the syntax tree, by recursive descent. Syntax errors carry the script
// engine's compilation error numbers and texts ("Expected end of statement", 1025) and the
// line and column of the token where the fault shows.
#pragma once

#include "vbscript/syntax/Ast.h"
#include "vbscript/syntax/Token.h"
#include "vbscript/values/Text.h"

#include <memory>
#include <optional>
#include <string_view>
#include <vector>

namespace kestrelon::vbs {

class Parser {
public:
    // Deeper nesting of expressions and blocks than this is refused ("Out of memory", 1001),
    // so no script can exhaust the stack of the parser, the resolver or the interpreter.
    static constexpr int MaxNesting = 400;

    explicit Parser(std::string_view source);
    // A code text that Execute, ExecuteGlobal or Eval runs (Lexer.h tells how it is read).
    explicit Parser(TextView codeText);

    // The whole text; raises ScriptError (a compilation error) on the first syntax error.
    std::unique_ptr<Program> parseProgram();
    // The whole text as one expression (what Eval takes).
    std::unique_ptr<Program> parseEvalProgram();

private:
    // What the statements being parsed are inside of, for Exit and nested procedures.
    struct Context {
        Procedure* procedure = nullptr;
        ClassDecl* classDecl = nullptr; // the class whose members are being parsed
        int doDepth = 0;
        int forDepth = 0;
        int lineIfDepth = 0; // inside the statements of a one-line If (Else ends them)
    };

    class NestingGuard {
    public:
        explicit NestingGuard(Parser& parser);
        ~NestingGuard() { --m_parser.m_nesting; }
        NestingGuard(const NestingGuard&) = delete;
        NestingGuard& operator=(const NestingGuard&) = delete;

    private:
        Parser& m_parser;
    };

    // Tokens (Parser.cpp).
    const Token& current() const { return m_tokens[m_pos]; }
    const Token& lookAhead(size_t ahead) const;
    bool at(TokenKind kind) const { return current().kind == kind; }
    bool atWord(std::string_view folded) const;
    bool atStatementEnd() const;
    const Token& advance();
    bool accept(TokenKind kind);
    void expect(TokenKind kind, ErrorCode error);
    SourcePos position() const { return {current().line, current().column}; }
    [[noreturn]] void fail(ErrorCode error) const;
    [[noreturn]] void failAt(ErrorCode error, SourcePos pos) const;
    void skipSeparators();
    void requireStatementEnd();
    void requireSeparator();

    // Blocks, procedures and the program (Parser.cpp).
    Block parseBlock();
    [[noreturn]] void failUnexpectedEnd(ErrorCode expectedError) const;
    void parseOptionExplicit();
    void parseProcedure();
    std::unique_ptr<Procedure> parseProcedureRest(ProcedureKind kind, const ClassDecl* owner, SourcePos start);
    void expectEndOfProperty();

    // Classes (ParseClass.cpp).
    void parseClass();
    void parseClassMember(ClassDecl& decl);
    void parseClassProcedure(ClassDecl& decl, bool isPublic, bool isDefault, SourcePos start);
    void parseClassFields(ClassDecl& decl, bool isPublic);
    bool atDefaultMarker() const;
    bool atPropertyProcedure() const;
    bool inClassProcedure() const;
    void parseParameters(Procedure& procedure);
    void expectEndOf(TokenKind construct, ErrorCode missingWordError);

    // Statements (ParseStatements.cpp).
    StmtPtr parseStatement();
    StmtPtr parseDim(bool allowConst);
    Declaration parseDimName();
    std::vector<std::int32_t> parseFixedBounds();
    StmtPtr parseConst(SourcePos start);
    Value parseConstantValue();
    StmtPtr parseReDim();
    StmtPtr parseErase();
    StmtPtr parseIf();
    void parseBlockIf(IfStmt& statement);
    void parseLineIf(IfStmt& statement);
    Block parseLineStatements();
    StmtPtr parseSelect();
    StmtPtr parseFor();
    StmtPtr parseForEach(SourcePos start);
    Block parseForBody();
    StmtPtr parseDo();
    StmtPtr parseWhile();
    StmtPtr parseWith();
    StmtPtr parseExit();
    StmtPtr parseOnError();
    StmtPtr parseSet();
    StmtPtr parseCall();
    StmtPtr parseSimpleStatement();
    StmtPtr makeCallStatement(SourcePos start, ExprPtr chain);
    std::unique_ptr<NameExpr> parseName();

    // Expressions (ParseExpressions.cpp).
    ExprPtr parseExpression();
    ExprPtr parseBinary(int minLevel);
    ExprPtr parseBinaryRest(ExprPtr left, int minLevel);
    ExprPtr parseNot();
    ExprPtr parseUnary();
    ExprPtr parsePrimary();
    ExprPtr parseChain();
    ExprPtr parsePostfix(ExprPtr expression);
    std::vector<ExprPtr> parseArguments();
    std::vector<ExprPtr> parseArgumentList();
    bool atExpressionStart() const;

    std::vector<Token> m_tokens;
    size_t m_pos = 0;
    int m_nesting = 0;
    Context m_context;
    Program* m_program = nullptr;
};

} // namespace kestrelon::vbs
