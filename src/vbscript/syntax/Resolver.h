// The resolver: decides, once per compiled text and before anything runs, where every name
// lives. Parameters, Dim and Const names of a procedure (wherever the Dim stands in its body)
// get frame slots; every other name becomes an entry of the program's global name table, which
// the interpreter binds to a script variable, procedure, named object, built-in or host member.
#pragma once

#include "vbscript/syntax/Ast.h"

#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace kestrelon::vbs {

class Resolver {
public:
    explicit Resolver(Program& program) : m_program(program) {}

    // Raises ScriptError 1041 "Name redefined" for a name declared twice in one scope.
    void resolve();
    // The same for code run inside a procedure (Execute, Eval): the program's statements or
    // expression are resolved as its enclosedBody, which sees the procedure's names first.
    void resolveEnclosed(const Procedure& enclosing);

private:
    struct Local {
        int slot;
        bool constant;
    };
    struct Scope {
        Procedure* procedure = nullptr; // null for the top-level code
        std::unordered_map<std::string, Local> locals;
        std::unordered_map<std::string, int> implicitSlots;
        std::vector<int> withSlots; // the With blocks around the code being resolved
        int slotCount = 0;
    };

    void resolveProcedure(Procedure& procedure);
    void noteLocalNames(Procedure& procedure, const Scope& scope);
    void resolveClass(ClassDecl& decl);
    void collectGlobals(const Block& block);
    void declareGlobal(const Declaration& declaration);
    bool namesProcedure(const std::string& folded) const;
    void prepareProcedure(Procedure& procedure, Scope& scope);
    void collectLocals(const Block& block, Scope& scope);
    void declareLocal(const Declaration& declaration, Scope& scope);

    void resolveBlock(Block& block, Scope& scope);
    void resolveStatement(Stmt& statement, Scope& scope);
    void resolveCompound(Stmt& statement, Scope& scope);
    void resolveExpression(Expr& expression, Scope& scope, bool asCallee = false);
    void resolveName(NameExpr& name, Scope& scope, bool asCallee = false);
    int globalIndex(const std::string& folded);

    Program& m_program;
    std::unordered_map<std::string, int> m_globalIndex;
    std::unordered_map<std::string, const Declaration*> m_globalDeclarations;
    std::unordered_set<std::string> m_classNames;
};

} // namespace kestrelon::vbs
