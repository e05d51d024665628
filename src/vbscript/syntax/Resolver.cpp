// Name resolution before running: frame slots for everything a procedure declares, global
// name indices for the rest, and the "Name redefined" check of each scope.
#include "vbscript/syntax/Resolver.h"

#include "vbscript/syntax/ClassMembers.h"
#include "vbscript/values/ScriptError.h"

namespace kestrelon::vbs {

void Resolver::resolve()
{
    collectGlobals(m_program.statements);
    Scope topLevel;
    resolveBlock(m_program.statements, topLevel);
    if (m_program.evalExpression)
        resolveExpression(*m_program.evalExpression, topLevel);
    m_program.topLevelSlots = topLevel.slotCount;
    for (auto& procedure : m_program.procedures)
        resolveProcedure(*procedure);
    for (auto& decl : m_program.classes)
        resolveClass(*decl);
}

void Resolver::resolveProcedure(Procedure& procedure)
{
    Scope scope;
    prepareProcedure(procedure, scope);
    resolveBlock(procedure.body, scope);
    procedure.slotCount = scope.slotCount;
    noteLocalNames(procedure, scope);
}

void Resolver::noteLocalNames(Procedure& procedure, const Scope& scope)
{
    procedure.localNames.clear();
    for (const auto& [folded, local] : scope.locals)
        procedure.localNames.emplace_back(folded, NameRef{NameScope::Local, local.slot, -1, local.constant});
}

// The body takes the enclosing procedure's place: its result, its class and its names, with
// the slots they have there; what the code declares gets slots after all of the procedure's.
void Resolver::resolveEnclosed(const Procedure& enclosing)
{
    auto body = std::make_unique<Procedure>();
    body->pos = enclosing.pos;
    body->name = enclosing.name;
    body->folded = enclosing.folded;
    body->kind = enclosing.kind;
    body->isFunction = enclosing.isFunction;
    body->resultSlot = enclosing.resultSlot;
    body->owner = enclosing.owner;
    body->body = std::move(m_program.statements);
    Scope scope;
    scope.procedure = body.get();
    for (const auto& [folded, ref] : enclosing.localNames)
        scope.locals.emplace(folded, Local{ref.slot, ref.constant});
    scope.slotCount = enclosing.slotCount;
    collectLocals(body->body, scope);
    resolveBlock(body->body, scope);
    if (m_program.evalExpression)
        resolveExpression(*m_program.evalExpression, scope);
    body->slotCount = scope.slotCount;
    noteLocalNames(*body, scope);
    m_program.enclosedBody = std::move(body);
    for (auto& procedure : m_program.procedures)
        resolveProcedure(*procedure);
    for (auto& decl : m_program.classes)
        resolveClass(*decl);
}

// A class's name is a script-level name like a procedure's; its procedures see the members of
// the instance they run for before the script's names.
void Resolver::resolveClass(ClassDecl& decl)
{
    const bool taken = m_globalDeclarations.count(decl.folded) > 0 || !m_classNames.insert(decl.folded).second;
    if (taken || namesProcedure(decl.folded))
        throw ScriptError::compile(ErrorCode::NameRedefined, decl.pos.line, decl.pos.column);
    buildClassMembers(decl);
    for (auto& procedure : decl.procedures)
        resolveProcedure(*procedure);
}

// Script-level Dim and Const anywhere in the top-level code (inside an If too): they exist
// before the first statement runs.
void Resolver::collectGlobals(const Block& block)
{
    for (const auto& statement : block) {
        if (statement->kind == StmtKind::Declaration) {
            for (const auto& declaration : static_cast<const DeclarationStmt&>(*statement).names)
                declareGlobal(declaration);
        }
        forEachChildBlock(*statement, [this](const Block& inner) { collectGlobals(inner); });
    }
}

bool Resolver::namesProcedure(const std::string& folded) const
{
    for (const auto& procedure : m_program.procedures) {
        if (procedure->folded == folded)
            return true;
    }
    return false;
}

void Resolver::declareGlobal(const Declaration& declaration)
{
    const bool taken = !m_globalDeclarations.emplace(declaration.folded, &declaration).second;
    if (taken || namesProcedure(declaration.folded))
        throw ScriptError::compile(ErrorCode::NameRedefined, declaration.pos.line, declaration.pos.column);
    m_program.globals.push_back(declaration);
}

// Slots: the parameters, the function's result, then every Dim and Const of the body.
void Resolver::prepareProcedure(Procedure& procedure, Scope& scope)
{
    scope.procedure = &procedure;
    for (const auto& parameter : procedure.params) {
        if (!scope.locals.emplace(parameter.folded, Local{scope.slotCount, false}).second)
            throw ScriptError::compile(ErrorCode::NameRedefined, parameter.pos.line, parameter.pos.column);
        ++scope.slotCount;
    }
    if (procedure.isFunction)
        procedure.resultSlot = scope.slotCount++;
    procedure.inits.clear();
    collectLocals(procedure.body, scope);
}

void Resolver::collectLocals(const Block& block, Scope& scope)
{
    for (const auto& statement : block) {
        if (statement->kind == StmtKind::Declaration) {
            for (const auto& declaration : static_cast<const DeclarationStmt&>(*statement).names)
                declareLocal(declaration, scope);
        }
        forEachChildBlock(*statement, [this, &scope](const Block& inner) { collectLocals(inner, scope); });
    }
}

void Resolver::declareLocal(const Declaration& declaration, Scope& scope)
{
    Procedure& procedure = *scope.procedure;
    const bool isOwnName = procedure.isFunction && declaration.folded == procedure.folded;
    const int slot = scope.slotCount;
    if (isOwnName || !scope.locals.emplace(declaration.folded, Local{slot, declaration.isConstant}).second)
        throw ScriptError::compile(ErrorCode::NameRedefined, declaration.pos.line, declaration.pos.column);
    ++scope.slotCount;
    SlotInit init;
    init.pos = declaration.pos;
    init.slot = slot;
    if (declaration.isConstant) {
        init.kind = SlotInit::Kind::Constant;
        init.constant = declaration.constant;
    } else if (declaration.isArray) {
        init.kind = declaration.bounds.empty() ? SlotInit::Kind::DynamicArray : SlotInit::Kind::FixedArray;
        init.bounds = declaration.bounds;
    } else {
        return;
    }
    procedure.inits.push_back(std::move(init));
}

void Resolver::resolveBlock(Block& block, Scope& scope)
{
    for (auto& statement : block)
        resolveStatement(*statement, scope);
}

void Resolver::resolveStatement(Stmt& statement, Scope& scope)
{
    switch (statement.kind) {
    case StmtKind::Assign: {
        auto& assign = static_cast<AssignStmt&>(statement);
        resolveExpression(*assign.target, scope);
        resolveExpression(*assign.value, scope);
        break;
    }
    case StmtKind::Call: {
        auto& call = static_cast<CallStmt&>(statement);
        resolveExpression(*call.callee, scope, true);
        for (auto& argument : call.args)
            resolveExpression(*argument, scope);
        break;
    }
    case StmtKind::ReDim:
        for (auto& item : static_cast<ReDimStmt&>(statement).items) {
            resolveName(*item.target, scope);
            for (auto& bound : item.bounds)
                resolveExpression(*bound, scope);
        }
        break;
    case StmtKind::Erase: resolveName(*static_cast<EraseStmt&>(statement).target, scope); break;
    default: resolveCompound(statement, scope); break;
    }
}

void Resolver::resolveCompound(Stmt& statement, Scope& scope)
{
    switch (statement.kind) {
    case StmtKind::If:
        for (auto& branch : static_cast<IfStmt&>(statement).branches)
            resolveExpression(*branch.condition, scope);
        break;
    case StmtKind::Select: {
        auto& select = static_cast<SelectStmt&>(statement);
        resolveExpression(*select.selector, scope);
        for (auto& branch : select.cases) {
            for (auto& item : branch.items)
                resolveExpression(*item, scope);
        }
        break;
    }
    case StmtKind::For: {
        auto& loop = static_cast<ForStmt&>(statement);
        resolveName(*loop.counter, scope);
        resolveExpression(*loop.from, scope);
        resolveExpression(*loop.to, scope);
        if (loop.step)
            resolveExpression(*loop.step, scope);
        break;
    }
    case StmtKind::ForEach: {
        auto& loop = static_cast<ForEachStmt&>(statement);
        resolveName(*loop.variable, scope);
        resolveExpression(*loop.collection, scope);
        break;
    }
    case StmtKind::Do: {
        auto& loop = static_cast<DoStmt&>(statement);
        if (loop.condition)
            resolveExpression(*loop.condition, scope);
        break;
    }
    case StmtKind::With: {
        auto& with = static_cast<WithStmt&>(statement);
        resolveExpression(*with.object, scope);
        with.slot = scope.slotCount++;
        scope.withSlots.push_back(with.slot);
        resolveBlock(with.body, scope);
        scope.withSlots.pop_back();
        return;
    }
    default: return;
    }
    forEachChildBlock(statement, [this, &scope](Block& inner) { resolveBlock(inner, scope); });
}

void Resolver::resolveExpression(Expr& expression, Scope& scope, bool asCallee)
{
    switch (expression.kind) {
    case ExprKind::Name: resolveName(static_cast<NameExpr&>(expression), scope, asCallee); break;
    case ExprKind::Member: resolveExpression(*static_cast<MemberExpr&>(expression).object, scope); break;
    case ExprKind::WithMember: {
        auto& member = static_cast<WithMemberExpr&>(expression);
        member.withSlot = scope.withSlots.empty() ? -1 : scope.withSlots.back();
        break;
    }
    case ExprKind::Call: {
        auto& call = static_cast<CallExpr&>(expression);
        resolveExpression(*call.callee, scope, true);
        for (auto& argument : call.args)
            resolveExpression(*argument, scope);
        break;
    }
    case ExprKind::Unary: resolveExpression(*static_cast<UnaryExpr&>(expression).operand, scope); break;
    case ExprKind::Binary:
    case ExprKind::Is: {
        auto& binary = static_cast<BinaryExpr&>(expression);
        resolveExpression(*binary.left, scope);
        resolveExpression(*binary.right, scope);
        break;
    }
    default: break;
    }
}

// Inside a function its own name, unless called, is the result being built. Names a procedure
// does not declare are global, and each gets a slot in case it turns out to be undeclared
// everywhere: such a name becomes a variable of that procedure.
void Resolver::resolveName(NameExpr& name, Scope& scope, bool asCallee)
{
    const Procedure* procedure = scope.procedure;
    if (procedure && procedure->isFunction && !asCallee && name.folded == procedure->folded) {
        name.ref = NameRef{NameScope::Local, procedure->resultSlot, -1, false};
        return;
    }
    if (const auto local = scope.locals.find(name.folded); local != scope.locals.end()) {
        name.ref = NameRef{NameScope::Local, local->second.slot, -1, local->second.constant};
        return;
    }
    if (procedure && procedure->owner) {
        if (const int member = procedure->owner->findMember(name.folded); member >= 0) {
            const int field = procedure->owner->members[static_cast<std::size_t>(member)].field;
            name.ref = field >= 0 ? NameRef{NameScope::Field, field, -1, false}
                                  : NameRef{NameScope::Method, member, -1, false};
            return;
        }
    }
    name.ref = NameRef{NameScope::Global, globalIndex(name.folded), -1, false};
    if (procedure) {
        const auto [entry, added] = scope.implicitSlots.emplace(name.folded, scope.slotCount);
        if (added)
            ++scope.slotCount;
        name.ref.implicitSlot = entry->second;
    }
}

int Resolver::globalIndex(const std::string& folded)
{
    const auto [entry, added] = m_globalIndex.emplace(folded, static_cast<int>(m_program.globalNames.size()));
    if (added)
        m_program.globalNames.push_back(folded);
    return entry->second;
}

} // namespace kestrelon::vbs
