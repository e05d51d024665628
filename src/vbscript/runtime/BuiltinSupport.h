// Helpers the built-in topic files share: reading optional arguments, the Null rules of
// string functions, compare modes, and the limits on the text a built-in builds.
#pragma once

#include "vbscript/values/Coercion.h"
#include "vbscript/values/Limits.h"
#include "vbscript/values/ScriptError.h"
#include "vbscript/values/Value.h"
#include "vbscript/runtime/Builtin.h"

#include <cstdint>
#include <span>
#include <string>

namespace kestrelon::vbs::builtins {

using Args = std::span<const Value>;

[[noreturn]] inline void raise(ErrorCode code)
{
    throw ScriptError::runtime(code);
}

// The argument at index, or nullptr when the call gave fewer or left it out (f(a, , c)).
inline const Value* optionalArg(Args args, size_t index)
{
    return index < args.size() && !args[index].isMissing() ? &args[index] : nullptr;
}

// True when the call gave the argument at index (not left out).
inline bool given(Args args, size_t index)
{
    return optionalArg(args, index) != nullptr;
}

// An argument with an object replaced by its default value.
inline Value plainArg(const Value& arg)
{
    return arg.isObject() ? toPlainValue(arg) : arg;
}

// The text of a value that is not Null: a text as it is, without a copy, anything else
// converted into holder. The view lives as long as the value and the holder.
inline TextView textView(const Value& value, Text& holder)
{
    if (value.isString())
        return value.asString();
    holder = toString(value);
    return holder;
}

// A whole-number argument (rounded half to even; Null raises 94, text that is no number 13).
inline std::int32_t longArg(const Value& arg)
{
    return toLong(arg);
}

// A length argument: whole, not negative (5).
inline size_t countArg(const Value& arg)
{
    const std::int32_t count = longArg(arg);
    if (count < 0)
        raise(ErrorCode::InvalidProcedureCall);
    return static_cast<size_t>(count);
}

// The compare mode of the text functions: 0 binary, 1 text; anything else raises 5.
inline bool textCompareArg(const Value* arg)
{
    if (!arg)
        return false;
    const std::int32_t mode = toLong(*arg);
    if (mode != 0 && mode != 1)
        raise(ErrorCode::InvalidProcedureCall);
    return mode == 1;
}

// Raises "Out of memory" for a text longer than a script may build.
inline void checkLength(size_t length)
{
    requireStringLength(length);
}

// One more piece of units found or added by a built-in that works piece by piece: it counts
// towards the time limit, so one call making millions of pieces is stopped on time.
inline void countPiece(size_t units)
{
    addScriptWorkNow(RunClock::PieceWork + units);
}

// Case is changed for the ASCII letters only; every other unit stays as it is.
inline char16_t lowerAscii(char16_t c)
{
    return (c >= u'A' && c <= u'Z') ? static_cast<char16_t>(c - u'A' + u'a') : c;
}

inline char16_t upperAscii(char16_t c)
{
    return (c >= u'a' && c <= u'z') ? static_cast<char16_t>(c - u'a' + u'A') : c;
}

} // namespace kestrelon::vbs::builtins
