// And, Or, Xor, Eqv, Imp and Not: bitwise on whole numbers, logical on Booleans (True being
// all bits set). Booleans stay Boolean; anything else becomes Byte, Integer or Long (Empty
// and non-whole numbers count as Long), and Null gives Null unless the other side decides.
#include "vbscript/values/Coercion.h"
#include "vbscript/operators/OperatorParts.h"
#include "vbscript/values/ScriptError.h"

#include <algorithm>

namespace kestrelon::vbs::operators {
namespace {

// An operand as bits in one of the logical types (Boolean, Byte, Integer, Long), or Null.
struct Bits {
    VarType type = VarType::Long;
    std::int32_t value = 0;
    bool null = false;
};

Bits bitsOf(const Value& operand)
{
    switch (operand.type()) {
    case VarType::Null: return {VarType::Null, 0, true};
    case VarType::Empty: return {VarType::Long, 0};
    case VarType::Boolean:
    case VarType::Byte:
    case VarType::Integer:
    case VarType::Long: return {operand.type(), operand.wholeNumber()};
    case VarType::String:
        // Numeric text acts as a Long, True/False text as a Boolean.
        if (!parseScriptNumber(operand.asString())) {
            if (auto word = parseBooleanWord(operand.asString()))
                return {VarType::Boolean, *word ? -1 : 0};
        }
        return {VarType::Long, toLong(operand)};
    case VarType::Single:
    case VarType::Double:
    case VarType::Currency:
    case VarType::Date: return {VarType::Long, toLong(operand)};
    default: throw ScriptError::runtime(ErrorCode::TypeMismatch);
    }
}

int rank(VarType type)
{
    switch (type) {
    case VarType::Byte: return 0;
    case VarType::Integer:
    case VarType::Boolean: return 1;
    default: return 2;
    }
}

VarType resultType(VarType left, VarType right)
{
    if (left == VarType::Boolean && right == VarType::Boolean)
        return VarType::Boolean;
    const int r = std::max(rank(left), rank(right));
    return r == 0 ? VarType::Byte : r == 1 ? VarType::Integer : VarType::Long;
}

Value make(VarType type, std::int32_t bits)
{
    switch (type) {
    case VarType::Boolean: return Value::boolean(bits != 0);
    case VarType::Byte: return Value::byte(static_cast<std::uint8_t>(bits & 0xFF));
    case VarType::Integer: return Value::integer(static_cast<std::int16_t>(bits));
    default: return Value::longValue(bits);
    }
}

bool allOnes(const Bits& bits)
{
    return bits.type == VarType::Byte ? (bits.value & 0xFF) == 0xFF : bits.value == -1;
}

// One side Null: And with zero is zero, Or with all bits set is all bits set, else Null.
Value withNull(BinaryOp op, const Bits& other)
{
    if (other.null)
        return Value::null();
    if (op == BinaryOp::And && other.value == 0)
        return make(other.type, 0);
    if (op == BinaryOp::Or && allOnes(other))
        return make(other.type, -1);
    return Value::null();
}

Bits inverted(const Bits& bits)
{
    return {bits.type, ~bits.value, bits.null};
}

} // namespace

Value logical(BinaryOp op, const Value& left, const Value& right)
{
    if (left.isArray() || right.isArray())
        throw ScriptError::runtime(ErrorCode::TypeMismatch);
    Bits l = bitsOf(left);
    const Bits r = bitsOf(right);
    // A Imp B is (Not A) Or B, Null rules included.
    if (op == BinaryOp::Imp) {
        l = inverted(l);
        op = BinaryOp::Or;
    }
    if (l.null || r.null)
        return withNull(op, l.null ? r : l);
    const VarType type = resultType(l.type, r.type);
    switch (op) {
    case BinaryOp::And: return make(type, l.value & r.value);
    case BinaryOp::Or: return make(type, l.value | r.value);
    case BinaryOp::Xor: return make(type, l.value ^ r.value);
    default: return make(type, ~(l.value ^ r.value)); // Eqv
    }
}

Value logicalNot(const Value& operand)
{
    if (operand.isArray())
        throw ScriptError::runtime(ErrorCode::TypeMismatch);
    const Bits bits = bitsOf(operand);
    if (bits.null)
        return Value::null();
    return make(bits.type, ~bits.value);
}

} // namespace kestrelon::vbs::operators
