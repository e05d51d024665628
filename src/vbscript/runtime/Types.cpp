// The type-inspection built-ins: IsEmpty, IsNull, IsObject, IsNumeric, VarType, TypeName.
// They look at the value as given (an object stays an object), except IsNumeric, which asks
// whether the value, or an object's default value, converts to a number.
#include "vbscript/values/Object.h"
#include "vbscript/runtime/BuiltinSupport.h"

#include <array>

namespace kestrelon::vbs::builtins {
namespace {

Value isEmpty(BuiltinContext&, Args args) { return Value::boolean(args[0].isEmpty()); }
Value isNull(BuiltinContext&, Args args) { return Value::boolean(args[0].isNull()); }
Value isObject(BuiltinContext&, Args args) { return Value::boolean(args[0].isObject()); }

bool numeric(const Value& value)
{
    switch (value.type()) {
    case VarType::Null:
    case VarType::Array:
    case VarType::Error: return false;
    case VarType::String: return parseScriptNumber(value.asString()).has_value();
    case VarType::Object:
        if (!value.asObject() || !value.asObject()->defaultMember())
            return false;
        return numeric(toPlainValue(value));
    default: return true; // Empty, Boolean and every number, dates included
    }
}

Value isNumeric(BuiltinContext&, Args args) { return Value::boolean(numeric(args[0])); }

Value varType(BuiltinContext&, Args args)
{
    return Value::integer(static_cast<std::int16_t>(varTypeOf(args[0])));
}

Value typeName(BuiltinContext&, Args args)
{
    return Value::string(widenText(typeNameOf(args[0])));
}

constexpr std::array Table = {
    BuiltinEntry{"IsEmpty", 1, 1, isEmpty},
    BuiltinEntry{"IsNull", 1, 1, isNull},
    BuiltinEntry{"IsObject", 1, 1, isObject},
    BuiltinEntry{"IsNumeric", 1, 1, isNumeric},
    BuiltinEntry{"VarType", 1, 1, varType},
    BuiltinEntry{"TypeName", 1, 1, typeName},
};

} // namespace
} // namespace kestrelon::vbs::builtins

namespace kestrelon::vbs {

std::span<const BuiltinEntry> typeBuiltins()
{
    return builtins::Table;
}

} // namespace kestrelon::vbs
