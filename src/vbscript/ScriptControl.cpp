// The script host: compiled programs cached by text, the script level they are linked into,
// and the interpreter that runs them. Every failure fills Error and returns false; nothing a
// script does escapes as an exception.
#include "vbscript/ScriptControl.h"

#include "vbscript/values/Array.h"
#include "vbscript/compile/Compiler.h"
#include "vbscript/exec/GlobalScope.h"
#include "vbscript/host/HostBinding.h"
#include "vbscript/exec/Interpreter.h"
#include "vbscript/exec/Linker.h"
#include "vbscript/values/Limits.h"

#include <cassert>
#include <new>
#include <unordered_set>

namespace kestrelon::vbs {
namespace {

// The name of the global module, taken from the start.
constexpr const char* GlobalModuleName = "global";
// A module name already in use: the error a collection gives for a key it already holds.
constexpr ErrorCode DuplicateNameError = ErrorCode::KeyAlreadyExists;
// A module that was never added.
constexpr ErrorCode UnknownModuleError = ErrorCode::InvalidProcedureCall;
// Run of a procedure the global module does not have.
constexpr ErrorCode MissingProcedureError = ErrorCode::ProcedureNotDefined;
constexpr std::int32_t InternalError = errorNumber(ErrorCode::InternalError);

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

    // A battle resets the script level for every unit's turn and builds it again from the same
    // pieces: the same named objects (another unit each time), then the same compiled code.
    // Taking such a level apart and making it again would look up every name anew each turn.
    // Instead the pieces a level was built from are noted, a reset only marks the level for
    // rebuilding, and while the same pieces come again the built level is put back: its
    // variables as they were once built, the new objects in the old ones' places, its names
    // still bound. Anything else makes the reset real first, so the result is always that of
    // a level made afresh.
    struct Recipe {
        std::vector<std::pair<std::string, bool>> objects; // names and addMembers, in order
        std::shared_ptr<const Program> program;              // then this code
        bool complete = false; // objects then one code, nothing else added since
    } recipe;
    struct Rebuild {
        bool pending = false;
        std::vector<std::shared_ptr<Object>> objects; // given again so far, in order
    } rebuild;

    void reset();
    void endScriptLevel();
    void addObject(const std::string& name, std::shared_ptr<Object> object, bool addMembers);
    // Runs through the level's own code again when it is the one the rebuild expects;
    // false when the rebuild cannot go on (it was made real).
    bool rebuiltWith(const std::shared_ptr<const Program>& program);
    void addProgram(std::shared_ptr<const Program> program);
    // A rebuild the next step does not continue becomes a real reset and the objects given
    // so far are added for real.
    void settle();
};

void ScriptControl::Engine::reset()
{
    if (rebuild.pending || (recipe.complete && globals.unchangedSinceBuilt())) {
        rebuild.pending = true;
        rebuild.objects.clear();
        return;
    }
    endScriptLevel();
    globals.clear();
    interpreter.releaseInstances();
    recipe = {};
}

// The instances the level's variables hold run their Class_Terminate before the level goes,
// within the time limit of any call into the engine; what they raise is not the host's to see.
void ScriptControl::Engine::endScriptLevel()
{
    if (!interpreter.hasInstances())
        return;
    Interpreter::Session session(interpreter, timeLimit, keepWaiting, memoryBudget);
    try {
        interpreter.endScriptLevel();
    } catch (...) {
        // Running out of memory in a Class_Terminate ends the others too; the level goes
        // all the same.
    }
}

void ScriptControl::Engine::settle()
{
    if (!rebuild.pending)
        return;
    rebuild.pending = false;
    const std::vector<std::pair<std::string, bool>> objects = std::move(recipe.objects);
    globals.clear();
    interpreter.releaseInstances();
    recipe = {};
    for (std::size_t i = 0; i < rebuild.objects.size(); ++i)
        addObject(objects[i].first, std::move(rebuild.objects[i]), objects[i].second);
    rebuild.objects.clear();
}

void ScriptControl::Engine::addObject(const std::string& name, std::shared_ptr<Object> object, bool addMembers)
{
    if (rebuild.pending) {
        const std::size_t next = rebuild.objects.size();
        if (!recipe.program || next >= recipe.objects.size() || recipe.objects[next].first != name ||
            recipe.objects[next].second != addMembers) {
            settle();
        } else {
            rebuild.objects.push_back(std::move(object));
            return;
        }
    }
    globals.addItem(name, std::move(object), addMembers);
    if (recipe.program)
        recipe.complete = false;
    else
        recipe.objects.emplace_back(name, addMembers);
}

bool ScriptControl::Engine::rebuiltWith(const std::shared_ptr<const Program>& program)
{
    if (!rebuild.pending)
        return false;
    if (program != recipe.program || rebuild.objects.size() != recipe.objects.size()) {
        settle();
        return false;
    }
    rebuild.pending = false;
    for (std::size_t i = 0; i < rebuild.objects.size(); ++i)
        globals.replaceItemObject(i, std::move(rebuild.objects[i]));
    rebuild.objects.clear();
    globals.restoreBuilt();
    interpreter.runTopLevel(globals.instance(0));
    return true;
}

void ScriptControl::Engine::addProgram(std::shared_ptr<const Program> program)
{
    if (rebuiltWith(program))
        return;
    // Only a level of one code, linked without fault, is kept for rebuilding; never one with
    // classes, whose instances a rebuild could keep from one build to the next.
    const bool first = !recipe.program && program->classes.empty();
    recipe.program = program;
    recipe.complete = false;
    ProgramInstance& instance = globals.addInstance(std::move(program));
    linkProgram(globals, instance);
    if (first) {
        recipe.complete = true;
        globals.markBuilt();
    }
    interpreter.runTopLevel(instance);
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
    m_engine->reset();
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
    m_engine->addObject(name, std::move(object), addMembers);
}

bool ScriptControl::AddCode(const std::string& code)
{
    return guarded([&] {
        std::shared_ptr<const Program> program;
        try {
            program = m_engine->cache.compile(code);
        } catch (...) {
            m_engine->settle();
            throw;
        }
        m_engine->addProgram(std::move(program));
    });
}

bool ScriptControl::AddCode(const CompiledCode& code)
{
    return guarded([&] {
        if (code.m_error) {
            m_engine->settle();
            throw *code.m_error;
        }
        assert(code.m_program && "a compiled code holds its program or its error");
        m_engine->addProgram(code.m_program);
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
        compiled.m_error = std::make_shared<const ScriptError>(ScriptError::runtime(ErrorCode::OutOfMemory));
    }
    return compiled;
}

bool ScriptControl::Run(const std::string& procedure)
{
    return guarded([&] {
        m_engine->settle();
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
        m_error = infoOf(ScriptError::runtime(ErrorCode::OutOfMemory));
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
