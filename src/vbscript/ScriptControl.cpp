// The script host: compiled programs cached by text, the script level they are linked into,
// and the interpreter that runs them. Every failure fills Error and returns false; nothing a
// script does escapes as an exception.
#include "vbscript/ScriptControl.h"

#include "vbscript/values/Array.h"
#include "vbscript/compile/Compiler.h"
#include "vbscript/exec/GlobalScope.h"
#include "vbscript/host/HostBinding.h"
#include "vbscript/exec/Interpreter.h"
#include "vbscript/values/Limits.h"

#include <cassert>
#include <new>
#include <unordered_set>

namespace kestrelon::vbs {
namespace {

// The name of the global module, taken from the start.
constexpr const char* GlobalModuleName = "global";
// A module name already in use: the error a collection gives for a key it already holds.
constexpr std::int32_t DuplicateNameError = 457;
// A module that was never added.
constexpr std::int32_t UnknownModuleError = 5;
// Run of a procedure the global module does not have.
constexpr std::int32_t MissingProcedureError = 35;
constexpr std::int32_t InternalError = 51;

ScriptErrorInfo infoOf(const ScriptError& error)
{
    return {error.number(), error.description(), error.source(), error.line(), error.column()};
}

} // namespace

class ScriptControl::Engine {
public:
    GlobalScope globals;
    Interpreter interpreter{globals};
    ProgramCache cache;
    std::unordered_set<std::string> modules;
    std::chrono::milliseconds timeLimit = DefaultTimeLimit;
    std::function<bool()> keepWaiting;
    std::size_t memoryBudget = DefaultMemoryBudget;

    void link(ProgramInstance& instance);
};

// Makes a program's script-level names exist before its first statement runs: its Dim and
// Const names and its procedures.
void ScriptControl::Engine::link(ProgramInstance& instance)
{
    const Program& program = *instance.program;
    for (const Declaration& declaration : program.globals) {
        const auto* existing = globals.find(declaration.folded);
        const bool clash = existing && (declaration.isConstant || existing->kind == GlobalScope::EntryKind::Procedure);
        if (clash || (declaration.isConstant && !globals.addConstant(declaration.folded, declaration.constant)))
            throw ScriptError::compile(1041, declaration.pos.line, declaration.pos.column);
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
            throw ScriptError::compile(1041, procedure->pos.line, procedure->pos.column);
    }
}

ScriptControl::ScriptControl() : m_engine(std::make_unique<Engine>()) {}

ScriptControl::~ScriptControl() = default;

void ScriptControl::setDialogs(Dialogs* dialogs)
{
    m_engine->interpreter.setDialogs(dialogs);
}

void ScriptControl::setCompiledCode(bool enabled)
{
    m_engine->interpreter.setCompiledCode(enabled);
}

void ScriptControl::setTimeLimit(std::chrono::milliseconds limit)
{
    m_engine->timeLimit = limit;
}

void ScriptControl::setKeepWaiting(std::function<bool()> keepWaiting)
{
    m_engine->keepWaiting = std::move(keepWaiting);
}

void ScriptControl::setProcessorClock(ProcessorClock clock)
{
    m_engine->interpreter.clock().setProcessorClock(std::move(clock));
}

void ScriptControl::setHeartbeat(std::function<void()> heartbeat)
{
    m_engine->interpreter.clock().setHeartbeat(std::move(heartbeat));
}

void ScriptControl::setMemoryBudget(std::size_t bytes)
{
    m_engine->memoryBudget = bytes;
}

void ScriptControl::Reset()
{
    // A host object cannot pull the script level from under the script that calls it.
    if (m_engine->interpreter.running())
        return;
    m_engine->globals.clear();
    m_engine->modules.clear();
    m_engine->interpreter.err().clear();
}

bool ScriptControl::AddModule(const std::string& name)
{
    const std::string folded = binding::foldName(name);
    if (folded == GlobalModuleName || !m_engine->modules.insert(folded).second) {
        m_error = infoOf(ScriptError::runtime(DuplicateNameError));
        return false;
    }
    return true;
}

bool ScriptControl::AddCodeToModule(const std::string& module, const std::string& code)
{
    const std::string folded = binding::foldName(module);
    if (folded != GlobalModuleName && !m_engine->modules.count(folded)) {
        m_error = infoOf(ScriptError::runtime(UnknownModuleError));
        return false;
    }
    return guarded([&] { m_engine->cache.compile(code); }, false);
}

void ScriptControl::AddObject(const std::string& name, std::shared_ptr<Object> object, bool addMembers)
{
    if (m_engine->interpreter.running())
        return;
    m_engine->globals.addItem(name, std::move(object), addMembers);
}

bool ScriptControl::AddCode(const std::string& code)
{
    return guarded([&] {
        ProgramInstance& instance = m_engine->globals.addInstance(m_engine->cache.compile(code));
        m_engine->link(instance);
        m_engine->interpreter.runTopLevel(instance);
    });
}

bool ScriptControl::AddCode(const CompiledCode& code)
{
    return guarded([&] {
        if (code.m_error)
            throw *code.m_error;
        assert(code.m_program && "a compiled code holds its program or its error");
        ProgramInstance& instance = m_engine->globals.addInstance(code.m_program);
        m_engine->link(instance);
        m_engine->interpreter.runTopLevel(instance);
    });
}

CompiledCode ScriptControl::compile(const std::string& code)
{
    CompiledCode compiled;
    try {
        compiled.m_program = m_engine->cache.compile(code);
    } catch (const ScriptError& error) {
        compiled.m_error = std::make_shared<const ScriptError>(error);
    } catch (const std::bad_alloc&) {
        compiled.m_error = std::make_shared<const ScriptError>(ScriptError::runtime(7));
    }
    return compiled;
}

bool ScriptControl::Run(const std::string& procedure)
{
    return guarded([&] {
        const auto* entry = m_engine->globals.find(binding::foldName(procedure));
        if (!entry || entry->kind != GlobalScope::EntryKind::Procedure)
            throw ScriptError::runtime(MissingProcedureError);
        m_engine->interpreter.runProcedure(entry->procedure);
    });
}

// Runs one call into the engine; every failure becomes the Error the host reads.
template <typename Action>
bool ScriptControl::guarded(Action&& action, bool runsScript)
{
    Interpreter& interpreter = m_engine->interpreter;
    if (interpreter.running()) {
        m_error = {InternalError, "The script host is already running a script", RuntimeErrorSource, 0, 0};
        return false;
    }
    try {
        if (!runsScript) {
            action();
            return true;
        }
        Interpreter::Session session(interpreter, m_engine->timeLimit, m_engine->keepWaiting, m_engine->memoryBudget);
        action();
        return true;
    } catch (const ScriptError& error) {
        m_error = infoOf(error);
    } catch (const std::bad_alloc&) {
        m_error = infoOf(ScriptError::runtime(7));
    } catch (const std::exception& error) {
        m_error = {InternalError, error.what(), RuntimeErrorSource, 0, 0};
    }
    return false;
}

std::string errorMessage(const ScriptErrorInfo& error)
{
    return "Error " + error.Description + " line: " + std::to_string(error.Line) + " column: " +
           std::to_string(error.Column);
}

} // namespace kestrelon::vbs
