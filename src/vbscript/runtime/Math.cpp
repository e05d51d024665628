// The math built-ins: Abs, Sgn, Int, Fix and Round keep their argument's subtype where
// VBScript keeps it; the others answer Double. Rnd and Randomize drive the engine's own
// 24-bit generator exactly as the Windows engine does, so seeded sequences repeat there.
#include "vbscript/runtime/Math.h"

#include "platform/RandomGenerator.h"
#include "vbscript/runtime/BuiltinSupport.h"
#include "vbscript/values/Calendar.h"

#include <array>
#include <bit>
#include <cmath>
#include <limits>

namespace kestrelon::vbs::builtins {
namespace {

constexpr std::int64_t CurrencyScale = 10000;

Value doubleResult(double result)
{
    if (!std::isfinite(result))
        raise(ErrorCode::Overflow);
    return Value::doubleValue(result);
}

Value absCurrency(std::int64_t scaled)
{
    if (scaled == std::numeric_limits<std::int64_t>::min())
        raise(ErrorCode::Overflow);
    return Value::currency(scaled < 0 ? -scaled : scaled);
}

// Abs: Integer's smallest value moves to Long and Long's to Double; Boolean and Empty give
// Integer, text gives Double.
Value absValue(BuiltinContext&, Args args)
{
    const Value v = plainArg(args[0]);
    switch (v.type()) {
    case VarType::Null: return Value::null();
    case VarType::Empty: return Value::integer(0);
    case VarType::Boolean: return Value::integer(v.asBoolean() ? 1 : 0);
    case VarType::Byte: return v;
    case VarType::Integer:
        if (v.asInteger() == -32768)
            return Value::longValue(32768);
        return Value::integer(static_cast<std::int16_t>(std::abs(v.asInteger())));
    case VarType::Long:
        if (v.asLong() == std::numeric_limits<std::int32_t>::min())
            return Value::doubleValue(2147483648.0);
        return Value::longValue(std::abs(v.asLong()));
    case VarType::Single: return Value::single(std::fabs(v.asSingle()));
    case VarType::Currency: return absCurrency(v.asCurrencyScaled());
    default: return Value::doubleValue(std::fabs(toDouble(v)));
    }
}

Value sgn(BuiltinContext&, Args args)
{
    const Value v = plainArg(args[0]);
    const double number = v.type() == VarType::Currency ? static_cast<double>(v.asCurrencyScaled()) : toDouble(v);
    return Value::integer(static_cast<std::int16_t>(number > 0 ? 1 : (number < 0 ? -1 : 0)));
}

// The whole part of a Currency value in whole arithmetic; Overflow when it leaves the range.
Value wholeCurrency(std::int64_t scaled, bool towardsMinusInfinity)
{
    std::int64_t whole = scaled / CurrencyScale;
    if (towardsMinusInfinity && scaled % CurrencyScale < 0)
        --whole;
    std::int64_t result = 0;
    if (__builtin_mul_overflow(whole, CurrencyScale, &result))
        raise(ErrorCode::Overflow);
    return Value::currency(result);
}

// Int (towards minus infinity) and Fix (towards zero), keeping the subtype.
Value wholePart(const Value& arg, bool towardsMinusInfinity)
{
    const auto round = [towardsMinusInfinity](double x) {
        return towardsMinusInfinity ? std::floor(x) : std::trunc(x);
    };
    const Value v = plainArg(arg);
    switch (v.type()) {
    case VarType::Null: return Value::null();
    case VarType::Empty: return Value::integer(0);
    case VarType::Boolean: return Value::integer(static_cast<std::int16_t>(v.wholeNumber()));
    case VarType::Byte:
    case VarType::Integer:
    case VarType::Long: return v;
    case VarType::Single: return Value::single(static_cast<float>(round(v.asSingle())));
    case VarType::Date: return Value::date(round(v.asDouble()));
    case VarType::Currency: return wholeCurrency(v.asCurrencyScaled(), towardsMinusInfinity);
    default: return Value::doubleValue(round(toDouble(v)));
    }
}

Value intValue(BuiltinContext&, Args args) { return wholePart(args[0], true); }
Value fixValue(BuiltinContext&, Args args) { return wholePart(args[0], false); }

double roundToPlaces(double value, std::int32_t places)
{
    if (places == 0)
        return std::nearbyint(value);
    const double scale = std::pow(10.0, places);
    const double scaled = value * scale;
    if (!std::isfinite(scaled) || std::fabs(scaled) >= 9007199254740992.0)
        return value; // already finer than the places asked for
    return std::nearbyint(scaled) / scale;
}

// Currency rounded half to even to the given decimals (of its four), in whole arithmetic.
std::int64_t roundCurrencyToPlaces(std::int64_t scaled, std::int32_t places)
{
    if (places >= 4)
        return scaled;
    std::int64_t unit = 1;
    for (int i = places; i < 4; ++i)
        unit *= 10;
    std::int64_t quotient = scaled / unit;
    const std::int64_t rest = scaled % unit;
    const std::int64_t twice = 2 * (rest < 0 ? -rest : rest);
    if (twice > unit || (twice == unit && quotient % 2 != 0))
        quotient += rest < 0 ? -1 : 1;
    std::int64_t result = 0;
    if (__builtin_mul_overflow(quotient, unit, &result))
        raise(ErrorCode::Overflow);
    return result;
}

// Round(x[, places]): half to even; whole numbers and Booleans come back unchanged.
Value roundValue(BuiltinContext&, Args args)
{
    const Value v = plainArg(args[0]);
    const std::int32_t places = given(args, 1) ? longArg(args[1]) : 0;
    if (places < 0)
        raise(ErrorCode::InvalidProcedureCall);
    switch (v.type()) {
    case VarType::Null: return Value::null();
    case VarType::Empty: return Value::integer(0);
    case VarType::Boolean:
    case VarType::Byte:
    case VarType::Integer:
    case VarType::Long: return v;
    case VarType::Single: return Value::single(static_cast<float>(roundToPlaces(v.asSingle(), places)));
    case VarType::Currency: return Value::currency(roundCurrencyToPlaces(v.asCurrencyScaled(), places));
    case VarType::Date: return Value::date(roundToPlaces(v.asDouble(), places));
    default: return Value::doubleValue(roundToPlaces(toDouble(v), places));
    }
}

Value sqr(BuiltinContext&, Args args)
{
    const double x = toDouble(args[0]);
    if (x < 0)
        raise(ErrorCode::InvalidProcedureCall);
    return Value::doubleValue(std::sqrt(x));
}

Value logValue(BuiltinContext&, Args args)
{
    const double x = toDouble(args[0]);
    if (x <= 0)
        raise(ErrorCode::InvalidProcedureCall);
    return Value::doubleValue(std::log(x));
}

Value expValue(BuiltinContext&, Args args) { return doubleResult(std::exp(toDouble(args[0]))); }
Value sinValue(BuiltinContext&, Args args) { return doubleResult(std::sin(toDouble(args[0]))); }
Value cosValue(BuiltinContext&, Args args) { return doubleResult(std::cos(toDouble(args[0]))); }
Value tanValue(BuiltinContext&, Args args) { return doubleResult(std::tan(toDouble(args[0]))); }
Value atnValue(BuiltinContext&, Args args) { return doubleResult(std::atan(toDouble(args[0]))); }

// Rnd[(n)]: n > 0 or none draws the next value, 0 repeats the last one, and a negative n
// restarts the generator from the bits of n as a Single, so Rnd(-2) always gives one value.
Value rnd(BuiltinContext& context, Args args)
{
    const float n = args.empty() ? 1.0f : toSingle(args[0]);
    if (n == 0)
        return Value::single(context.lastRandom());
    if (n < 0) {
        const auto bits = std::bit_cast<std::uint32_t>(n);
        context.random().setState(bits + (bits >> 24));
    }
    context.lastRandom() = context.random().next();
    return Value::single(context.lastRandom());
}

constexpr std::array Table = {
    BuiltinEntry{"Abs", 1, 1, absValue},
    BuiltinEntry{"Sgn", 1, 1, sgn},
    BuiltinEntry{"Int", 1, 1, intValue},
    BuiltinEntry{"Fix", 1, 1, fixValue},
    BuiltinEntry{"Round", 1, 2, roundValue},
    BuiltinEntry{"Sqr", 1, 1, sqr},
    BuiltinEntry{"Exp", 1, 1, expValue},
    BuiltinEntry{"Log", 1, 1, logValue},
    BuiltinEntry{"Sin", 1, 1, sinValue},
    BuiltinEntry{"Cos", 1, 1, cosValue},
    BuiltinEntry{"Tan", 1, 1, tanValue},
    BuiltinEntry{"Atn", 1, 1, atnValue},
    BuiltinEntry{"Rnd", 0, 1, rnd},
};

} // namespace
} // namespace kestrelon::vbs::builtins

namespace kestrelon::vbs {

void randomize(BuiltinContext& context, std::optional<Value> seed)
{
    const double number = seed ? toDouble(*seed) : calendar::secondsSinceMidnight();
    // The high 32 bits of the Double, folded with their own upper half, give 16 new bits.
    std::uint32_t high = static_cast<std::uint32_t>(std::bit_cast<std::uint64_t>(number) >> 32);
    high ^= high >> 16;
    RandomGenerator& random = context.random();
    random.setState(((high & 0xFFFF) << 8) | (random.state() & 0xFF));
}

std::span<const BuiltinEntry> mathBuiltins()
{
    return builtins::Table;
}

} // namespace kestrelon::vbs
