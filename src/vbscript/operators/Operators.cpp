// The entry points of the operators: objects give their default value first, Null propagates,
// and each operator goes to its family (arithmetic, comparison, logical) or joins text.
#include "vbscript/operators/Operators.h"

#include "vbscript/values/Coercion.h"
#include "vbscript/values/Limits.h"
#include "vbscript/operators/OperatorParts.h"
#include "vbscript/values/ScriptError.h"

namespace kestrelon::vbs {
namespace {

// The operand itself, or an object's default value kept in holder: plain operands are not copied.
const Value& plain(const Value& operand, Value& holder)
{
    if (!operand.isObject())
        return operand;
    holder = toPlainValue(operand);
    return holder;
}

// The text of an operand of "&": a text as it is, anything else converted into holder.
TextView concatenated(const Value& operand, Text& holder)
{
    if (operand.isString())
        return operand.asString();
    holder = toConcatString(operand);
    return holder;
}

// The joined text is made at its full length at once: most joins in a battle script are of a
// few short pieces, and growing a copy of the first would take the heap twice.
Value concatenate(const Value& left, const Value& right)
{
    if (left.isNull() && right.isNull())
        return Value::null();
    Text leftHolder, rightHolder;
    const TextView leftText = concatenated(left, leftHolder);
    const TextView rightText = concatenated(right, rightHolder);
    const std::size_t length = leftText.size() + rightText.size();
    requireStringLength(length);
    addScriptWork(length);
    return Value::string(joinText(leftText, rightText));
}

Value comparison(BinaryOp op, const Value& left, const Value& right, OperandForm leftForm, OperandForm rightForm)
{
    const auto order = operators::compare(left, right, leftForm, rightForm);
    if (!order)
        return Value::null();
    switch (op) {
    case BinaryOp::Equal: return Value::boolean(*order == 0);
    case BinaryOp::NotEqual: return Value::boolean(*order != 0);
    case BinaryOp::Less: return Value::boolean(*order < 0);
    case BinaryOp::Greater: return Value::boolean(*order > 0);
    case BinaryOp::LessEqual: return Value::boolean(*order <= 0);
    default: return Value::boolean(*order >= 0);
    }
}

Value arithmetic(BinaryOp op, const Value& left, const Value& right)
{
    // Arrays are refused even beside Null; otherwise Null makes the result Null.
    if (left.isArray() || right.isArray())
        throw ScriptError::runtime(ErrorCode::TypeMismatch);
    if (left.isNull() || right.isNull())
        return Value::null();
    switch (op) {
    case BinaryOp::Add: return operators::add(left, right);
    case BinaryOp::Subtract: return operators::subtract(left, right);
    case BinaryOp::Multiply: return operators::multiply(left, right);
    case BinaryOp::Divide: return operators::divide(left, right);
    case BinaryOp::IntegerDivide: return operators::integerDivide(left, right);
    case BinaryOp::Modulo: return operators::modulo(left, right);
    default: return operators::power(left, right);
    }
}

} // namespace

Value applyBinary(BinaryOp op, const Value& left, const Value& right, OperandForm leftForm, OperandForm rightForm)
{
    // Objects take part through their default values.
    if (left.isObject() || right.isObject()) {
        Value leftHolder, rightHolder;
        return applyBinary(op, plain(left, leftHolder), plain(right, rightHolder), leftForm, rightForm);
    }
    const Value& l = left;
    const Value& r = right;
    switch (op) {
    case BinaryOp::Concatenate: return concatenate(l, r);
    case BinaryOp::Equal:
    case BinaryOp::NotEqual:
    case BinaryOp::Less:
    case BinaryOp::Greater:
    case BinaryOp::LessEqual:
    case BinaryOp::GreaterEqual: return comparison(op, l, r, leftForm, rightForm);
    case BinaryOp::And:
    case BinaryOp::Or:
    case BinaryOp::Xor:
    case BinaryOp::Eqv:
    case BinaryOp::Imp: return operators::logical(op, l, r);
    default: return arithmetic(op, l, r);
    }
}

Value applyUnary(UnaryOp op, const Value& operand)
{
    // Unary plus changes nothing, not even an object into its default value.
    if (op == UnaryOp::Plus)
        return operand;
    Value holder;
    const Value& value = plain(operand, holder);
    if (op == UnaryOp::Not)
        return operators::logicalNot(value);
    if (value.isArray())
        throw ScriptError::runtime(ErrorCode::TypeMismatch);
    if (value.isNull())
        return Value::null();
    return operators::negate(value);
}

bool isTrue(const Value& condition)
{
    Value holder;
    const Value& value = plain(condition, holder);
    if (value.isNull() || value.isEmpty())
        return false;
    return toBoolean(value);
}

bool caseMatches(const Value& selector, const Value& item, OperandForm itemForm)
{
    try {
        const Value result = applyBinary(BinaryOp::Equal, selector, item, {}, itemForm);
        return result.isBoolean() && result.asBoolean();
    } catch (const ScriptError& error) {
        // A Case item that cannot be compared with the selector is simply no match.
        if (error.number() == 13)
            return false;
        throw;
    }
}

} // namespace kestrelon::vbs
