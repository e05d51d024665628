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

// The arguments of InStr and InStrB, InStr([start,] text, find[, compare]): a start below 1 or
// a compare mode other than 0 or 1 raises 5; a Null text or find makes the search Null.
struct SearchArguments {
    size_t from = 0; // where the search starts, counted from 0
    bool textCompare = false;
    Value text;
    Value find;
    bool isNull() const { return text.isNull() || find.isNull(); }
};

inline SearchArguments searchArguments(Args args)
{
    const bool withStart = args.size() > 2;
    const std::int32_t start = withStart ? longArg(args[0]) : 1;
    SearchArguments search;
    search.textCompare = textCompareArg(optionalArg(args, 3));
    if (start < 1)
        raise(ErrorCode::InvalidProcedureCall);
    search.from = static_cast<size_t>(start - 1);
    search.text = plainArg(args[withStart ? 1 : 0]);
    search.find = plainArg(args[withStart ? 2 : 1]);
    return search;
}

// The arguments of Mid and MidB, Mid(text, start[, length]): a Null length is refused before
// the start is even read, a start below 1 raises 5; without a length, all the rest.
struct MidArguments {
    Value text;
    size_t start = 0; // counted from 1
    size_t count = 0;
};

inline MidArguments midArguments(Args args, size_t all)
{
    if (args.size() > 2 && args[2].isNull())
        raise(ErrorCode::InvalidUseOfNull);
    MidArguments mid;
    mid.text = plainArg(args[0]);
    const std::int32_t start = longArg(args[1]);
    if (start < 1)
        raise(ErrorCode::InvalidProcedureCall);
    mid.start = static_cast<size_t>(start);
    mid.count = given(args, 2) ? countArg(args[2]) : all;
    return mid;
}

} // namespace kestrelon::vbs::builtins
