// The interpreter: runs resolved syntax trees against a script level. Locals live in frame
// slots, globals are bound once per added code and looked up again only when the script level
// gained a name. Errors are ScriptErrors raised where the fault is; each statement either
// passes them on or, under On Error Resume Next, records them in Err and goes on.
// Statements are in InterpretStatements.cpp, expressions in InterpretExpressions.cpp, names
// and calls in InterpretNames.cpp, arrays in InterpretArrays.cpp.
#pragma once

#include "platform/RandomGenerator.h"
#include "vbscript/compile/Code.h"
#include "vbscript/syntax/Ast.h"
#include "vbscript/exec/ErrObject.h"
#include "vbscript/exec/GlobalScope.h"
#include "vbscript/values/Limits.h"
#include "vbscript/exec/SlotStack.h"
#include "vbscript/runtime/Builtin.h"

#include <memory>
#include <optional>
#include <span>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace kestrelon::vbs {

class Interpreter : public BuiltinContext {
public:
    explicit Interpreter(GlobalScope& globals);
    ~Interpreter() override;
    Interpreter(const Interpreter&) = delete;
    Interpreter& operator=(const Interpreter&) = delete;

    Dialogs* dialogs() override { return m_dialogs; }
    RandomGenerator& random() override { return m_random; }
    float& lastRandom() override { return m_lastRandom; }
    void keepTrackOf(const std::shared_ptr<Object>& container) override;

    void setDialogs(Dialogs* dialogs) { m_dialogs = dialogs; }
    void setCompiledCode(bool enabled) { m_compiledCode = enabled; }
    ErrObject& err() { return *m_err; }
    RunClock& clock() { return m_clock; }

    // One call into the engine (AddCode or Run): starts the time budget and the stack guard,
    // and makes the clock and memory budget those of the script this thread runs.
    class Session {
    public:
        Session(Interpreter& interpreter, std::chrono::milliseconds limit, std::function<bool()> keepWaiting,
                std::size_t memoryBudget);
        ~Session() { m_interpreter.m_running = false; }
        Session(const Session&) = delete;
        Session& operator=(const Session&) = delete;

    private:
        Interpreter& m_interpreter;
        ActiveLimits m_limits;
    };

    // True while a call into the engine is under way (a host object calling back finds it so).
    bool running() const { return m_running; }

    // Runs the top-level statements of an added code.
    void runTopLevel(ProgramInstance& instance);
    // Calls a procedure with no arguments.
    void runProcedure(const ProcedureEntry& entry);

    // Script classes (InterpretClasses.cpp). A use of an instance's member from outside it.
    Value invokeInstance(ClassInstance& instance, MemberId member, InvokeKind kind, std::span<const Value> args);
    // The instances made here, counted so a reset can let go of every one (even those that
    // refer to each other) and so their Class_Terminate runs here.
    void instanceMade(ClassInstance* instance) { m_instances.insert(instance); }
    void instanceGone(ClassInstance* instance) { m_instances.erase(instance); }
    // The last reference to an instance went: its Class_Terminate runs once the statement
    // doing it is done (or at once, it is simply deleted, when no script is running).
    void lastReferenceGone(ClassInstance* instance);
    // Lets go of every instance (a reset): their variables are emptied, no Class_Terminate runs.
    void releaseInstances();
    // The script level ends (a reset, the end of a script): its variables are let go of one by
    // one, so each instance they alone held runs its Class_Terminate, as when a script ends.
    // Call it inside a Session; instances that only refer to each other stay for
    // releaseInstances.
    void endScriptLevel();
    bool hasInstances() const { return !m_instances.empty(); }
    // Calls a procedure of the script level with arguments already worked out (GetRef).
    Value callProcedure(const ProcedureEntry& entry, std::span<const Value> args);

    // The fixed-size array a Dim declares, made as its procedure or script starts; one too
    // large for memory fails with "Out of memory" at the Dim.
    static Value declaredArray(const std::vector<std::int32_t>& bounds, SourcePos pos);

private:
    enum class Flow { Normal, ExitDo, ExitFor, ExitProcedure };

    struct Frame {
        Frame(SlotStack& slotStack, ProgramInstance& program, const Procedure* owner, int slotCount)
            : stack(slotStack), instance(program), procedure(owner),
              slots(slotStack.take(static_cast<std::size_t>(slotCount)))
        {
        }
        ~Frame() { stack.give(slots); }
        Frame(const Frame&) = delete;
        Frame& operator=(const Frame&) = delete;
        Value& at(int slot) { return *slots[static_cast<size_t>(slot)].value; }

        using Slot = FrameSlot;
        SlotStack& stack;
        ProgramInstance& instance;
        const Procedure* procedure; // null for top-level code
        std::span<Slot> slots;
        bool resumeNext = false;
        std::shared_ptr<ClassInstance> self; // the instance a class's procedure runs for
    };

    // A run of compiled code: its frame, and where an error came from.
    struct Activation {
        const Code& code;
        Frame& frame;
        std::int32_t failedAt = -1; // the step an error came from, which places it
        std::uint64_t aliasEpoch = 0;   // the script level's epoch when the aliases were bound
        std::uint64_t boundAliases = 0; // the aliases that refer to their variables, as bits
    };

    // Arrays whose elements are passed by reference stay locked (no ReDim or Erase) until the
    // call returns, so the reference can never dangle.
    class ArrayLocks {
    public:
        explicit ArrayLocks(Interpreter& interpreter) : m_interpreter(interpreter) {}
        ~ArrayLocks()
        {
            if (!m_arrays.empty())
                unlockAll();
        }
        ArrayLocks(const ArrayLocks&) = delete;
        ArrayLocks& operator=(const ArrayLocks&) = delete;
        void lock(std::shared_ptr<Array> array);

    private:
        void unlockAll();
        Interpreter& m_interpreter;
        std::vector<std::shared_ptr<Array>> m_arrays;
    };

    class CallDepth {
    public:
        // Inline, as every call passes here.
        explicit CallDepth(Interpreter& interpreter) : m_interpreter(interpreter)
        {
            if (m_interpreter.m_depth >= MaxCallDepth || m_interpreter.m_stack.exhausted())
                outOfStackSpace();
            ++m_interpreter.m_depth;
        }
        ~CallDepth() { --m_interpreter.m_depth; }
        CallDepth(const CallDepth&) = delete;
        CallDepth& operator=(const CallDepth&) = delete;

    private:
        [[noreturn]] static void outOfStackSpace();
        Interpreter& m_interpreter;
    };

    // Statements.
    Flow executeBlock(const Block& block, Frame& frame);
    Flow execute(const Stmt& statement, Frame& frame);
    void executeAssign(const AssignStmt& statement, Frame& frame);
    void executeCall(const CallStmt& statement, Frame& frame);
    Flow executeIf(const IfStmt& statement, Frame& frame);
    Flow executeSelect(const SelectStmt& statement, Frame& frame);
    Flow executeFor(const ForStmt& statement, Frame& frame);
    Flow runForBody(const ForStmt& statement, Frame& frame, Value& counter, const Value& step, double end);
    Flow executeForEach(const ForEachStmt& statement, Frame& frame);
    Flow executeDo(const DoStmt& statement, Frame& frame);
    Flow executeWith(const WithStmt& statement, Frame& frame);
    Flow runFailedLoopOnce(const Block& body, Frame& frame, ErrorCode errorAtNext);
    bool canResume(const Frame& frame) const;
    void recordResumed(ScriptError& error, const Frame& frame, SourcePos pos);
    std::optional<bool> testCondition(const Expr& condition, Frame& frame, SourcePos pos);
    static Flow loopExit(Flow flow, Flow ownExit);

    // Expressions.
    Value evaluate(const Expr& expression, Frame& frame);
    Value evaluateAny(const Expr& expression, Frame& frame);
    Value evaluateBinary(const BinaryExpr& expression, Frame& frame);
    Value evaluateIs(const BinaryExpr& expression, Frame& frame);
    Value evaluateCall(const CallExpr& expression, Frame& frame);
    Value evaluateMember(const MemberExpr& expression, Frame& frame);
    Value withObject(int slot, Frame& frame);
    std::vector<Value> evaluateArguments(const std::vector<ExprPtr>& args, Frame& frame);
    // The arguments of a call to a host member or a built-in, evaluated in order; the few a
    // call has live in the list itself, so a call asks the heap for nothing.
    class ArgumentValues {
    public:
        ArgumentValues(Interpreter& interpreter, const std::vector<ExprPtr>& args, Frame& frame);
        // The same from compiled code: count arguments whose code starts at index first.
        ArgumentValues(Interpreter& interpreter, Activation& activation, std::int32_t first, std::size_t count);
        ArgumentValues(const ArgumentValues&) = delete;
        ArgumentValues& operator=(const ArgumentValues&) = delete;
        operator std::span<const Value>() const { return {m_values, m_count}; }

    private:
        static constexpr std::size_t Inline = 6;
        Value m_inline[Inline];
        std::vector<Value> m_spilled;
        const Value* m_values = m_inline;
        std::size_t m_count = 0;
    };
    Value plainValue(const Expr& expression, Frame& frame, bool isSet);
    static Value plainValue(Value value, bool isSet);
    static bool isLiteral(const Expr& expression);

    // Names, objects and calls.
    const GlobalBinding& globalBinding(ProgramInstance& instance, int index);
    GlobalBinding lookUpGlobal(const std::string& folded) const;
    Value readName(const NameExpr& name, Frame& frame);
    void assignName(const NameExpr& name, Frame& frame, Value value);
    Value* existingVariable(const NameExpr& name, Frame& frame, const GlobalBinding** binding);
    Value* variableOf(const NameExpr& name, Frame& frame, bool createEvenWhenExplicit = false);
    Value& createVariable(const NameExpr& name, Frame& frame);
    Value callName(const NameExpr& name, const std::vector<ExprPtr>& args, Frame& frame, InvokeKind kind);
    Value callCallee(const Expr& callee, const std::vector<ExprPtr>& args, Frame& frame, InvokeKind kind);
    Value callScript(const ProcedureEntry& entry, const std::vector<ExprPtr>& args, Frame& caller);
    void bindArgument(Frame& callee, size_t index, const Expr& argument, bool byVal, Frame& caller, ArrayLocks& locks);
    Value* argumentReference(const Expr& argument, Frame& caller, ArrayLocks& locks);
    // Inline, as every call passes here.
    Value invokeFrame(Frame& frame)
    {
        CallDepth depth(*this);
        m_clock.tick();
        const Procedure& procedure = *frame.procedure;
        if (!procedure.inits.empty())
            initialiseSlots(procedure, frame);
        runBody(procedure.body, procedure.code, frame);
        if (procedure.resultSlot < 0)
            return Value();
        return std::move(frame.at(procedure.resultSlot));
    }
    void initialiseSlots(const Procedure& procedure, Frame& frame);
    Value callValue(const Value& target, std::vector<Value> args, InvokeKind kind);
    Value invokeMember(const Value& target, const std::string& name, MemberCache& cache, InvokeKind kind,
                       std::span<const Value> args);
    static MemberId memberOf(const Value& target, const std::string& name, MemberCache& cache);
    static Value invokeObject(Object& object, MemberId member, InvokeKind kind, std::span<const Value> args);
    bool isSelfAppend(const AssignStmt& statement);
    std::optional<Value> quietObject(const NameExpr& name, Frame& frame);
    // The operands of an append's tail as compiled code: argument code from first on, in order.
    struct CompiledTail {
        Activation& activation;
        std::int32_t first;
    };
    bool appendToMember(const AssignStmt& statement, Frame& frame, const CompiledTail* compiled = nullptr);
    bool appendToVariable(const AssignStmt& statement, Frame& frame, const CompiledTail* compiled = nullptr);
    bool appendToBareMember(const AssignStmt& statement, Frame& frame, const GlobalBinding& binding,
                            const CompiledTail* compiled);
    template <typename StillMeant, typename Put>
    bool appendToText(const AssignStmt& statement, Frame& frame, std::string& text, const CompiledTail* compiled,
                      StillMeant stillMeant, Put put);
    Value joinedTail(const AssignStmt& statement, Frame& frame, std::size_t startLength,
                     const CompiledTail* compiled);
    Value invokeItemMember(const GlobalBinding& binding, InvokeKind kind, std::span<const Value> args);
    Value invokeBuiltin(const BuiltinEntry& builtin, std::span<const Value> args);
    void assignMember(const Expr& target, Frame& frame, Value value);

    // Script classes (InterpretClasses.cpp).
    Value newInstance(const NewExpr& expression, Frame& frame);
    Value callMethod(const std::shared_ptr<ClassInstance>& self, const Procedure& procedure,
                     std::span<const Value> args);
    Value callWithValues(ProgramInstance& program, const Procedure& procedure,
                         const std::shared_ptr<ClassInstance>& self, std::span<const Value> args);
    Value callWithArguments(ProgramInstance& program, const Procedure& procedure,
                            const std::shared_ptr<ClassInstance>& self, const std::vector<ExprPtr>& args,
                            Frame& caller);
    Value callInstanceMember(ClassInstance& instance, MemberId member, InvokeKind kind,
                             const std::vector<ExprPtr>& args, Frame& frame);
    Value callSelfMember(Frame& frame, int member, InvokeKind kind, const std::vector<ExprPtr>& args);
    // The script class instance a value holds, so its procedures get their arguments by
    // reference; nullptr for any other value.
    static ClassInstance* scriptInstanceOf(const Value& value)
    {
        return value.isObject() && !value.isNothing() ? value.asObject()->scriptInstance() : nullptr;
    }
    void assignSelfMember(Frame& frame, int member, Value value);
    Value useField(ClassInstance& instance, int field, InvokeKind kind, std::span<const Value> args);
    static const Procedure* procedureFor(const ClassMember& member, InvokeKind kind, std::span<const Value> args);
    Value invokeForSelf(Frame& frame);
    void runPendingTerminates()
    {
        if (!m_pendingTerminates.empty())
            runTerminates();
    }
    void runTerminates();

    // Code made while the script runs (InterpretCodeText.cpp).
    Value callCodeFunction(GlobalBinding::Kind which, const std::vector<ExprPtr>& args, Frame& frame);
    ProgramInstance& codeInstance(std::shared_ptr<const Program> program, ProgramInstance& temporary);
    template <typename Run>
    auto inCodeFrame(ProgramInstance& instance, Frame& caller, Run run);
    void runCodeText(const Value& argument, Frame& frame, bool atScriptLevel);
    Value evalText(const Value& argument, Frame& frame);
    Value procedureReference(const Value& argument);
    void awaitTerminate(ClassInstance* instance);

    // Compiled code (Machine.cpp). Its steps run the Class_Terminate of instances they let go
    // of as soon as the step is done, as the tree interpreter does when a statement is done.
    void runBody(const Block& body, const std::shared_ptr<const Code>& code, Frame& frame)
    {
        if (code && m_compiledCode)
            runCode(*code, frame);
        else
            executeBlock(body, frame);
    }
    void runCode(const Code& code, Frame& frame)
    {
        Activation activation{code, frame};
        runFrom(activation, 0);
    }
    [[noreturn]] static void throwPlaced(const Activation& activation);
    void runFrom(Activation& activation, std::int32_t start);
    Value argumentValue(Activation& activation, std::int32_t index);
    void argumentInto(Activation& activation, std::int32_t index, Value& target);
    Value callCompiled(Activation& activation, const Instruction& instruction);
    Value callMemberCompiled(Activation& activation, const Instruction& instruction);
    void appendCompiled(Activation& activation, const Instruction& instruction);
    Value callScriptCompiled(const ProcedureEntry& entry, const std::vector<ExprPtr>& args, Activation& caller,
                             std::int32_t first);
    void assignCompiled(const AssignStmt& statement, Frame& frame, Value value);
    Value* plainVariable(const AssignStmt& statement, Frame& frame);
    const Value* boundVariable(const NameExpr& name, Frame& frame) const;
    const Value* boundItem(const NameExpr& name, Frame& frame) const;
    static const Value& operandValue(const Activation& activation, Operand where);
    struct Operands;
    template <BinaryOp op>
    void quickBinary(Activation& activation, const Operands& operand, const Instruction& step);
    void bindAliases(Activation& activation);
    [[gnu::noinline]] void binaryByTheRules(Activation& activation, const Instruction& step);
    static Value loopNumber(const Value& value);

    // Arrays.
    void assignIndexed(const CallExpr& target, Frame& frame, const Expr& value, bool isSet);
    void assignIndexedName(const NameExpr& name, const std::vector<ExprPtr>& indices, Frame& frame, const Expr& value,
                           bool isSet);
    Value* elementReference(const CallExpr& argument, Frame& frame, ArrayLocks& locks);
    void executeReDim(const ReDimStmt& statement, Frame& frame);
    void executeErase(const EraseStmt& statement, Frame& frame);
    Array& writableArray(Value& value);
    bool locked(const Array* array) const;
    void storeInto(Value& target, Value value);
    static Value readElement(const Array& array, std::span<const Value> indices);
    // The indices of an element; the few an element has live in the list itself.
    class ElementIndices {
    public:
        explicit ElementIndices(std::span<const Value> args);
        ElementIndices(const ElementIndices&) = delete;
        ElementIndices& operator=(const ElementIndices&) = delete;
        operator std::span<const std::int32_t>() const { return {m_indices, m_count}; }

    private:
        static constexpr std::size_t Inline = 4;
        std::int32_t m_inline[Inline] = {};
        std::vector<std::int32_t> m_spilled;
        const std::int32_t* m_indices = m_inline;
        std::size_t m_count = 0;
    };
    Value* indexedVariable(const NameExpr& name, Frame& frame, const GlobalBinding** binding);
    void storeIndexed(Value* variable, const GlobalBinding* binding, std::span<const Value> indices, Value value);
    void assignIndexedCompiled(Activation& activation, const Instruction& instruction);
    static Value newArray(std::vector<std::int32_t> bounds, bool fixed);

    GlobalScope& m_globals;
    SlotStack m_slots;
    std::shared_ptr<ErrObject> m_err;
    Value m_errValue; // m_err as a script value, made once
    Dialogs* m_dialogs = nullptr;
    RandomGenerator m_random;
    float m_lastRandom;
    RunClock m_clock;
    StackGuard m_stack;
    int m_depth = 0;
    bool m_running = false;
    bool m_compiledCode = true;
    std::unordered_map<const Array*, int> m_lockedArrays;
    std::unordered_set<ClassInstance*> m_instances;
    std::vector<std::shared_ptr<ClassInstance>> m_pendingTerminates;
    std::vector<std::weak_ptr<Object>> m_containers; // objects built-ins made (keepTrackOf)
    std::size_t m_containersAfterPruning = 0;
    std::vector<ClassInstance*> m_dying; // let go of, not yet deleted (lastReferenceGone)
    bool m_burying = false;
    ClassInstance* m_currentSelf = nullptr; // the instance whose procedure runs (private members)
};

} // namespace kestrelon::vbs
