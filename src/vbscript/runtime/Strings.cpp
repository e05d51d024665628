// The text built-ins that cut, pad and convert: Len, Left, Right, Mid, LCase, UCase, the
// Trims, Space, String, StrReverse, Asc and Chr. Lengths and positions count UTF-16 code units;
// Asc and Chr read and write the 1252 code page, AscW and ChrW the units themselves. A Null
// text gives Null where VBScript passes Null through, and a Null count raises "Invalid use of
// Null".
#include "vbscript/runtime/BuiltinSupport.h"

#include "vbscript/values/Text.h"

#include <algorithm>
#include <array>

namespace kestrelon::vbs::builtins {
namespace {

Value len(BuiltinContext&, Args args)
{
    const Value v = plainArg(args[0]);
    if (v.isNull())
        return Value::null();
    Text holder;
    return Value::longValue(static_cast<std::int32_t>(textView(v, holder).size()));
}

Value left(BuiltinContext&, Args args)
{
    const Value v = plainArg(args[0]);
    const size_t count = countArg(args[1]);
    if (v.isNull())
        return Value::null();
    Text holder;
    return Value::string(Text(textView(v, holder).substr(0, count)));
}

Value right(BuiltinContext&, Args args)
{
    const Value v = plainArg(args[0]);
    const size_t count = countArg(args[1]);
    if (v.isNull())
        return Value::null();
    Text holder;
    const TextView text = textView(v, holder);
    return Value::string(Text(text.substr(text.size() - std::min(count, text.size()))));
}

// Mid(text, start[, length]): a Null length is refused before the start is even read.
Value mid(BuiltinContext&, Args args)
{
    const MidArguments mid = midArguments(args, Text::npos);
    if (mid.text.isNull())
        return Value::null();
    Text holder;
    const TextView text = textView(mid.text, holder);
    if (mid.start > text.size())
        return Value::string({});
    return Value::string(Text(text.substr(mid.start - 1, mid.count)));
}

// The text with every character mapped, or Null for Null.
template <typename Map>
Value mapped(const Value& arg, Map map)
{
    const Value v = plainArg(arg);
    if (v.isNull())
        return Value::null();
    Text text = toString(v);
    std::transform(text.begin(), text.end(), text.begin(), map);
    return Value::string(std::move(text));
}

Value lCase(BuiltinContext&, Args args) { return mapped(args[0], lowerAscii); }
Value uCase(BuiltinContext&, Args args) { return mapped(args[0], upperAscii); }

// The Trims remove spaces, as documented; tabs and line breaks stay.
Value trimmed(const Value& arg, bool front, bool back)
{
    const Value v = plainArg(arg);
    if (v.isNull())
        return Value::null();
    Text holder;
    const TextView text = textView(v, holder);
    size_t first = 0, last = text.size();
    while (front && first < last && text[first] == ' ')
        ++first;
    while (back && last > first && text[last - 1] == ' ')
        --last;
    return Value::string(Text(text.substr(first, last - first)));
}

Value trim(BuiltinContext&, Args args) { return trimmed(args[0], true, true); }
Value lTrim(BuiltinContext&, Args args) { return trimmed(args[0], true, false); }
Value rTrim(BuiltinContext&, Args args) { return trimmed(args[0], false, true); }

Value repeated(size_t count, char16_t unit)
{
    checkLength(count);
    return Value::string(Text(count, unit));
}

Value space(BuiltinContext&, Args args)
{
    return repeated(countArg(args[0]), ' ');
}

// String(n, ch): ch is a text (its first unit) or a character code of the 1252 code page, as
// Chr reads it.
Value string(BuiltinContext&, Args args)
{
    const size_t count = countArg(args[0]);
    const Value ch = plainArg(args[1]);
    if (ch.isNull())
        return Value::null();
    if (ch.isString()) {
        if (ch.asString().empty())
            raise(ErrorCode::InvalidProcedureCall);
        return repeated(count, ch.asString()[0]);
    }
    const std::int32_t code = longArg(ch);
    if (code < 0 || code > 255)
        raise(ErrorCode::InvalidProcedureCall);
    return repeated(count, unitOfByte(static_cast<unsigned char>(code)));
}

// Reverses the units: a surrogate pair comes out in the other order, as on Windows.
Value strReverse(BuiltinContext&, Args args)
{
    Text text = toString(args[0]);
    std::reverse(text.begin(), text.end());
    return Value::string(std::move(text));
}

// The first unit of a text; "" raises 5.
char16_t firstUnit(const Value& arg)
{
    Text holder;
    const TextView text = textView(arg, holder);
    if (text.empty())
        raise(ErrorCode::InvalidProcedureCall);
    return text[0];
}

// Asc gives the 1252 byte of the first unit; a unit the code page lacks gives the code of "?",
// as Windows converts it.
Value asc(BuiltinContext&, Args args)
{
    const int byte = byteOfUnit(firstUnit(args[0]));
    return Value::integer(static_cast<std::int16_t>(byte < 0 ? UnmappableByte : byte));
}

// AscW gives the unit as a signed 16-bit number: ChrW(65535) reads back as -1.
Value ascW(BuiltinContext&, Args args)
{
    return Value::integer(static_cast<std::int16_t>(firstUnit(args[0])));
}

Value chr(BuiltinContext&, Args args)
{
    const std::int32_t code = longArg(args[0]);
    if (code < 0 || code > 255)
        raise(ErrorCode::InvalidProcedureCall);
    return Value::string(Text(1, unitOfByte(static_cast<unsigned char>(code))));
}

// ChrW takes any 16-bit code, signed or not: ChrW(-1) is ChrW(65535).
Value chrW(BuiltinContext&, Args args)
{
    std::int32_t code = longArg(args[0]);
    if (code < -32768 || code > 65535)
        raise(ErrorCode::InvalidProcedureCall);
    if (code < 0)
        code += 65536;
    return Value::string(Text(1, static_cast<char16_t>(code)));
}

constexpr std::array Table = {
    BuiltinEntry{"Len", 1, 1, len},
    BuiltinEntry{"Left", 2, 2, left},
    BuiltinEntry{"Right", 2, 2, right},
    BuiltinEntry{"Mid", 2, 3, mid},
    BuiltinEntry{"LCase", 1, 1, lCase},
    BuiltinEntry{"UCase", 1, 1, uCase},
    BuiltinEntry{"Trim", 1, 1, trim},
    BuiltinEntry{"LTrim", 1, 1, lTrim},
    BuiltinEntry{"RTrim", 1, 1, rTrim},
    BuiltinEntry{"Space", 1, 1, space},
    BuiltinEntry{"String", 2, 2, string},
    BuiltinEntry{"StrReverse", 1, 1, strReverse},
    BuiltinEntry{"Asc", 1, 1, asc},
    BuiltinEntry{"AscW", 1, 1, ascW},
    BuiltinEntry{"Chr", 1, 1, chr},
    BuiltinEntry{"ChrW", 1, 1, chrW},
};

} // namespace
} // namespace kestrelon::vbs::builtins

namespace kestrelon::vbs {

std::span<const BuiltinEntry> stringBuiltins()
{
    return builtins::Table;
}

} // namespace kestrelon::vbs
