// Values packed for use outside the script: Escape and Unescape write and read text in the
// %XX / %uXXXX form of web addresses, and RGB packs a colour into the Long that colour
// properties take.
#include "vbscript/runtime/BuiltinSupport.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <optional>
#include <utility>

namespace kestrelon::vbs::builtins {
namespace {

constexpr const char* HexDigits = "0123456789ABCDEF";

// Letters, digits and @*_+-./ stand for themselves in escaped text.
bool keptByEscape(char16_t c)
{
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9') ||
           (c != u'\0' && c < 0x80 && std::strchr("@*_+-./", static_cast<char>(c)) != nullptr);
}

void appendHex(Text& out, unsigned code, int digits)
{
    for (int shift = 4 * (digits - 1); shift >= 0; shift -= 4)
        out += static_cast<char16_t>(HexDigits[(code >> shift) & 0xF]);
}

// The length of a unit's escaped form.
size_t escapedLength(char16_t c)
{
    return keptByEscape(c) ? 1 : (c <= 0xFF ? 3 : 6);
}

// Escape(text): a unit up to 255 as %XX, any other as %uXXXX.
Value escape(BuiltinContext&, Args args)
{
    const Value v = plainArg(args[0]);
    if (v.isNull())
        return Value::null();
    const Text text = toString(v);
    size_t length = 0;
    for (const char16_t c : text)
        length += escapedLength(c);
    checkLength(length);
    Text escaped;
    escaped.reserve(length);
    for (const char16_t c : text) {
        if (keptByEscape(c)) {
            escaped += c;
        } else if (c <= 0xFF) {
            escaped += u'%';
            appendHex(escaped, c, 2);
        } else {
            escaped += u"%u";
            appendHex(escaped, c, 4);
        }
    }
    return Value::string(std::move(escaped));
}

int hexValue(char16_t c)
{
    if (c >= u'0' && c <= u'9')
        return c - u'0';
    if (c >= u'A' && c <= u'F')
        return c - u'A' + 10;
    if (c >= u'a' && c <= u'f')
        return c - u'a' + 10;
    return -1;
}

// The code of count hexadecimal digits at text[at], or nullopt when they are not all there.
std::optional<unsigned> hexCode(const Text& text, size_t at, size_t count)
{
    if (at + count > text.size())
        return std::nullopt;
    unsigned code = 0;
    for (size_t i = at; i < at + count; ++i) {
        const int digit = hexValue(text[i]);
        if (digit < 0)
            return std::nullopt;
        code = code * 16 + static_cast<unsigned>(digit);
    }
    return code;
}

// The unit the escape at text[at] stands for and the escape's length; nullopt when no %XX or
// %uXXXX starts there.
std::optional<std::pair<char16_t, size_t>> escapeAt(const Text& text, size_t at)
{
    if (text[at] != u'%')
        return std::nullopt;
    if (at + 1 < text.size() && text[at + 1] == u'u') {
        if (const auto code = hexCode(text, at + 2, 4))
            return std::pair(static_cast<char16_t>(*code), size_t{6});
    }
    if (const auto code = hexCode(text, at + 1, 2))
        return std::pair(static_cast<char16_t>(*code), size_t{3});
    return std::nullopt;
}

// Unescape(text): the escapes become their units; a "%" that starts none stays.
Value unescape(BuiltinContext&, Args args)
{
    const Value v = plainArg(args[0]);
    if (v.isNull())
        return Value::null();
    const Text text = toString(v);
    Text plain;
    plain.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        if (const auto escaped = escapeAt(text, i)) {
            plain += escaped->first;
            i += escaped->second;
        } else {
            plain += text[i++];
        }
    }
    return Value::string(std::move(plain));
}

// One colour part: rounded to a whole number, negative raises 5, past 255 counts as 255.
std::int32_t colourPart(const Value& arg)
{
    const std::int32_t part = longArg(arg);
    if (part < 0)
        raise(ErrorCode::InvalidProcedureCall);
    return std::min(part, 255);
}

// RGB(red, green, blue) = red + 256 * green + 65536 * blue, a Long.
Value rgb(BuiltinContext&, Args args)
{
    const std::int32_t red = colourPart(args[0]), green = colourPart(args[1]), blue = colourPart(args[2]);
    return Value::longValue(red + 256 * green + 65536 * blue);
}

constexpr std::array Table = {
    BuiltinEntry{"Escape", 1, 1, escape},
    BuiltinEntry{"Unescape", 1, 1, unescape},
    BuiltinEntry{"RGB", 3, 3, rgb},
};

} // namespace
} // namespace kestrelon::vbs::builtins

namespace kestrelon::vbs {

std::span<const BuiltinEntry> encodingBuiltins()
{
    return builtins::Table;
}

} // namespace kestrelon::vbs
