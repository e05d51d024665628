// The conversion functions (CBool … CStr, CDate) and Hex / Oct: thin wrappers over the
// engine's conversions, which raise Overflow, Type mismatch and Invalid use of Null.
#include "vbscript/runtime/BuiltinSupport.h"

#include <array>

namespace kestrelon::vbs::builtins {
namespace {

Value cBool(BuiltinContext&, Args args) { return Value::boolean(toBoolean(args[0])); }
Value cByte(BuiltinContext&, Args args) { return Value::byte(toByte(args[0])); }
Value cInt(BuiltinContext&, Args args) { return Value::integer(toInteger(args[0])); }
Value cLng(BuiltinContext&, Args args) { return Value::longValue(toLong(args[0])); }
Value cSng(BuiltinContext&, Args args) { return Value::single(toSingle(args[0])); }
Value cDbl(BuiltinContext&, Args args) { return Value::doubleValue(toDouble(args[0])); }
Value cStr(BuiltinContext&, Args args) { return Value::string(toString(args[0])); }
Value cCur(BuiltinContext&, Args args) { return Value::currency(toCurrencyScaled(args[0])); }
Value cDate(BuiltinContext&, Args args) { return Value::date(toDate(args[0])); }

// The digits of a value in base 16 or 8. An Integer shows its 16 bits, so Hex(-1) is "FFFF";
// every other value is rounded to a Long and shows 32 bits.
Value radixText(const Value& arg, unsigned shift)
{
    const Value value = plainArg(arg);
    if (value.isNull())
        return Value::null();
    std::uint32_t bits = value.type() == VarType::Integer ? static_cast<std::uint16_t>(value.asInteger())
                                                          : static_cast<std::uint32_t>(toLong(value));
    const char* digits = "0123456789ABCDEF";
    const std::uint32_t mask = (1u << shift) - 1;
    Text text;
    do {
        text.insert(text.begin(), static_cast<char16_t>(digits[bits & mask]));
        bits >>= shift;
    } while (bits != 0);
    return Value::string(text);
}

Value hex(BuiltinContext&, Args args) { return radixText(args[0], 4); }
Value oct(BuiltinContext&, Args args) { return radixText(args[0], 3); }

constexpr std::array Table = {
    BuiltinEntry{"CBool", 1, 1, cBool},
    BuiltinEntry{"CByte", 1, 1, cByte},
    BuiltinEntry{"CInt", 1, 1, cInt},
    BuiltinEntry{"CLng", 1, 1, cLng},
    BuiltinEntry{"CSng", 1, 1, cSng},
    BuiltinEntry{"CDbl", 1, 1, cDbl},
    BuiltinEntry{"CStr", 1, 1, cStr},
    BuiltinEntry{"CCur", 1, 1, cCur},
    BuiltinEntry{"CDate", 1, 1, cDate},
    BuiltinEntry{"Hex", 1, 1, hex},
    BuiltinEntry{"Oct", 1, 1, oct},
};

} // namespace
} // namespace kestrelon::vbs::builtins

namespace kestrelon::vbs {

std::span<const BuiltinEntry> conversionBuiltins()
{
    return builtins::Table;
}

} // namespace kestrelon::vbs
