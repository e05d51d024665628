// The byte functions LenB, AscB, ChrB, LeftB, RightB, MidB and InStrB: they read a text as the
// bytes Windows holds it in, two a unit, low byte first, and count 1-based byte positions. A
// text holds whole units, so a result of an odd number of bytes keeps its last byte as one
// unit of that byte's value: LenB(ChrB(65)) is 2, where Windows counts 1.
#include "vbscript/runtime/BuiltinSupport.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <optional>
#include <string>

namespace kestrelon::vbs::builtins {
namespace {

// The bytes of a text, two a unit, low byte first.
std::string bytesOf(TextView text)
{
    std::string bytes(2 * text.size(), '\0');
    for (size_t i = 0; i < text.size(); ++i) {
        bytes[2 * i] = static_cast<char>(text[i] & 0xFF);
        bytes[2 * i + 1] = static_cast<char>(text[i] >> 8);
    }
    return bytes;
}

// The text of bytes: each pair one unit, an odd last byte a unit of its own value.
Text textOfBytes(std::string_view bytes)
{
    Text text((bytes.size() + 1) / 2, u'\0');
    for (size_t i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        text[i / 2] = static_cast<char16_t>(text[i / 2] | (i % 2 == 0 ? byte : byte << 8));
    }
    return text;
}

Value lenB(BuiltinContext&, Args args)
{
    const Value v = plainArg(args[0]);
    if (v.isNull())
        return Value::null();
    return Value::longValue(static_cast<std::int32_t>(2 * toString(v).size()));
}

// AscB: the first byte of the text, the low byte of its first unit; "" raises 5.
Value ascB(BuiltinContext&, Args args)
{
    const Text text = toString(args[0]);
    if (text.empty())
        raise(ErrorCode::InvalidProcedureCall);
    return Value::byte(static_cast<std::uint8_t>(text[0] & 0xFF));
}

// ChrB: one byte, 0 to 255; anything else overflows (6).
Value chrB(BuiltinContext&, Args args)
{
    const std::int32_t code = longArg(args[0]);
    if (code < 0 || code > 255)
        raise(ErrorCode::Overflow);
    return Value::string(textOfBytes(std::string(1, static_cast<char>(code))));
}

// The bytes of a text argument, or nullopt for Null.
std::optional<std::string> bytesArg(const Value& arg)
{
    const Value v = plainArg(arg);
    if (v.isNull())
        return std::nullopt;
    return bytesOf(toString(v));
}

Value leftB(BuiltinContext&, Args args)
{
    const Value v = plainArg(args[0]);
    const size_t count = countArg(args[1]);
    const auto bytes = bytesArg(v);
    if (!bytes)
        return Value::null();
    return Value::string(textOfBytes(std::string_view(*bytes).substr(0, count)));
}

Value rightB(BuiltinContext&, Args args)
{
    const Value v = plainArg(args[0]);
    const size_t count = countArg(args[1]);
    const auto bytes = bytesArg(v);
    if (!bytes)
        return Value::null();
    const size_t kept = std::min(count, bytes->size());
    return Value::string(textOfBytes(std::string_view(*bytes).substr(bytes->size() - kept)));
}

// MidB(text, start[, length]), by Mid's rules, in bytes.
Value midB(BuiltinContext&, Args args)
{
    const MidArguments mid = midArguments(args, std::string::npos);
    const auto bytes = bytesArg(mid.text);
    if (!bytes)
        return Value::null();
    if (mid.start > bytes->size())
        return Value::string({});
    return Value::string(textOfBytes(std::string_view(*bytes).substr(mid.start - 1, mid.count)));
}

// The bytes of a text to search, its ASCII letters folded in text compare mode.
std::string searchedBytes(const Value& v, bool textCompare)
{
    Text text = toString(v);
    if (textCompare)
        std::transform(text.begin(), text.end(), text.begin(), lowerAscii);
    return bytesOf(text);
}

// InStrB([start,] text, find[, compare]), by InStr's rules, in bytes: a match may start at any
// byte, the high byte of a unit included.
Value inStrB(BuiltinContext&, Args args)
{
    const SearchArguments search = searchArguments(args);
    if (search.isNull())
        return Value::null();
    const std::string haystack = searchedBytes(search.text, search.textCompare);
    const std::string needle = searchedBytes(search.find, search.textCompare);
    const size_t from = search.from;
    if (from >= haystack.size())
        return Value::longValue(0);
    // memmem takes time in proportion to the two texts whatever they hold.
    const void* hit = ::memmem(haystack.data() + from, haystack.size() - from, needle.data(), needle.size());
    if (!hit)
        return Value::longValue(0);
    return Value::longValue(static_cast<std::int32_t>(static_cast<const char*>(hit) - haystack.data() + 1));
}

constexpr std::array Table = {
    BuiltinEntry{"LenB", 1, 1, lenB},     BuiltinEntry{"AscB", 1, 1, ascB},     BuiltinEntry{"ChrB", 1, 1, chrB},
    BuiltinEntry{"LeftB", 2, 2, leftB},   BuiltinEntry{"RightB", 2, 2, rightB}, BuiltinEntry{"MidB", 2, 3, midB},
    BuiltinEntry{"InStrB", 2, 4, inStrB},
};

} // namespace
} // namespace kestrelon::vbs::builtins

namespace kestrelon::vbs {

std::span<const BuiltinEntry> byteStringBuiltins()
{
    return builtins::Table;
}

} // namespace kestrelon::vbs
