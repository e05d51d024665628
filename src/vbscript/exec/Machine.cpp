// Running compiled code (compile/Code.h): one loop over the instructions of a body. Every step
// does what the tree interpreter does for the same construct, in the same order, with the
// common cases (numbers, plain variables, calls of script procedures) done on the spot.
// An error ends the body at the statement running, which is where it is placed.
#include "vbscript/exec/Interpreter.h"

#include "vbscript/exec/ClassInstance.h"

#include "vbscript/operators/FastOperators.h"
#include "vbscript/values/Array.h"
#include "vbscript/values/Coercion.h"

#include <new>
#include <stdexcept>

namespace kestrelon::vbs {

using BindingKind = GlobalBinding::Kind;

// Where an operand's value is: the code's constants or the frame's slots.
[[gnu::always_inline]] inline const Value& Interpreter::operandValue(const Activation& activation, Operand where)
{
    if (isConstant(where))
        return activation.code.constants[static_cast<std::size_t>(constantIndex(where))];
    return activation.frame.at(where);
}

// The constants and slots a running body reads its operands from, held where the loop keeps
// them in registers rather than reached through the activation at every step.
struct Interpreter::Operands {
    const Value* constants;
    FrameSlot* slots;
    Value& slot(std::int32_t index) const { return *slots[index].value; }
    const Value& operator()(Operand where) const
    {
        return isConstant(where) ? constants[constantIndex(where)] : slot(where);
    }
};

template <BinaryOp op>
[[gnu::always_inline]] inline void Interpreter::quickBinary(Activation& activation, const Operands& operand,
                                                            const Instruction& step)
{
    if (!fast::tryBinary(op, operand(step.b), operand(step.c), operand.slot(step.a)))
        binaryByTheRules(activation, step);
}

// The end is a number already; the counter is taken as one at every test (the body may have
// written anything to it).
[[gnu::always_inline]] inline bool passedEnd(const Value& counter, const Value& upwards, const Value& end)
{
    const double position = fast::isIntegerOrLong(counter)         ? static_cast<double>(fast::whole(counter))
                            : counter.type() == VarType::Double ? counter.asDouble()
                                                                : toDouble(counter);
    return upwards.asBoolean() ? position > end.asDouble() : position < end.asDouble();
}

// An error leaving the body is placed at the statement of the step it came from; running out
// of memory becomes "Out of memory" (7) there.
void Interpreter::throwPlaced(const Activation& activation)
{
    const auto place = [&](ScriptError& error) {
        if (activation.failedAt < 0)
            return;
        const Stmt* statement = activation.code.instructions[static_cast<std::size_t>(activation.failedAt)].statement;
        if (statement)
            error.setPositionIfUnknown(statement->pos.line, statement->pos.column);
    };
    try {
        throw;
    } catch (ScriptError& error) {
        place(error);
        throw;
    } catch (const std::bad_alloc&) {
    } catch (const std::length_error&) {
    }
    ScriptError error = ScriptError::runtime(ErrorCode::OutOfMemory);
    place(error);
    throw error;
}

// The steps' dispatch takes the address of each case (a GNU extension both compilers have).
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wpedantic"
#ifdef __clang__
#pragma clang diagnostic ignored "-Wgnu-label-as-value"
#endif
void Interpreter::runFrom(Activation& activation, std::int32_t start)
{
    const Code& code = activation.code;
    Frame& frame = activation.frame;
    const Instruction* const instructions = code.instructions.data();
    FrameSlot* const slots = frame.slots.data();
    const Operands operand{code.constants.data(), slots};
    const auto slot = [&operand](std::int32_t index) -> Value& { return operand.slot(index); };
    // What a register held is let go once used, so no text or object lives on in it.
    const auto release = [&](Operand where) {
        if (where >= code.firstRegister)
            slot(where) = Value();
    };

    std::int32_t pc = start;
    try {
        // Each step ends by jumping straight to the next one's case (NEXT_STEP), so that every
        // step has a dispatch of its own, which the processor predicts far better than one
        // shared jump; a plain break goes round the loop, which dispatches the same way.
        static constexpr void* dispatch[] = {
            &&stepJump,
            &&stepLoopBack,
            &&stepJumpIfFalse,
            &&stepJumpIfTrue,
            &&stepCompareJumpIfFalse,
            &&stepCompareJumpIfTrue,
            &&stepMove,
            &&stepReadName,
            &&stepUnary,
            &&stepBinary,
            &&stepAdd,
            &&stepSubtract,
            &&stepMultiply,
            &&stepIntegerDivide,
            &&stepModulo,
            &&stepEqual,
            &&stepNotEqual,
            &&stepLess,
            &&stepGreater,
            &&stepLessEqual,
            &&stepGreaterEqual,
            &&stepCallName,
            &&stepGetMember,
            &&stepCallMember,
            &&stepEvaluate,
            &&stepAssign,
            &&stepAssignMember,
            &&stepAssignIndexed,
            &&stepAppend,
            &&stepExecute,
            &&stepForCounter,
            &&stepForBound,
            &&stepForStart,
            &&stepForTest,
            &&stepForNext,
            &&stepCheckGlobals,
            &&stepStore,
            &&stepReturn,
            &&stepEndArgument,
        };
        static_assert(std::size(dispatch) == static_cast<std::size_t>(Op::EndArgument) + 1);
#define NEXT_STEP                                                                                                     \
    do {                                                                                                              \
        step = &instructions[pc++];                                                                                   \
        goto* dispatch[static_cast<std::size_t>(step->op)];                                                          \
    } while (false)
        const Instruction* step = nullptr;
        for (;;) {
            step = &instructions[pc++];
            switch (step->op) {
            case Op::Jump: stepJump: pc = step->a; NEXT_STEP;
            case Op::LoopBack: stepLoopBack:
                m_clock.addWork(static_cast<std::uint64_t>(step->d) * RunClock::TickWork);
                pc = step->a;
                NEXT_STEP;
            case Op::JumpIfFalse: stepJumpIfFalse:
            case Op::JumpIfTrue: stepJumpIfTrue: {
                const Value& condition = operand(step->a);
                bool holds = false;
                if (condition.type() == VarType::Boolean) {
                    holds = condition.asBoolean();
                } else {
                    holds = isTrue(condition);
                    release(step->a);
                }
                if (holds == (step->op == Op::JumpIfTrue))
                    pc = step->b;
                NEXT_STEP;
            }
            case Op::CompareJumpIfFalse: stepCompareJumpIfFalse:
            case Op::CompareJumpIfTrue: stepCompareJumpIfTrue: {
                bool holds = false;
                if (!fast::tryCompare(step->binary, operand(step->b), operand(step->c), holds)) {
                    binaryByTheRules(activation, *step);
                    const Value& condition = slot(step->a);
                    holds = condition.type() == VarType::Boolean ? condition.asBoolean() : isTrue(condition);
                    release(step->a);
                }
                if (holds == (step->op == Op::CompareJumpIfTrue))
                    pc = step->d;
                NEXT_STEP;
            }
            case Op::Move: stepMove: slot(step->a) = operand(step->b); NEXT_STEP;
            case Op::ReadName: stepReadName: {
                const auto& name = *static_cast<const NameExpr*>(step->node);
                if (const Value* variable = boundVariable(name, frame)) {
                    slot(step->a) = *variable;
                } else {
                    slot(step->a) = readName(name, frame);
                    runPendingTerminates();
                }
                NEXT_STEP;
            }
            case Op::Unary: stepUnary: {
                // The operand's register is let go of (it may be the result's own).
                Value result = applyUnary(static_cast<UnaryOp>(step->unary), operand(step->b));
                release(step->b);
                slot(step->a) = std::move(result);
                break; // out of a value's scope: the jump round the loop
            }
            case Op::Binary: stepBinary:
                if (!fast::tryBinary(step->binary, operand(step->b), operand(step->c), slot(step->a)))
                    binaryByTheRules(activation, *step);
                NEXT_STEP;
            case Op::Add: stepAdd: quickBinary<BinaryOp::Add>(activation, operand, *step); NEXT_STEP;
            case Op::Subtract: stepSubtract: quickBinary<BinaryOp::Subtract>(activation, operand, *step); NEXT_STEP;
            case Op::Multiply: stepMultiply: quickBinary<BinaryOp::Multiply>(activation, operand, *step); NEXT_STEP;
            case Op::IntegerDivide: stepIntegerDivide: quickBinary<BinaryOp::IntegerDivide>(activation, operand, *step); NEXT_STEP;
            case Op::Modulo: stepModulo: quickBinary<BinaryOp::Modulo>(activation, operand, *step); NEXT_STEP;
            case Op::Equal: stepEqual: quickBinary<BinaryOp::Equal>(activation, operand, *step); NEXT_STEP;
            case Op::NotEqual: stepNotEqual: quickBinary<BinaryOp::NotEqual>(activation, operand, *step); NEXT_STEP;
            case Op::Less: stepLess: quickBinary<BinaryOp::Less>(activation, operand, *step); NEXT_STEP;
            case Op::Greater: stepGreater: quickBinary<BinaryOp::Greater>(activation, operand, *step); NEXT_STEP;
            case Op::LessEqual: stepLessEqual: quickBinary<BinaryOp::LessEqual>(activation, operand, *step); NEXT_STEP;
            case Op::GreaterEqual: stepGreaterEqual: quickBinary<BinaryOp::GreaterEqual>(activation, operand, *step); NEXT_STEP;
            case Op::CallName: stepCallName: {
                if (step->a >= 0)
                    slot(step->a) = callCompiled(activation, *step);
                else
                    callCompiled(activation, *step);
                runPendingTerminates();
                NEXT_STEP;
            }
            case Op::GetMember: stepGetMember: {
                const auto& member = *static_cast<const MemberExpr*>(step->node);
                const auto& name = static_cast<const NameExpr&>(*member.object);
                if (const Value* item = boundItem(name, frame))
                    slot(step->a) = invokeMember(*item, member.name, member.cache, InvokeKind::Get, {});
                else
                    slot(step->a) = invokeMember(readName(name, frame), member.name, member.cache, InvokeKind::Get, {});
                runPendingTerminates();
                NEXT_STEP;
            }
            case Op::CallMember: stepCallMember: {
                if (step->a >= 0)
                    slot(step->a) = callMemberCompiled(activation, *step);
                else
                    callMemberCompiled(activation, *step);
                runPendingTerminates();
                NEXT_STEP;
            }
            case Op::Evaluate: stepEvaluate:
                slot(step->a) = evaluate(*static_cast<const Expr*>(step->node), frame);
                runPendingTerminates();
                NEXT_STEP;
            case Op::AssignMember: stepAssignMember: {
                const auto& statement = *static_cast<const AssignStmt*>(step->node);
                Value value = step->a >= code.firstRegister ? std::move(slot(step->a)) : Value(operand(step->a));
                assignMember(*statement.target, frame, plainValue(std::move(value), statement.isSet));
                runPendingTerminates();
                break; // out of a value's scope: the jump round the loop
            }
            case Op::Append: stepAppend:
                appendCompiled(activation, *step);
                runPendingTerminates();
                NEXT_STEP;
            case Op::AssignIndexed: stepAssignIndexed:
                assignIndexedCompiled(activation, *step);
                runPendingTerminates();
                NEXT_STEP;
            case Op::Assign: stepAssign: {
                const auto& statement = *static_cast<const AssignStmt*>(step->node);
                const bool own = step->a >= code.firstRegister;
                if (Value* target = plainVariable(statement, frame); target && !statement.isSet) {
                    const Value& value = operand(step->a);
                    // A number or text into a variable holding no array or object: nothing but
                    // the store.
                    if (!value.isObject() && !value.isArray() && !target->isArray() && !target->isObject()) {
                        if (own)
                            *target = std::move(slot(step->a));
                        else
                            *target = value;
                        NEXT_STEP;
                    }
                }
                assignCompiled(statement, frame, own ? std::move(slot(step->a)) : Value(operand(step->a)));
                runPendingTerminates();
                NEXT_STEP;
            }
            case Op::Execute: stepExecute: {
                const Flow flow = execute(*static_cast<const Stmt*>(step->node), frame);
                runPendingTerminates();
                switch (flow) {
                case Flow::Normal: NEXT_STEP;
                case Flow::ExitDo:
                    if (step->b < 0)
                        return;
                    pc = step->b;
                    NEXT_STEP;
                case Flow::ExitFor:
                    if (step->c < 0)
                        return;
                    pc = step->c;
                    NEXT_STEP;
                case Flow::ExitProcedure: return;
                }
                NEXT_STEP;
            }
            case Op::ForCounter: stepForCounter: {
                Value* counter = variableOf(*static_cast<const ForStmt*>(step->node)->counter, frame);
                if (!counter)
                    throw ScriptError::runtime(ErrorCode::IllegalAssignment);
                slots[step->a + LoopCounter].value = counter;
                slot(step->a + LoopStep) = Value::integer(1);
                NEXT_STEP;
            }
            case Op::ForBound: stepForBound: {
                Value number = loopNumber(operand(step->b));
                release(step->b);
                if (step->c == 0)
                    slot(step->a + LoopStart) = std::move(number);
                else if (step->c == 1)
                    slot(step->a + LoopEnd) = Value::doubleValue(toDouble(number));
                else
                    slot(step->a + LoopStep) = std::move(number);
                break; // out of a value's scope: the jump round the loop
            }
            case Op::ForStart: stepForStart:
                slot(step->a + LoopCounter) = std::move(slot(step->a + LoopStart));
                slot(step->a + LoopUpwards) = Value::boolean(toDouble(slot(step->a + LoopStep)) >= 0);
                NEXT_STEP;
            case Op::ForTest: stepForTest:
                if (passedEnd(slot(step->a + LoopCounter), slot(step->a + LoopUpwards), slot(step->a + LoopEnd)))
                    pc = step->b;
                NEXT_STEP;
            case Op::ForNext: stepForNext: {
                m_clock.addWork(static_cast<std::uint64_t>(step->d) * RunClock::TickWork);
                Value& counter = slot(step->a + LoopCounter);
                const Value& stepBy = slot(step->a + LoopStep);
                if (!fast::tryBinary(BinaryOp::Add, counter, stepBy, counter))
                    counter = applyBinary(BinaryOp::Add, counter, stepBy);
                if (!passedEnd(counter, slot(step->a + LoopUpwards), slot(step->a + LoopEnd)))
                    pc = step->b;
                NEXT_STEP;
            }
            case Op::CheckGlobals: stepCheckGlobals:
                if (activation.aliasEpoch != m_globals.epoch())
                    bindAliases(activation);
                if ((code.guards[static_cast<std::size_t>(step->c)] & ~activation.boundAliases) != 0)
                    pc = step->b;
                NEXT_STEP;
            case Op::Store: stepStore: {
                Value& target = slot(step->a);
                const Value& value = operand(step->b);
                const bool own = step->b >= code.firstRegister;
                // A number or text into a variable holding no array or object: nothing but the
                // store.
                if (!value.isObject() && !value.isArray() && !target.isArray() && !target.isObject()) {
                    if (own)
                        target = std::move(slot(step->b));
                    else
                        target = value;
                    NEXT_STEP;
                }
                assignCompiled(*static_cast<const AssignStmt*>(step->node), frame,
                               own ? std::move(slot(step->b)) : Value(value));
                runPendingTerminates();
                NEXT_STEP;
            }
            case Op::Return: stepReturn:
            case Op::EndArgument: stepEndArgument: return;
            // Every step is one of the above: no test of the range before the jump.
            default: __builtin_unreachable();
            }
        }
#undef NEXT_STEP
    } catch (...) {
        // The outermost run of the body sees the error last: its step names the statement.
        activation.failedAt = pc - 1;
        if (start != 0)
            throw; // argument code, run from the step of the call it belongs to
        // What the failed statement held in its registers goes with it, and what it let go of
        // is done with (Class_Terminate) before the error leaves the body, as the tree
        // interpreter's temporaries go; the error it ended with is the one the script sees.
        try {
            for (std::size_t r = static_cast<std::size_t>(code.firstRegister); r < frame.slots.size(); ++r)
                *frame.slots[r].value = Value();
            runPendingTerminates();
        } catch (...) {
        }
        throwPlaced(activation);
    }
}
#pragma GCC diagnostic pop

// Points each alias slot at its script variable as the script level stands now, noting which
// names are variables. Once a name is a variable it stays that variable until the level is
// reset (names are only ever added), so a slot bound here stays right until the epoch moves on.
void Interpreter::bindAliases(Activation& activation)
{
    Frame& frame = activation.frame;
    std::uint64_t bound = 0;
    for (std::size_t index = 0; index < activation.code.aliases.size(); ++index) {
        const GlobalAlias& alias = activation.code.aliases[index];
        FrameSlot& slot = frame.slots[static_cast<std::size_t>(alias.slot)];
        slot.value = &slot.own;
        if (alias.implicitSlot >= 0 && frame.slots[static_cast<std::size_t>(alias.implicitSlot)].live)
            continue;
        const GlobalBinding& binding = globalBinding(frame.instance, alias.binding);
        if (binding.kind != BindingKind::Variable || (alias.written && binding.variable->constant))
            continue;
        slot.value = &binding.variable->value;
        bound |= std::uint64_t{1} << index;
    }
    activation.boundAliases = bound;
    activation.aliasEpoch = m_globals.epoch();
}

// A binary step whose operands are not both plain numbers, or whose result the full rules
// must work out (an overflow, a division by zero): its registers are let go once used.
void Interpreter::binaryByTheRules(Activation& activation, const Instruction& step)
{
    Frame& frame = activation.frame;
    const Code& code = activation.code;
    Value result = applyBinary(step.binary, operandValue(activation, step.b), operandValue(activation, step.c),
                               OperandForm{step.leftLiteral}, OperandForm{step.rightLiteral});
    for (const Operand used : {step.b, step.c})
        if (used >= code.firstRegister)
            frame.at(used) = Value();
    frame.at(step.a) = std::move(result);
    runPendingTerminates();
}

// The script variable a name not local to the frame stands for, as bound already; nullptr
// when the full rules must look (a name not bound yet, or not a variable).
[[gnu::always_inline]] inline const Value* Interpreter::boundVariable(const NameExpr& name, Frame& frame) const
{
    if (name.ref.scope != NameScope::Global)
        return name.ref.scope == NameScope::Field ? &frame.self->field(name.ref.slot) : nullptr;
    const int implicit = name.ref.implicitSlot;
    if (implicit >= 0 && frame.slots[static_cast<std::size_t>(implicit)].live)
        return nullptr;
    const GlobalBinding& binding = frame.instance.bindings[static_cast<std::size_t>(name.ref.slot)];
    if (binding.epoch != m_globals.epoch() || binding.kind != BindingKind::Variable)
        return nullptr;
    return &binding.variable->value;
}

// The object a name stands for when it names an object the host added (ThisGuy, Game), as
// bound already; nullptr otherwise. Such objects stay in place while a script runs, so they
// are used where they are, not copied.
[[gnu::always_inline]] inline const Value* Interpreter::boundItem(const NameExpr& name, Frame& frame) const
{
    if (name.ref.scope != NameScope::Global)
        return nullptr;
    const int implicit = name.ref.implicitSlot;
    if (implicit >= 0 && frame.slots[static_cast<std::size_t>(implicit)].live)
        return nullptr;
    const GlobalBinding& binding = frame.instance.bindings[static_cast<std::size_t>(name.ref.slot)];
    if (binding.epoch != m_globals.epoch() || binding.kind != BindingKind::Item)
        return nullptr;
    return &m_globals.items()[binding.item].value;
}

// The variable an assignment writes when it is a declared local, a variable of the instance a
// class's procedure runs for, or a script variable bound as such; nullptr for anything that
// needs the full rules (constants, names yet to be made, host members, properties).
Value* Interpreter::plainVariable(const AssignStmt& statement, Frame& frame)
{
    const auto& name = static_cast<const NameExpr&>(*statement.target);
    if (name.ref.scope == NameScope::Local)
        return name.ref.constant ? nullptr : &frame.at(name.ref.slot);
    if (name.ref.scope != NameScope::Global)
        return name.ref.scope == NameScope::Field ? &frame.self->field(name.ref.slot) : nullptr;
    if (name.ref.implicitSlot >= 0)
        return nullptr;
    const GlobalBinding& binding = frame.instance.bindings[static_cast<std::size_t>(name.ref.slot)];
    if (binding.epoch != m_globals.epoch() || binding.kind != BindingKind::Variable || binding.variable->constant)
        return nullptr;
    return &binding.variable->value;
}

// name = value from compiled code: the value is made plain (or checked to be an object for
// Set) and stored as the tree interpreter stores it.
void Interpreter::assignCompiled(const AssignStmt& statement, Frame& frame, Value value)
{
    value = plainValue(std::move(value), statement.isSet);
    const auto& name = static_cast<const NameExpr&>(*statement.target);
    if (name.ref.scope == NameScope::Local && !name.ref.constant) {
        storeInto(frame.at(name.ref.slot), std::move(value));
        return;
    }
    assignName(name, frame, std::move(value));
}

Value Interpreter::argumentValue(Activation& activation, std::int32_t index)
{
    Value value;
    argumentInto(activation, index, value);
    return value;
}

// An argument's value, written into target, which holds nothing the argument's code reads (a
// fresh slot of the callee, or a value of the caller's own).
void Interpreter::argumentInto(Activation& activation, std::int32_t index, Value& target)
{
    const Code& code = activation.code;
    const ArgumentCode& argument = code.arguments[static_cast<std::size_t>(index)];
    // A constant or a local has no steps to run; a script variable is read, and a sum of
    // numbers such as n - 1 worked out, on the spot.
    const Instruction& first = code.instructions[static_cast<std::size_t>(argument.start)];
    if (first.op != Op::EndArgument) {
        const bool single = code.instructions[static_cast<std::size_t>(argument.start) + 1].op == Op::EndArgument;
        if (single && first.op == Op::ReadName) {
            if (const Value* variable = boundVariable(*static_cast<const NameExpr*>(first.node), activation.frame)) {
                target = *variable;
                return;
            }
        } else if (single && first.op >= Op::Add && first.op <= Op::GreaterEqual &&
                   fast::tryBinary(first.binary, operandValue(activation, first.b),
                                   operandValue(activation, first.c), target)) {
            return;
        }
        runFrom(activation, argument.start);
    }
    if (isConstant(argument.result)) {
        target = code.constants[static_cast<std::size_t>(constantIndex(argument.result))];
        return;
    }
    Value& value = activation.frame.at(argument.result);
    if (argument.result >= code.firstRegister)
        target = std::move(value);
    else
        target = value;
}

// name(args) and name args: a script procedure gets its arguments bound one by one, so a ByRef
// argument is the variable itself; built-ins and host members get the values. Anything rarer
// takes the tree interpreter's way.
Value Interpreter::callCompiled(Activation& activation, const Instruction& instruction)
{
    const bool isStatement = instruction.c == 1;
    const Expr* callee = nullptr;
    const std::vector<ExprPtr>* args = nullptr;
    if (isStatement) {
        const auto& statement = *static_cast<const CallStmt*>(instruction.node);
        callee = statement.callee.get();
        args = &statement.args;
    } else {
        if (m_stack.exhausted())
            throw ScriptError::runtime(ErrorCode::OutOfStackSpace);
        const auto& expression = *static_cast<const CallExpr*>(instruction.node);
        callee = expression.callee.get();
        args = &expression.args;
    }
    const auto& name = static_cast<const NameExpr&>(*callee);
    const InvokeKind kind = isStatement ? InvokeKind::Call : InvokeKind::Get;
    Frame& frame = activation.frame;
    // The commonest call of all, a script procedure bound already, goes straight to it.
    if (name.ref.scope == NameScope::Global &&
        (name.ref.implicitSlot < 0 || !frame.slots[static_cast<std::size_t>(name.ref.implicitSlot)].live)) {
        const GlobalBinding& bound = frame.instance.bindings[static_cast<std::size_t>(name.ref.slot)];
        if (bound.epoch == m_globals.epoch() && bound.kind == BindingKind::Procedure) {
            const ProcedureEntry entry = bound.procedure;
            return callScriptCompiled(entry, *args, activation, instruction.b);
        }
    }
    const GlobalBinding* binding = nullptr;
    if (const Value* variable = existingVariable(name, frame, &binding)) {
        const ArgumentValues values(*this, activation, instruction.b, args->size());
        if (variable->isArray())
            return readElement(*variable->asArray(), values);
        const std::span<const Value> given = values;
        return callValue(*variable, std::vector<Value>(given.begin(), given.end()), kind);
    }
    switch (binding->kind) {
    case BindingKind::Procedure: {
        const ProcedureEntry entry = binding->procedure;
        return callScriptCompiled(entry, *args, activation, instruction.b);
    }
    case BindingKind::Builtin: {
        const BuiltinEntry& builtin = *binding->builtin;
        Value result = invokeBuiltin(builtin, ArgumentValues(*this, activation, instruction.b, args->size()));
        if (isStatement && isConversionFunction(builtin))
            throw ScriptError::runtime(ErrorCode::UnsupportedAutomationType);
        return result;
    }
    case BindingKind::HostMember: {
        const GlobalBinding member = *binding;
        return invokeItemMember(member, kind, ArgumentValues(*this, activation, instruction.b, args->size()));
    }
    default: return callName(name, *args, frame, kind);
    }
}

// name.member args: the object is read first, then the arguments, as the tree interpreter does.
Value Interpreter::callMemberCompiled(Activation& activation, const Instruction& instruction)
{
    const bool isStatement = instruction.c == 1;
    const Expr* callee = nullptr;
    std::size_t count = 0;
    if (isStatement) {
        const auto& statement = *static_cast<const CallStmt*>(instruction.node);
        callee = statement.callee.get();
        count = statement.args.size();
    } else {
        if (m_stack.exhausted())
            throw ScriptError::runtime(ErrorCode::OutOfStackSpace);
        const auto& expression = *static_cast<const CallExpr*>(instruction.node);
        callee = expression.callee.get();
        count = expression.args.size();
    }
    const auto& member = static_cast<const MemberExpr&>(*callee);
    const auto& name = static_cast<const NameExpr&>(*member.object);
    const InvokeKind kind = isStatement ? InvokeKind::Call : InvokeKind::Get;
    if (const Value* item = boundItem(name, activation.frame))
        return invokeMember(*item, member.name, member.cache, kind,
                            ArgumentValues(*this, activation, instruction.b, count));
    const Value target = readName(name, activation.frame);
    // A procedure of a script class takes its arguments by reference, as the tree binds them.
    if (ClassInstance* instance = scriptInstanceOf(target)) {
        const std::vector<ExprPtr>& args = isStatement ? static_cast<const CallStmt*>(instruction.node)->args
                                                       : static_cast<const CallExpr*>(instruction.node)->args;
        return callInstanceMember(*instance, memberOf(target, member.name, member.cache), kind, args,
                                  activation.frame);
    }
    return invokeMember(target, member.name, member.cache, kind,
                        ArgumentValues(*this, activation, instruction.b, count));
}

// name(i, j) = value from compiled code: the name is looked up (and made a variable when it is
// new), then the indices and the value are evaluated, as the tree interpreter does.
void Interpreter::assignIndexedCompiled(Activation& activation, const Instruction& instruction)
{
    const auto& statement = *static_cast<const AssignStmt*>(instruction.node);
    const auto& target = static_cast<const CallExpr&>(*statement.target);
    const auto& name = static_cast<const NameExpr&>(*target.callee);
    Frame& frame = activation.frame;
    const GlobalBinding* binding = nullptr;
    Value* variable = indexedVariable(name, frame, &binding);
    const ArgumentValues indices(*this, activation, instruction.b, static_cast<std::size_t>(instruction.c));
    Value value = plainValue(argumentValue(activation, instruction.b + instruction.c), statement.isSet);
    storeIndexed(variable, binding, indices, std::move(value));
}

// An append from compiled code: in place where it can be, else as the plain assignment.
void Interpreter::appendCompiled(Activation& activation, const Instruction& instruction)
{
    const auto& statement = *static_cast<const AssignStmt*>(instruction.node);
    const CompiledTail tail{activation, instruction.b};
    Frame& frame = activation.frame;
    if (statement.target->kind == ExprKind::Name) {
        if (!appendToVariable(statement, frame, &tail))
            assignName(static_cast<const NameExpr&>(*statement.target), frame,
                       plainValue(*statement.value, frame, statement.isSet));
        return;
    }
    if (!appendToMember(statement, frame, &tail))
        assignMember(*statement.target, frame, plainValue(*statement.value, frame, statement.isSet));
}

Value Interpreter::callScriptCompiled(const ProcedureEntry& entry, const std::vector<ExprPtr>& args,
                                      Activation& caller, std::int32_t first)
{
    const Procedure& procedure = *entry.procedure;
    if (args.size() != procedure.params.size())
        throw ScriptError::runtime(ErrorCode::WrongArgumentCount);
    Frame frame(m_slots, *entry.instance, &procedure, procedure.slotCount);
    ArrayLocks locks(*this);
    for (std::size_t i = 0; i < args.size(); ++i) {
        const Expr& argument = *args[i];
        // Only a variable or an element can be passed by reference; anything else is a copy.
        const bool named = argument.kind == ExprKind::Name || argument.kind == ExprKind::Call;
        if (named && !procedure.params[i].byVal && !argument.parenthesized) {
            if (Value* reference = argumentReference(argument, caller.frame, locks)) {
                frame.slots[i].value = reference;
                continue;
            }
        }
        Value& own = frame.slots[i].own;
        argumentInto(caller, first + static_cast<std::int32_t>(i), own);
        // An array still locked by a ByRef element is given to the callee as a copy.
        if (own.isArray() && locked(own.asArray().get()))
            own = Value::array(std::make_shared<Array>(*own.asArray()));
    }
    return invokeFrame(frame);
}

Interpreter::ArgumentValues::ArgumentValues(Interpreter& interpreter, Activation& activation, std::int32_t first,
                                            std::size_t count)
{
    if (count > Inline) {
        m_spilled.reserve(count);
        for (std::size_t i = 0; i < count; ++i)
            m_spilled.push_back(interpreter.argumentValue(activation, first + static_cast<std::int32_t>(i)));
        m_values = m_spilled.data();
        m_count = count;
        return;
    }
    for (std::size_t i = 0; i < count; ++i)
        m_inline[m_count++] = interpreter.argumentValue(activation, first + static_cast<std::int32_t>(i));
}

} // namespace kestrelon::vbs
