// Evaluating expressions: literals, names, members of objects, calls and indexing, and the
// operators (no short cut: both operands are always evaluated, as the script engine does).
#include "vbscript/exec/Interpreter.h"

#include "vbscript/exec/ClassInstance.h"

#include "vbscript/values/Coercion.h"
#include "vbscript/operators/FastOperators.h"

namespace kestrelon::vbs {

// An instance let go of while an expression is worked out (a temporary, a procedure's local)
// runs its Class_Terminate as soon as that part is done, as compiled code does after each step.
Value Interpreter::evaluate(const Expr& expression, Frame& frame)
{
    if (expression.kind == ExprKind::Literal)
        return static_cast<const LiteralExpr&>(expression).value;
    Value value = evaluateAny(expression, frame);
    runPendingTerminates();
    return value;
}

Value Interpreter::evaluateAny(const Expr& expression, Frame& frame)
{
    switch (expression.kind) {
    case ExprKind::Literal: return static_cast<const LiteralExpr&>(expression).value;
    case ExprKind::Name: return readName(static_cast<const NameExpr&>(expression), frame);
    case ExprKind::Member: return evaluateMember(static_cast<const MemberExpr&>(expression), frame);
    case ExprKind::WithMember: {
        const auto& member = static_cast<const WithMemberExpr&>(expression);
        return invokeMember(withObject(member.withSlot, frame), member.name, member.cache, InvokeKind::Get, {});
    }
    case ExprKind::Call: return evaluateCall(static_cast<const CallExpr&>(expression), frame);
    case ExprKind::Unary: {
        const auto& unary = static_cast<const UnaryExpr&>(expression);
        return applyUnary(unary.op, evaluate(*unary.operand, frame));
    }
    case ExprKind::Binary: return evaluateBinary(static_cast<const BinaryExpr&>(expression), frame);
    case ExprKind::Is: return evaluateIs(static_cast<const BinaryExpr&>(expression), frame);
    case ExprKind::New: return newInstance(static_cast<const NewExpr&>(expression), frame);
    case ExprKind::Me: return Value::object(frame.self);
    }
    throw ScriptError::runtime(ErrorCode::InternalError);
}

Value Interpreter::evaluateBinary(const BinaryExpr& expression, Frame& frame)
{
    if (m_stack.exhausted())
        throw ScriptError::runtime(ErrorCode::OutOfStackSpace);
    const Value left = evaluate(*expression.left, frame);
    const Value right = evaluate(*expression.right, frame);
    Value result;
    if (fast::tryBinary(expression.op, left, right, result))
        return result;
    return applyBinary(expression.op, left, right, OperandForm{isLiteral(*expression.left)},
                       OperandForm{isLiteral(*expression.right)});
}

// a Is b: the same object (or both Nothing); anything but objects is "Object required".
Value Interpreter::evaluateIs(const BinaryExpr& expression, Frame& frame)
{
    const Value left = evaluate(*expression.left, frame);
    const Value right = evaluate(*expression.right, frame);
    if (!left.isObject() || !right.isObject())
        throw ScriptError::runtime(ErrorCode::ObjectRequired);
    return Value::boolean(left.asObject() == right.asObject());
}

Value Interpreter::evaluateCall(const CallExpr& expression, Frame& frame)
{
    if (m_stack.exhausted())
        throw ScriptError::runtime(ErrorCode::OutOfStackSpace);
    return callCallee(*expression.callee, expression.args, frame, InvokeKind::Get);
}

Value Interpreter::evaluateMember(const MemberExpr& expression, Frame& frame)
{
    const Value target = evaluate(*expression.object, frame);
    return invokeMember(target, expression.name, expression.cache, InvokeKind::Get, {});
}

// The object of the innermost With; ".name" outside any With is an unqualified reference.
Value Interpreter::withObject(int slot, Frame& frame)
{
    if (slot < 0)
        throw ScriptError::runtime(ErrorCode::InvalidReference);
    return frame.at(slot);
}

std::vector<Value> Interpreter::evaluateArguments(const std::vector<ExprPtr>& args, Frame& frame)
{
    std::vector<Value> values;
    values.reserve(args.size());
    for (const auto& argument : args)
        values.push_back(evaluate(*argument, frame));
    return values;
}

Interpreter::ArgumentValues::ArgumentValues(Interpreter& interpreter, const std::vector<ExprPtr>& args, Frame& frame)
{
    if (args.size() > Inline) {
        m_spilled = interpreter.evaluateArguments(args, frame);
        m_values = m_spilled.data();
        m_count = m_spilled.size();
        return;
    }
    for (const auto& argument : args)
        m_inline[m_count++] = interpreter.evaluate(*argument, frame);
}

// The value an assignment stores: with Set an object (or Nothing), otherwise a plain value,
// an object giving its default member.
Value Interpreter::plainValue(const Expr& expression, Frame& frame, bool isSet)
{
    return plainValue(evaluate(expression, frame), isSet);
}

Value Interpreter::plainValue(Value value, bool isSet)
{
    if (isSet) {
        if (!value.isObject())
            throw ScriptError::runtime(ErrorCode::ObjectRequired);
        return value;
    }
    // Returned as it is, not through a conditional expression, which would copy it.
    if (value.isObject())
        return toPlainValue(value);
    return value;
}

// Numbers, strings and dates written in the source (in parentheses too) compare by the
// literal rules; True, False, Empty, Null and everything computed do not.
bool Interpreter::isLiteral(const Expr& expression)
{
    return expression.kind == ExprKind::Literal && static_cast<const LiteralExpr&>(expression).literalForm;
}

} // namespace kestrelon::vbs
