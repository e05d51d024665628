// VBScript's arithmetic: the result subtype follows the wider operand (Byte, Integer, Long,
// Single, Double, Currency, Date, with text counting as Double), whole-number results that
// overflow move up to Integer, Long and then Double, and "\" and Mod round their operands.
#include "vbscript/values/Coercion.h"
#include "vbscript/values/Limits.h"
#include "vbscript/operators/OperatorParts.h"
#include "vbscript/values/ScriptError.h"
#include "vbscript/values/Calendar.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace kestrelon::vbs::operators {
namespace {

__extension__ typedef __int128 Wide;

[[noreturn]] void raise(ErrorCode code)
{
    throw ScriptError::runtime(code);
}

bool isWholeKind(Kind kind)
{
    return kind == Kind::Empty || kind == Kind::Boolean || kind == Kind::Byte || kind == Kind::Integer ||
           kind == Kind::Long;
}

// Whole-number result types in the order an overflow moves them.
int wholeRank(Kind kind)
{
    switch (kind) {
    case Kind::Byte: return 0;
    case Kind::Long: return 2;
    default: return 1; // Integer, and Boolean and Empty, which count as Integer
    }
}

Kind wholeKindOf(Kind left, Kind right)
{
    const int rank = std::max(wholeRank(left), wholeRank(right));
    return rank == 0 ? Kind::Byte : rank == 1 ? Kind::Integer : Kind::Long;
}

// A whole result in the smallest type from `kind` upwards that holds it, Double past Long.
Value fitWhole(std::int64_t result, Kind kind)
{
    if (kind == Kind::Byte && result >= 0 && result <= 255)
        return Value::byte(static_cast<std::uint8_t>(result));
    if (kind != Kind::Long && result >= -32768 && result <= 32767)
        return Value::integer(static_cast<std::int16_t>(result));
    if (result >= std::numeric_limits<std::int32_t>::min() && result <= std::numeric_limits<std::int32_t>::max())
        return Value::longValue(static_cast<std::int32_t>(result));
    return Value::doubleValue(static_cast<double>(result));
}

std::int64_t wholeOf(const Value& value)
{
    return value.isEmpty() ? 0 : value.wholeNumber();
}

double finite(double result)
{
    if (!std::isfinite(result))
        raise(ErrorCode::Overflow);
    return result;
}

Value singleResult(double result)
{
    if (!(std::fabs(result) <= static_cast<double>(std::numeric_limits<float>::max())))
        raise(ErrorCode::Overflow);
    return Value::single(static_cast<float>(result));
}

Value dateResult(double serial)
{
    if (!calendar::inRange(serial))
        raise(ErrorCode::Overflow);
    return Value::date(serial);
}

Value currencyResult(Wide scaled)
{
    if (scaled > std::numeric_limits<std::int64_t>::max() || scaled < std::numeric_limits<std::int64_t>::min())
        raise(ErrorCode::Overflow);
    return Value::currency(static_cast<std::int64_t>(scaled));
}

// Single with Long (or with text or Currency, for some operators) is computed as Double.
Kind singleOrDouble(Kind left, Kind right)
{
    return left == Kind::Long || right == Kind::Long ? Kind::Double : Kind::Single;
}

// The result kind of + and - for operands that are not both text.
Kind sumKind(Kind left, Kind right)
{
    const auto either = [&](Kind k) { return left == k || right == k; };
    if (either(Kind::Date))
        return Kind::Date;
    if (either(Kind::Currency))
        return Kind::Currency;
    if (either(Kind::Double) || either(Kind::String))
        return Kind::Double;
    if (either(Kind::Single))
        return singleOrDouble(left, right);
    return wholeKindOf(left, right);
}

Value fromDoubleKind(Kind kind, double result)
{
    switch (kind) {
    case Kind::Date: return dateResult(result);
    case Kind::Single: return singleResult(result);
    default: return Value::doubleValue(finite(result));
    }
}

Value sum(const Value& left, const Value& right, Kind kind, int sign)
{
    if (kind == Kind::Currency)
        return currencyResult(Wide{toCurrencyScaled(left)} + sign * Wide{toCurrencyScaled(right)});
    if (isWholeKind(kind))
        return fitWhole(wholeOf(left) + sign * wholeOf(right), kind);
    return fromDoubleKind(kind, toDouble(left) + sign * toDouble(right));
}

Wide roundHalfEvenDivide(Wide numerator, Wide denominator)
{
    Wide quotient = numerator / denominator;
    const Wide rest = numerator % denominator;
    const Wide twice = 2 * (rest < 0 ? -rest : rest);
    if (twice > denominator || (twice == denominator && quotient % 2 != 0))
        quotient += (numerator < 0) ? -1 : 1;
    return quotient;
}

// Operands of "\" and Mod: rounded half to even to Long (Overflow past its range).
Kind integerDivisionKind(const Value& left, const Value& right, std::int64_t& l, std::int64_t& r)
{
    const Kind lk = kindOf(left), rk = kindOf(right);
    l = toLong(left);
    r = toLong(right);
    if (r == 0)
        raise(ErrorCode::DivisionByZero);
    if (isWholeKind(lk) && isWholeKind(rk))
        return wholeKindOf(lk, rk);
    return Kind::Long;
}

Value wholeQuotient(std::int64_t result, Kind kind)
{
    if (result > std::numeric_limits<std::int32_t>::max())
        raise(ErrorCode::Overflow);
    return fitWhole(result, kind);
}

} // namespace

Kind kindOf(const Value& operand)
{
    switch (operand.type()) {
    case VarType::Empty: return Kind::Empty;
    case VarType::Boolean: return Kind::Boolean;
    case VarType::Byte: return Kind::Byte;
    case VarType::Integer: return Kind::Integer;
    case VarType::Long: return Kind::Long;
    case VarType::Single: return Kind::Single;
    case VarType::Double: return Kind::Double;
    case VarType::Currency: return Kind::Currency;
    case VarType::Date: return Kind::Date;
    case VarType::String: return Kind::String;
    default: raise(ErrorCode::TypeMismatch);
    }
}

Value add(const Value& left, const Value& right)
{
    const Kind lk = kindOf(left), rk = kindOf(right);
    // Text joins text; Empty beside text counts as "".
    if (lk == Kind::String && (rk == Kind::String || rk == Kind::Empty)) {
        static const Text nothing;
        const Text& tail = rk == Kind::String ? right.asString() : nothing;
        requireStringLength(left.asString().size() + tail.size());
        return Value::string(joinText(left.asString(), tail));
    }
    if (lk == Kind::Empty && rk == Kind::String)
        return right;
    return sum(left, right, sumKind(lk, rk), 1);
}

Value subtract(const Value& left, const Value& right)
{
    const Kind lk = kindOf(left), rk = kindOf(right);
    if (lk == Kind::Date && rk == Kind::Date)
        return Value::doubleValue(finite(left.asDouble() - right.asDouble()));
    return sum(left, right, sumKind(lk, rk), -1);
}

Value multiply(const Value& left, const Value& right)
{
    const Kind lk = kindOf(left), rk = kindOf(right);
    const auto either = [&](Kind k) { return lk == k || rk == k; };
    if (either(Kind::Double) || either(Kind::Date) || either(Kind::String))
        return Value::doubleValue(finite(toDouble(left) * toDouble(right)));
    if (either(Kind::Single)) {
        const bool wide = either(Kind::Long) || either(Kind::Currency);
        const double product = toDouble(left) * toDouble(right);
        return wide ? Value::doubleValue(finite(product)) : singleResult(product);
    }
    if (either(Kind::Currency)) {
        const Wide product = Wide{toCurrencyScaled(left)} * Wide{toCurrencyScaled(right)};
        return currencyResult(roundHalfEvenDivide(product, 10000));
    }
    return fitWhole(wholeOf(left) * wholeOf(right), wholeKindOf(lk, rk));
}

Value divide(const Value& left, const Value& right)
{
    const Kind lk = kindOf(left), rk = kindOf(right);
    const double dividend = toDouble(left), divisor = toDouble(right);
    if (divisor == 0)
        raise(dividend == 0 ? ErrorCode::Overflow : ErrorCode::DivisionByZero);
    const auto small = [](Kind k) { return k == Kind::Single || (isWholeKind(k) && k != Kind::Long); };
    const bool single = (lk == Kind::Single || rk == Kind::Single) && small(lk) && small(rk);
    return single ? singleResult(dividend / divisor) : Value::doubleValue(finite(dividend / divisor));
}

Value integerDivide(const Value& left, const Value& right)
{
    std::int64_t l = 0, r = 0;
    const Kind kind = integerDivisionKind(left, right, l, r);
    return wholeQuotient(l / r, kind);
}

Value modulo(const Value& left, const Value& right)
{
    std::int64_t l = 0, r = 0;
    const Kind kind = integerDivisionKind(left, right, l, r);
    return wholeQuotient(l % r, kind);
}

Value power(const Value& left, const Value& right)
{
    const double base = toDouble(left), exponent = toDouble(right);
    const double result = std::pow(base, exponent);
    // A negative base with a fractional exponent, or zero to a negative power, has no value.
    if (std::isnan(result) || (base == 0 && exponent < 0))
        raise(ErrorCode::InvalidProcedureCall);
    return Value::doubleValue(finite(result));
}

Value negate(const Value& operand)
{
    switch (kindOf(operand)) {
    case Kind::Empty: return Value::integer(0);
    case Kind::Boolean:
    case Kind::Byte:
    case Kind::Integer: return fitWhole(-wholeOf(operand), Kind::Integer);
    case Kind::Long: return fitWhole(-wholeOf(operand), Kind::Long);
    case Kind::Single: return Value::single(-operand.asSingle());
    case Kind::Double: return Value::doubleValue(-operand.asDouble());
    case Kind::Date: return dateResult(-operand.asDouble());
    case Kind::Currency: return currencyResult(-Wide{operand.asCurrencyScaled()});
    case Kind::String: return Value::doubleValue(-toDouble(operand));
    }
    return Value();
}

} // namespace kestrelon::vbs::operators
