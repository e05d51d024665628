// Running statements. Under On Error Resume Next an error ends only its own statement and the
// script goes on with the next one, wherever that lies: an error in an If condition enters the
// Then block, in a Do While condition the loop body, in a Case item that Case's body; an error
// in the bounds of a For loop runs the body once and then fails the Next.
#include "vbscript/exec/Interpreter.h"

#include "vbscript/values/Array.h"
#include "vbscript/values/Coercion.h"
#include "vbscript/operators/FastOperators.h"

#include <memory>
#include <new>
#include <optional>
#include <stdexcept>
#include <vector>

namespace kestrelon::vbs {
namespace {

// What a For Each walks: an array, held so that the walk sees it as it was even when the body
// assigns the variable that holds it, or the snapshot of a host collection's elements.
class ForEachElements {
public:
    ForEachElements() = default;
    explicit ForEachElements(const Value& source)
    {
        if (source.isArray()) {
            m_array = source.asArray();
            return;
        }
        if (source.isObject() && !source.isNothing())
            m_snapshot = source.asObject()->elements();
        if (!m_snapshot)
            throw ScriptError::runtime(ErrorCode::NotACollection);
    }

    bool isHostCollection() const { return m_snapshot.has_value(); }
    size_t size() const { return m_array ? m_array->size() : m_snapshot->size(); }
    const Value& operator[](size_t i) const { return m_array ? m_array->elements()[i] : (*m_snapshot)[i]; }

private:
    std::shared_ptr<Array> m_array;
    std::optional<std::vector<Value>> m_snapshot;
};

} // namespace

// The bounds and step of a For loop are numbers: text is read as a Double and Empty as 0.
Value Interpreter::loopNumber(const Value& value)
{
    if (value.isObject())
        return loopNumber(toPlainValue(value));
    if (value.isEmpty())
        return Value::integer(0);
    if (value.isString())
        return Value::doubleValue(toDouble(value));
    if (value.isNumber())
        return value;
    toDouble(value);
    throw ScriptError::runtime(ErrorCode::TypeMismatch);
}

Interpreter::Flow Interpreter::executeBlock(const Block& block, Frame& frame)
{
    if (m_stack.exhausted())
        throw ScriptError::runtime(ErrorCode::OutOfStackSpace);
    for (const StmtPtr& statement : block) {
        try {
            // Every statement counts towards the time limit: a long run of statements, each
            // calling something slow, is checked as a loop would be.
            m_clock.tick();
            const Flow flow = execute(*statement, frame);
            runPendingTerminates();
            if (flow != Flow::Normal)
                return flow;
        } catch (ScriptError& error) {
            runPendingTerminates();
            error.setPositionIfUnknown(statement->pos.line, statement->pos.column);
            if (!canResume(frame))
                throw;
            m_err->record(error);
        } catch (const std::bad_alloc&) {
            ScriptError error = ScriptError::runtime(ErrorCode::OutOfMemory);
            recordResumed(error, frame, statement->pos);
        } catch (const std::length_error&) {
            ScriptError error = ScriptError::runtime(ErrorCode::OutOfMemory);
            recordResumed(error, frame, statement->pos);
        }
    }
    return Flow::Normal;
}

Interpreter::Flow Interpreter::execute(const Stmt& statement, Frame& frame)
{
    switch (statement.kind) {
    case StmtKind::Assign: executeAssign(static_cast<const AssignStmt&>(statement), frame); break;
    case StmtKind::Call: executeCall(static_cast<const CallStmt&>(statement), frame); break;
    case StmtKind::ReDim: executeReDim(static_cast<const ReDimStmt&>(statement), frame); break;
    case StmtKind::Erase: executeErase(static_cast<const EraseStmt&>(statement), frame); break;
    case StmtKind::If: return executeIf(static_cast<const IfStmt&>(statement), frame);
    case StmtKind::Select: return executeSelect(static_cast<const SelectStmt&>(statement), frame);
    case StmtKind::For: return executeFor(static_cast<const ForStmt&>(statement), frame);
    case StmtKind::ForEach: return executeForEach(static_cast<const ForEachStmt&>(statement), frame);
    case StmtKind::Do: return executeDo(static_cast<const DoStmt&>(statement), frame);
    case StmtKind::With: return executeWith(static_cast<const WithStmt&>(statement), frame);
    case StmtKind::Exit:
        switch (static_cast<const ExitStmt&>(statement).what) {
        case ExitKind::Do: return Flow::ExitDo;
        case ExitKind::For: return Flow::ExitFor;
        default: return Flow::ExitProcedure;
        }
    case StmtKind::OnError:
        frame.resumeNext = static_cast<const OnErrorStmt&>(statement).resumeNext;
        m_err->clear();
        break;
    case StmtKind::Declaration: break;
    }
    return Flow::Normal;
}

// A script that ran past its time limit is stopped whatever its error handling says.
bool Interpreter::canResume(const Frame& frame) const
{
    return frame.resumeNext && !m_clock.expired();
}

void Interpreter::recordResumed(ScriptError& error, const Frame& frame, SourcePos pos)
{
    error.setPositionIfUnknown(pos.line, pos.column);
    if (!canResume(frame))
        throw error;
    m_err->record(error);
}

// The truth of a condition; nullopt when evaluating it raised an error that was resumed.
std::optional<bool> Interpreter::testCondition(const Expr& condition, Frame& frame, SourcePos pos)
{
    try {
        return isTrue(evaluate(condition, frame));
    } catch (ScriptError& error) {
        recordResumed(error, frame, pos);
        return std::nullopt;
    }
}

void Interpreter::executeAssign(const AssignStmt& statement, Frame& frame)
{
    const Expr& target = *statement.target;
    switch (target.kind) {
    case ExprKind::Name:
        if (isSelfAppend(statement) && appendToVariable(statement, frame))
            break;
        assignName(static_cast<const NameExpr&>(target), frame, plainValue(*statement.value, frame, statement.isSet));
        break;
    case ExprKind::Call:
        assignIndexed(static_cast<const CallExpr&>(target), frame, *statement.value, statement.isSet);
        break;
    default:
        if (isSelfAppend(statement) && appendToMember(statement, frame))
            break;
        assignMember(target, frame, plainValue(*statement.value, frame, statement.isSet));
        break;
    }
}

void Interpreter::executeCall(const CallStmt& statement, Frame& frame)
{
    callCallee(*statement.callee, statement.args, frame, InvokeKind::Call);
}

Interpreter::Flow Interpreter::executeIf(const IfStmt& statement, Frame& frame)
{
    for (const auto& branch : statement.branches) {
        if (testCondition(*branch.condition, frame, statement.pos).value_or(true))
            return executeBlock(branch.body, frame);
    }
    return executeBlock(statement.elseBody, frame);
}

// The selector is evaluated once; items are tried in order with the "=" rules and the first
// match runs. An item that fails to evaluate under Resume Next runs its own Case.
Interpreter::Flow Interpreter::executeSelect(const SelectStmt& statement, Frame& frame)
{
    const Value selector = evaluate(*statement.selector, frame);
    for (const auto& branch : statement.cases) {
        for (const auto& item : branch.items) {
            Value value;
            try {
                value = evaluate(*item, frame);
            } catch (ScriptError& error) {
                recordResumed(error, frame, branch.pos);
                return executeBlock(branch.body, frame);
            }
            if (caseMatches(selector, value, OperandForm{isLiteral(*item)}))
                return executeBlock(branch.body, frame);
        }
    }
    return statement.hasElse ? executeBlock(statement.elseBody, frame) : Flow::Normal;
}

// A loop's own Exit ends the loop; any other Exit passes on to the construct it belongs to.
Interpreter::Flow Interpreter::loopExit(Flow flow, Flow ownExit)
{
    return flow == ownExit ? Flow::Normal : flow;
}

// The bounds of a For or the collection of a For Each failed under Resume Next: the body runs
// once, then the Next fails with the loop's own error.
Interpreter::Flow Interpreter::runFailedLoopOnce(const Block& body, Frame& frame, ErrorCode errorAtNext)
{
    const Flow flow = executeBlock(body, frame);
    if (flow != Flow::Normal)
        return loopExit(flow, Flow::ExitFor);
    throw ScriptError::runtime(errorAtNext);
}

// For counter = from To to Step step: the bounds are evaluated once, in that order, as numbers;
// the loop runs while the counter has not passed the end in the step's direction.
Interpreter::Flow Interpreter::executeFor(const ForStmt& statement, Frame& frame)
{
    Value* counter = variableOf(*statement.counter, frame);
    if (!counter)
        throw ScriptError::runtime(ErrorCode::IllegalAssignment);
    Value from;
    Value step = Value::integer(1);
    double end = 0;
    try {
        from = loopNumber(evaluate(*statement.from, frame));
        end = toDouble(loopNumber(evaluate(*statement.to, frame)));
        if (statement.step)
            step = loopNumber(evaluate(*statement.step, frame));
    } catch (ScriptError& error) {
        recordResumed(error, frame, statement.pos);
        return runFailedLoopOnce(statement.body, frame, ErrorCode::ForLoopNotInitialized);
    }
    *counter = std::move(from);
    return runForBody(statement, frame, *counter, step, end);
}

Interpreter::Flow Interpreter::runForBody(const ForStmt& statement, Frame& frame, Value& counter, const Value& step,
                                          double end)
{
    const bool upwards = toDouble(step) >= 0;
    while (true) {
        const double position = toDouble(counter);
        if (upwards ? position > end : position < end)
            return Flow::Normal;
        const Flow flow = executeBlock(statement.body, frame);
        if (flow != Flow::Normal)
            return loopExit(flow, Flow::ExitFor);
        m_clock.tick();
        Value next;
        if (!fast::tryBinary(BinaryOp::Add, counter, step, next))
            next = applyBinary(BinaryOp::Add, counter, step);
        counter = std::move(next);
    }
}

// For Each walks an array in storage order, or a host collection in its own order, over a
// snapshot of either; anything else is "Object not a collection" (451). After a walk over a
// host collection runs to its end the variable is Empty, as the Windows engine leaves it; after
// Exit For it keeps the element it held.
Interpreter::Flow Interpreter::executeForEach(const ForEachStmt& statement, Frame& frame)
{
    Value* variable = variableOf(*statement.variable, frame);
    if (!variable)
        throw ScriptError::runtime(ErrorCode::IllegalAssignment);
    ForEachElements walk;
    try {
        walk = ForEachElements(evaluate(*statement.collection, frame));
    } catch (ScriptError& error) {
        recordResumed(error, frame, statement.pos);
        return runFailedLoopOnce(statement.body, frame, ErrorCode::NotACollection);
    }
    for (size_t i = 0; i < walk.size(); ++i) {
        *variable = walk[i];
        const Flow flow = executeBlock(statement.body, frame);
        if (flow != Flow::Normal)
            return loopExit(flow, Flow::ExitFor);
        m_clock.tick();
    }
    if (walk.isHostCollection())
        *variable = Value();
    return Flow::Normal;
}

// Do and While loops. A condition that fails under Resume Next at the top enters the body, at
// the bottom leaves the loop: the next statement is taken either way.
Interpreter::Flow Interpreter::executeDo(const DoStmt& statement, Frame& frame)
{
    using Test = DoStmt::Test;
    const Flow ownExit = statement.isWhileWend ? Flow::Normal : Flow::ExitDo;
    while (true) {
        if (statement.test == Test::WhileBefore || statement.test == Test::UntilBefore) {
            const auto holds = testCondition(*statement.condition, frame, statement.pos);
            if (holds && *holds != (statement.test == Test::WhileBefore))
                return Flow::Normal;
        }
        const Flow flow = executeBlock(statement.body, frame);
        if (flow != Flow::Normal)
            return loopExit(flow, ownExit);
        m_clock.tick();
        if (statement.test == Test::WhileAfter || statement.test == Test::UntilAfter) {
            const auto holds = testCondition(*statement.condition, frame, statement.pos);
            if (!holds || *holds != (statement.test == Test::WhileAfter))
                return Flow::Normal;
        }
    }
}

// With evaluates its object once; inside, ".name" is a member of it.
Interpreter::Flow Interpreter::executeWith(const WithStmt& statement, Frame& frame)
{
    Value object;
    try {
        object = evaluate(*statement.object, frame);
    } catch (ScriptError& error) {
        recordResumed(error, frame, statement.pos);
    }
    frame.at(statement.slot) = std::move(object);
    const Flow flow = executeBlock(statement.body, frame);
    frame.at(statement.slot) = Value();
    return flow;
}

} // namespace kestrelon::vbs
