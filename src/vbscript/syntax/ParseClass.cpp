// Parsing classes: Class name ... End Class at script level, holding variables (Public, Private,
// Dim) and procedures (Sub, Function, Property Get/Let/Set, one of them Public Default).
// The member table and the checks that need every member are the resolver's.
#include "vbscript/syntax/Parser.h"

#include "vbscript/values/ScriptError.h"

namespace kestrelon::vbs {

// Class name NEWLINE { member NEWLINE } End Class
void Parser::parseClass()
{
    if (m_context.procedure)
        fail(ErrorCode::SyntaxError);
    advance();
    if (!at(TokenKind::Identifier))
        fail(ErrorCode::ExpectedIdentifier);
    auto decl = std::make_unique<ClassDecl>();
    decl->pos = position();
    decl->name = current().text;
    decl->folded = current().folded;
    advance();
    requireStatementEnd();
    while (true) {
        skipSeparators();
        if (at(TokenKind::End) || at(TokenKind::EndOfInput))
            break;
        parseClassMember(*decl);
        requireStatementEnd();
    }
    expectEndOf(TokenKind::Class, ErrorCode::ExpectedClass);
    m_program->classes.push_back(std::move(decl));
}

// member := [Public [Default] | Private] (procedure | name-list) | Dim name-list
void Parser::parseClassMember(ClassDecl& decl)
{
    const SourcePos start = position();
    bool isPublic = true;
    bool isDefault = false;
    if (accept(TokenKind::Public)) {
        if (atDefaultMarker()) {
            advance();
            isDefault = true;
        }
    } else if (accept(TokenKind::Private)) {
        isPublic = false;
        if (atDefaultMarker())
            fail(ErrorCode::DefaultMustBePublic);
    } else if (atDefaultMarker()) {
        fail(ErrorCode::DefaultMustBePublic);
    } else if (accept(TokenKind::Dim)) {
        parseClassFields(decl, true);
        return;
    } else if (!at(TokenKind::Sub) && !at(TokenKind::Function) && !atPropertyProcedure()) {
        fail(ErrorCode::ExpectedStatement);
    }
    if (at(TokenKind::Sub) || at(TokenKind::Function) || atPropertyProcedure()) {
        parseClassProcedure(decl, isPublic, isDefault, start);
        return;
    }
    if (isDefault)
        fail(ErrorCode::DefaultNotOnProcedure);
    parseClassFields(decl, isPublic);
}

// "Default" before Sub, Function or Property marks the default member; elsewhere it is a name.
bool Parser::atDefaultMarker() const
{
    if (!atWord("default"))
        return false;
    const Token& next = lookAhead(1);
    return next.kind == TokenKind::Sub || next.kind == TokenKind::Function ||
           (next.kind == TokenKind::Identifier && next.folded == "property");
}

// Property Get, Let or Set; a variable may be called Property.
bool Parser::atPropertyProcedure() const
{
    const TokenKind next = lookAhead(1).kind;
    return atWord("property") && (next == TokenKind::Get || next == TokenKind::Let || next == TokenKind::Set);
}

// Sub | Function | Property (Get | Let | Set), then the rest of the procedure.
void Parser::parseClassProcedure(ClassDecl& decl, bool isPublic, bool isDefault, SourcePos start)
{
    ProcedureKind kind = at(TokenKind::Sub) ? ProcedureKind::Sub : ProcedureKind::Function;
    if (atWord("property")) {
        advance();
        if (at(TokenKind::Get))
            kind = ProcedureKind::PropertyGet;
        else if (at(TokenKind::Let))
            kind = ProcedureKind::PropertyLet;
        else if (at(TokenKind::Set))
            kind = ProcedureKind::PropertySet;
        else
            fail(ErrorCode::ExpectedLetSetOrGet);
    }
    if (isDefault && (kind == ProcedureKind::PropertyLet || kind == ProcedureKind::PropertySet))
        failAt(ErrorCode::DefaultOnlyOnPropertyGet, start);
    advance();
    ClassDecl* const outerClass = m_context.classDecl;
    m_context.classDecl = &decl;
    std::unique_ptr<Procedure> procedure = parseProcedureRest(kind, &decl, start);
    m_context.classDecl = outerClass;
    procedure->isPublic = isPublic;
    procedure->isDefault = isDefault;
    decl.procedures.push_back(std::move(procedure));
}

// name[(bounds)] {, name[(bounds)]}: variables every instance has its own of.
void Parser::parseClassFields(ClassDecl& decl, bool isPublic)
{
    do {
        decl.fields.push_back(parseDimName());
        decl.publicFields.push_back(isPublic);
    } while (accept(TokenKind::Comma));
}

// True inside a procedure of a class, where Me stands for the instance.
bool Parser::inClassProcedure() const
{
    return m_context.procedure && m_context.procedure->owner;
}

} // namespace kestrelon::vbs
