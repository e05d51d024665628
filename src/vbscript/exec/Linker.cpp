// Linking an added code into the script level: its Dim and Const names, procedures and classes
// exist before its first statement runs, and a name it declares that the level already has
// otherwise is "Name redefined" (1041).
#include "vbscript/exec/Linker.h"

#include "vbscript/exec/Interpreter.h"
#include "vbscript/values/Array.h"

namespace kestrelon::vbs {

void linkProgram(GlobalScope& globals, ProgramInstance& instance)
{
    const Program& program = *instance.program;
    for (const Declaration& declaration : program.globals) {
        const auto* existing = globals.find(declaration.folded);
        const bool clash = existing && (declaration.isConstant || existing->kind != GlobalScope::EntryKind::Variable);
        if (clash || (declaration.isConstant && !globals.addConstant(declaration.folded, declaration.constant)))
            throw ScriptError::compile(ErrorCode::NameRedefined, declaration.pos.line, declaration.pos.column);
        if (declaration.isConstant)
            continue;
        GlobalVariable& variable = globals.variable(declaration.folded);
        if (declaration.isArray) {
            const bool fixed = !declaration.bounds.empty();
            variable.value = fixed ? Interpreter::declaredArray(declaration.bounds, declaration.pos)
                                   : Value::array(std::make_shared<Array>());
        }
    }
    for (const auto& procedure : program.procedures) {
        if (!globals.defineProcedure(procedure->folded, ProcedureEntry{procedure.get(), &instance}))
            throw ScriptError::compile(ErrorCode::NameRedefined, procedure->pos.line, procedure->pos.column);
    }
    for (const auto& decl : program.classes) {
        if (!globals.defineClass(decl->folded, ClassEntry{decl.get(), &instance}))
            throw ScriptError::compile(ErrorCode::NameRedefined, decl->pos.line, decl->pos.column);
    }
}

} // namespace kestrelon::vbs
