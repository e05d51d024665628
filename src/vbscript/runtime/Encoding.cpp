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
bool keptByEscape(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
           (c != '\0' && std::strchr("@*_+-./", c) != nullptr);
}

Value escape(BuiltinContext&, Args args)
{
    const Value v = plainArg(args[0]);
    if (v.isNull())
        return Value::null();
    const std::string text = toString(v);
    checkLength(text.size() * 3);
    std::string escaped;
    escaped.reserve(text.size() * 3);
    for (const char c : text) {
        if (keptByEscape(c)) {
            escaped += c;
            continue;
        }
        const auto code = static_cast<unsigned char>(c);
        escaped += '%';
        escaped += HexDigits[code >> 4];
        escaped += HexDigits[code & 0xF];
    }
    return Value::string(std::move(escaped));
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

// The code of count hexadecimal digits at text[at], or nullopt when they are not all there.
std::optional<int> hexCode(const std::string& text, size_t at, size_t count)
{
    if (at + count > text.size())
        return std::nullopt;
    int code = 0;
    for (size_t i = at; i < at + count; ++i) {
        const int digit = hexValue(text[i]);
        if (digit < 0)
            return std::nullopt;
        code = code * 16 + digit;
    }
    return code;
}

// The character the escape at text[at] stands for and the escape's length; nullopt when no
// %XX or %uXXXX starts there. A code past 255, which 8-bit text cannot hold, becomes "?", as
// ChrW makes it.
std::optional<std::pair<char, size_t>> escapeAt(const std::string& text, size_t at)
{
    if (text[at] != '%')
        return std::nullopt;
    if (at + 1 < text.size() && text[at + 1] == 'u') {
        if (const auto code = hexCode(text, at + 2, 4))
            return std::pair(*code > 255 ? '?' : static_cast<char>(*code), size_t{6});
    }
    if (const auto code = hexCode(text, at + 1, 2))
        return std::pair(static_cast<char>(*code), size_t{3});
    return std::nullopt;
}

// Unescape(text): the escapes become their characters; a "%" that starts none stays.
Value unescape(BuiltinContext&, Args args)
{
    const Value v = plainArg(args[0]);
    if (v.isNull())
        return Value::null();
    const std::string text = toString(v);
    std::string plain;
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
