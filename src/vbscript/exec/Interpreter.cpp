// The interpreter's frames and calls: how a procedure gets its frame, how its arguments are
// bound (a variable or array element passed ByRef is the caller's own storage, anything else a
// copy), how deep calls may go, and the two ways the host enters: top-level code and Run.
#include "vbscript/exec/Interpreter.h"

#include "vbscript/values/Array.h"
#include "vbscript/values/Coercion.h"

#include <new>
#include <stdexcept>

namespace kestrelon::vbs {

Interpreter::Interpreter(GlobalScope& globals)
    : m_globals(globals), m_err(std::make_shared<ErrObject>()), m_errValue(Value::object(m_err)),
      m_lastRandom(m_random.current())
{
}

Interpreter::Session::Session(Interpreter& interpreter, std::chrono::milliseconds limit,
                              std::function<bool()> keepWaiting, std::size_t memoryBudget)
    : m_interpreter(interpreter), m_limits(interpreter.m_clock, memoryBudget)
{
    interpreter.m_running = true;
    interpreter.m_depth = 0;
    interpreter.m_clock.start(limit, std::move(keepWaiting));
    interpreter.m_stack.start();
}

void Interpreter::ArrayLocks::unlockAll()
{
    for (const auto& array : m_arrays) {
        auto found = m_interpreter.m_lockedArrays.find(array.get());
        if (--found->second == 0)
            m_interpreter.m_lockedArrays.erase(found);
    }
}

void Interpreter::ArrayLocks::lock(std::shared_ptr<Array> array)
{
    ++m_interpreter.m_lockedArrays[array.get()];
    m_arrays.push_back(std::move(array));
}

// Past the deepest nesting a script may reach, or near the end of the thread's stack, a call
// raises "Out of stack space" (28), which the caller may catch like any run-time error.
void Interpreter::CallDepth::outOfStackSpace()
{
    throw ScriptError::runtime(ErrorCode::OutOfStackSpace);
}

void Interpreter::runTopLevel(ProgramInstance& instance)
{
    const Program& program = *instance.program;
    {
        Frame frame(m_slots, instance, nullptr, program.topLevelSlots);
        runBody(program.statements, program.topLevelCode, frame);
    }
    runPendingTerminates();
}

// The host calls a procedure without arguments; one that needs some fails where it is declared.
void Interpreter::runProcedure(const ProcedureEntry& entry)
{
    if (!entry.procedure->params.empty()) {
        ScriptError error = ScriptError::runtime(ErrorCode::WrongArgumentCount);
        error.setPositionIfUnknown(entry.procedure->pos.line, entry.procedure->pos.column);
        throw error;
    }
    {
        Frame frame(m_slots, *entry.instance, entry.procedure, entry.procedure->slotCount);
        invokeFrame(frame);
    }
    runPendingTerminates();
}

Value Interpreter::callScript(const ProcedureEntry& entry, const std::vector<ExprPtr>& args, Frame& caller)
{
    return callWithArguments(*entry.instance, *entry.procedure, nullptr, args, caller);
}

// A procedure (of an instance, when self is given) called from script code: variables and
// array elements go by reference.
Value Interpreter::callWithArguments(ProgramInstance& program, const Procedure& procedure,
                                     const std::shared_ptr<ClassInstance>& self, const std::vector<ExprPtr>& args,
                                     Frame& caller)
{
    if (args.size() != procedure.params.size())
        throw ScriptError::runtime(ErrorCode::WrongArgumentCount);
    Frame frame(m_slots, program, &procedure, procedure.slotCount);
    frame.self = self;
    ArrayLocks locks(*this);
    for (size_t i = 0; i < args.size(); ++i)
        bindArgument(frame, i, *args[i], procedure.params[i].byVal, caller, locks);
    return invokeForSelf(frame);
}

// ByRef (the default) aliases a plain variable or an array element; a literal, an expression,
// a parenthesized argument, a constant or a property gives the callee a copy of its own.
void Interpreter::bindArgument(Frame& callee, size_t index, const Expr& argument, bool byVal, Frame& caller,
                               ArrayLocks& locks)
{
    Frame::Slot& slot = callee.slots[index];
    if (!byVal && !argument.parenthesized) {
        if (Value* reference = argumentReference(argument, caller, locks)) {
            slot.value = reference;
            return;
        }
    }
    storeInto(slot.own, evaluate(argument, caller));
}

// The caller's storage a ByRef argument names: a plain variable or an array element; nullptr
// for anything else, which is passed as a copy.
Value* Interpreter::argumentReference(const Expr& argument, Frame& caller, ArrayLocks& locks)
{
    if (argument.kind == ExprKind::Name) {
        const auto& name = static_cast<const NameExpr&>(argument);
        return name.ref.constant ? nullptr : variableOf(name, caller);
    }
    if (argument.kind == ExprKind::Call)
        return elementReference(static_cast<const CallExpr&>(argument), caller, locks);
    return nullptr;
}

// A procedure's constants and arrays are made as it starts.
void Interpreter::initialiseSlots(const Procedure& procedure, Frame& frame)
{
    for (const SlotInit& init : procedure.inits) {
        Value& slot = frame.at(init.slot);
        switch (init.kind) {
        case SlotInit::Kind::Constant: slot = init.constant; break;
        case SlotInit::Kind::FixedArray: slot = declaredArray(init.bounds, init.pos); break;
        case SlotInit::Kind::DynamicArray: slot = Value::array(std::make_shared<Array>()); break;
        }
    }
}

Value Interpreter::declaredArray(const std::vector<std::int32_t>& bounds, SourcePos pos)
{
    try {
        return newArray(bounds, true);
    } catch (ScriptError& error) {
        error.setPositionIfUnknown(pos.line, pos.column);
        throw;
    } catch (const std::bad_alloc&) {
    } catch (const std::length_error&) {
    }
    ScriptError error = ScriptError::runtime(ErrorCode::OutOfMemory);
    error.setPositionIfUnknown(pos.line, pos.column);
    throw error;
}

} // namespace kestrelon::vbs
