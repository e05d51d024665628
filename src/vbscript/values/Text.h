// The characters of a script text, and their 8-bit form at the edges of the engine. A script
// text holds UTF-16 code units, as the Windows engine's texts do, so ChrW(8364) stays itself
// through AscW, Len and every text function. Everything outside the scripts (script files,
// projects, scenes, message boxes, host objects' members) stays in bytes of the Windows code
// page 1252, widened on the way in and narrowed on the way out.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace kestrelon::vbs {

using Text = std::u16string;
using TextView = std::u16string_view;

// What a unit that has no 1252 byte becomes when it leaves the engine, as Windows writes it.
inline constexpr char UnmappableByte = '?';

namespace textdetail {

// The units of the bytes 0x80-0x9F; the five bytes 1252 leaves undefined stand for the units
// of the same number, so every byte comes back from its unit.
inline constexpr std::array<char16_t, 32> HighControlUnits = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

int byteOfOtherUnit(char16_t unit);

} // namespace textdetail

// The unit a 1252 byte stands for.
inline char16_t unitOfByte(unsigned char byte)
{
    if (byte < 0x80 || byte >= 0xA0)
        return byte;
    return textdetail::HighControlUnits[byte - 0x80];
}

// The 1252 byte of a unit, or -1 when the code page has none.
inline int byteOfUnit(char16_t unit)
{
    if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF))
        return unit;
    return textdetail::byteOfOtherUnit(unit);
}

// Two texts joined, made at their full length at once.
inline Text joinText(TextView first, TextView second)
{
    Text joined;
    joined.reserve(first.size() + second.size());
    joined.append(first).append(second);
    return joined;
}

// Bytes of 1252 as a script text.
Text widenText(std::string_view bytes);
// A script text as 1252 bytes; a unit without a byte becomes "?".
std::string narrowText(TextView text);
// The same, written over bytes, whose buffer is kept when it is large enough.
void narrowTextInto(TextView text, std::string& bytes);

// Code text for the lexer (Execute, ExecuteGlobal, Eval): each unit on its own as UTF-8 (a
// surrogate too, as three bytes), so ASCII stays as it is and any unit comes back whole.
std::string unitsAsUtf8(TextView text);
// The units of text written by unitsAsUtf8. Bytes that are no such form stand for themselves.
Text unitsFromUtf8(std::string_view bytes);

} // namespace kestrelon::vbs
