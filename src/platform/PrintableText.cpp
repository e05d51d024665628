// Escaping control characters for the terminal. The escape is visible and names the byte, so
// a user who finds "\x1b" in a message knows the file holds an escape character there.
#include "platform/PrintableText.h"

namespace kestrelon {
namespace {

constexpr unsigned char Delete = 0x7f;
constexpr unsigned char FirstC1 = 0x80;
constexpr unsigned char LastC1 = 0x9f;
constexpr unsigned char C1Lead = 0xc2; // the lead byte of U+0080 .. U+00BF in UTF-8

unsigned char byteAt(std::string_view text, size_t i)
{
    return static_cast<unsigned char>(text[i]);
}

// The length of the UTF-8 sequence that starts at i, or 0 when the byte there starts none
// (a Latin-1 letter, a stray continuation byte, a sequence cut short).
size_t utf8Length(std::string_view text, size_t i)
{
    const unsigned char lead = byteAt(text, i);
    const size_t length = lead < 0x80 ? 1 : lead >= 0xc2 && lead <= 0xdf ? 2 : lead >= 0xe0 && lead <= 0xef ? 3
                                                                       : lead >= 0xf0 && lead <= 0xf4 ? 4 : 0;
    if (length == 0 || i + length > text.size())
        return 0;
    for (size_t k = 1; k < length; ++k) {
        if ((byteAt(text, i + k) & 0xc0) != 0x80)
            return 0;
    }
    return length;
}

bool isC1(unsigned char c)
{
    return c >= FirstC1 && c <= LastC1;
}

bool isAsciiControl(unsigned char c, Tabs tabs)
{
    if (c == '\t')
        return tabs == Tabs::Escape;
    return c < 0x20 || c == Delete;
}

// Whether the piece of text of the given length (a UTF-8 sequence, or one byte of none) is a
// control character.
bool isControl(std::string_view text, size_t i, size_t length, Tabs tabs)
{
    switch (length) {
    case 0: return isC1(byteAt(text, i));
    case 1: return isAsciiControl(byteAt(text, i), tabs);
    case 2: return byteAt(text, i) == C1Lead && isC1(byteAt(text, i + 1));
    default: return false;
    }
}

void appendEscaped(std::string& out, unsigned char c)
{
    static constexpr char Digits[] = "0123456789abcdef";
    out += "\\x";
    out += Digits[c >> 4];
    out += Digits[c & 0x0f];
}

} // namespace

std::string printableText(std::string_view text, Tabs tabs)
{
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        const size_t length = utf8Length(text, i);
        const size_t piece = length == 0 ? 1 : length;
        if (isControl(text, i, length, tabs)) {
            for (size_t k = 0; k < piece; ++k)
                appendEscaped(out, byteAt(text, i + k));
        } else {
            out.append(text.substr(i, piece));
        }
        i += piece;
    }
    return out;
}

} // namespace kestrelon
