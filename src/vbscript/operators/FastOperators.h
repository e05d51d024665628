// The operators' common cases done inline: Integer and Long with each other, and Double with
// Double, Integer or Long. Every case gives exactly what the full rules in Operators.cpp give;
// anything else, and every case that would raise an error, is left to those rules.
#pragma once

#include "vbscript/operators/Operators.h"
#include "vbscript/values/Value.h"

#include <cmath>
#include <cstdint>
#include <limits>

namespace kestrelon::vbs::fast {

inline bool isIntegerOrLong(const Value& v)
{
    return v.type() == VarType::Long || v.type() == VarType::Integer;
}

inline std::int64_t whole(const Value& v)
{
    return v.type() == VarType::Long ? v.asLong() : v.asInteger();
}

// A whole result in Integer when both operands were Integer and it fits, else in Long, else
// in Double: the way a whole-number result moves up when it overflows.
inline void fit(std::int64_t result, bool eitherLong, Value& into)
{
    if (!eitherLong && result >= -32768 && result <= 32767)
        into.setInteger(static_cast<std::int16_t>(result));
    else if (result >= std::numeric_limits<std::int32_t>::min() && result <= std::numeric_limits<std::int32_t>::max())
        into.setLong(static_cast<std::int32_t>(result));
    else
        into.setDouble(static_cast<double>(result));
}

template <typename T>
inline bool compared(BinaryOp op, T l, T r)
{
    switch (op) {
    case BinaryOp::Equal: return l == r;
    case BinaryOp::NotEqual: return l != r;
    case BinaryOp::Less: return l < r;
    case BinaryOp::Greater: return l > r;
    case BinaryOp::LessEqual: return l <= r;
    default: return l >= r;
    }
}

inline bool isComparison(BinaryOp op)
{
    return op >= BinaryOp::Equal && op <= BinaryOp::GreaterEqual;
}

[[gnu::always_inline]] inline bool wholeBinary(BinaryOp op, const Value& left, const Value& right, Value& result)
{
    const std::int64_t l = whole(left), r = whole(right);
    const bool eitherLong = left.type() == VarType::Long || right.type() == VarType::Long;
    switch (op) {
    case BinaryOp::Add: fit(l + r, eitherLong, result); return true;
    case BinaryOp::Subtract: fit(l - r, eitherLong, result); return true;
    case BinaryOp::Multiply: fit(l * r, eitherLong, result); return true;
    case BinaryOp::Divide:
        if (r == 0)
            return false;
        result.setDouble(static_cast<double>(l) / static_cast<double>(r));
        return true;
    case BinaryOp::IntegerDivide:
    case BinaryOp::Modulo:
        // Division by zero and the one quotient past Long are raised by the full rules.
        if (r == 0 || (r == -1 && l == std::numeric_limits<std::int32_t>::min()))
            return false;
        // Both are within 32 bits, and 32-bit division is the quicker one.
        fit(op == BinaryOp::Modulo ? static_cast<std::int32_t>(l) % static_cast<std::int32_t>(r)
                                   : static_cast<std::int32_t>(l) / static_cast<std::int32_t>(r),
            eitherLong, result);
        return true;
    default:
        if (!isComparison(op))
            return false;
        result.setBoolean(compared(op, l, r));
        return true;
    }
}

[[gnu::always_inline]] inline bool realBinary(BinaryOp op, double l, double r, Value& result)
{
    double value = 0;
    switch (op) {
    case BinaryOp::Add: value = l + r; break;
    case BinaryOp::Subtract: value = l - r; break;
    case BinaryOp::Multiply: value = l * r; break;
    case BinaryOp::Divide:
        if (r == 0)
            return false;
        value = l / r;
        break;
    default:
        if (!isComparison(op))
            return false;
        result.setBoolean(compared(op, l, r));
        return true;
    }
    // Overflow is raised by the full rules.
    if (!std::isfinite(value))
        return false;
    result.setDouble(value);
    return true;
}

// True when the operation was done here and result holds its value. Always inlined: where
// the operator is known, only its own case remains.
[[gnu::always_inline]] inline bool tryBinary(BinaryOp op, const Value& left, const Value& right, Value& result)
{
    const bool leftWhole = isIntegerOrLong(left), rightWhole = isIntegerOrLong(right);
    if (leftWhole && rightWhole)
        return wholeBinary(op, left, right, result);
    const bool leftDouble = left.type() == VarType::Double, rightDouble = right.type() == VarType::Double;
    if ((leftDouble || leftWhole) && (rightDouble || rightWhole) && (leftDouble || rightDouble)) {
        const double l = leftDouble ? left.asDouble() : static_cast<double>(whole(left));
        const double r = rightDouble ? right.asDouble() : static_cast<double>(whole(right));
        return realBinary(op, l, r, result);
    }
    return false;
}

// A comparison's outcome, done here under the same conditions as tryBinary does it; true when
// done, holds then telling whether the comparison holds.
[[gnu::always_inline]] inline bool tryCompare(BinaryOp op, const Value& left, const Value& right, bool& holds)
{
    const bool leftWhole = isIntegerOrLong(left), rightWhole = isIntegerOrLong(right);
    if (leftWhole && rightWhole) {
        holds = compared(op, whole(left), whole(right));
        return true;
    }
    const bool leftDouble = left.type() == VarType::Double, rightDouble = right.type() == VarType::Double;
    if ((leftDouble || leftWhole) && (rightDouble || rightWhole) && (leftDouble || rightDouble)) {
        const double l = leftDouble ? left.asDouble() : static_cast<double>(whole(left));
        const double r = rightDouble ? right.asDouble() : static_cast<double>(whole(right));
        holds = compared(op, l, r);
        return true;
    }
    return false;
}

} // namespace kestrelon::vbs::fast
