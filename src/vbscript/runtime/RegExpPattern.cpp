// Translating a JScript pattern into PCRE2's syntax item by item. Literal characters other than
// letters and digits are written as hex escapes, so nothing in the result means more to PCRE2
// than it meant to the script. Patterns and subjects are UTF-16 code units, which PCRE2's 16-bit
// library matches one by one: a surrogate pair is two units, as in JScript.
#include "vbscript/runtime/RegExpPattern.h"

#include "vbscript/values/ScriptError.h"

#include <cstddef>

namespace kestrelon::vbs {
namespace {

// JScript's lines end at CR and at LF, each on its own.
constexpr std::string_view AnyButLineEnd = "[^\\n\\r]";
constexpr std::string_view LineStart = "(?:^|(?<=[\\n\\r]))";
constexpr std::string_view LineEnd = "(?=[\\n\\r]|\\z)";
constexpr std::string_view TextEnd = "\\z";

bool isDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

bool isLetter(char16_t c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

int hexValue(char16_t c)
{
    if (isDigit(c))
        return c - u'0';
    if (c >= u'a' && c <= u'f')
        return c - u'a' + 10;
    if (c >= u'A' && c <= u'F')
        return c - u'A' + 10;
    return -1;
}

// Where a class's members start: after "[" and a "^" that negates it.
std::size_t classBody(TextView pattern, std::size_t open)
{
    const std::size_t body = open + 1;
    return body < pattern.size() && pattern[body] == '^' ? body + 1 : body;
}

// The capture groups of a pattern: each "(" outside a class that does not start "(?".
int countGroups(TextView pattern)
{
    int groups = 0;
    bool inClass = false;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char16_t c = pattern[i];
        if (c == '\\') {
            ++i;
        } else if (inClass) {
            inClass = c != ']';
        } else if (c == '[') {
            i = classBody(pattern, i);
            inClass = !(i < pattern.size() && pattern[i] == ']');
            if (inClass)
                --i;
        } else if (c == '(' && !(i + 1 < pattern.size() && pattern[i + 1] == '?')) {
            ++groups;
        }
    }
    return groups;
}

class Translator {
public:
    Translator(TextView pattern, bool multiline)
        : m_pattern(pattern), m_multiline(multiline), m_groups(countGroups(pattern))
    {
    }

    Text run()
    {
        m_out.reserve(m_pattern.size() * 2);
        while (!atEnd())
            item(m_pattern[m_pos++]);
        return std::move(m_out);
    }

private:
    bool atEnd() const { return m_pos >= m_pattern.size(); }
    bool nextIs(char16_t c) const { return !atEnd() && m_pattern[m_pos] == c; }

    void item(char16_t c);
    void escape();
    void classEscape();
    void characterClass();
    void openGroup();
    void quantifier(TextView text);
    bool braceQuantifier();
    void controlEscape(bool inClass);
    void hexEscape(char16_t kind);
    void decimalEscape(char16_t first, bool inClass);
    bool backreference(char16_t first);

    // PCRE2's own syntax, all ASCII, or a piece of the script's pattern.
    void put(std::string_view ascii) { m_out.append(ascii.begin(), ascii.end()); }
    void put(TextView text) { m_out += text; }
    void put(char16_t c) { m_out += c; }

    // A literal character: letters and digits as they are, anything else as a hex escape
    // (\xhh up to 255, \x{hhhh} beyond).
    void emitChar(char16_t c)
    {
        if (isLetter(c) || isDigit(c)) {
            put(c);
        } else if (c <= 0xFF) {
            put("\\x");
            putHex(c, 2);
        } else {
            put("\\x{");
            putHex(c, 4);
            put(u'}');
        }
        m_canRepeat = true;
    }
    void putHex(char16_t c, int digits)
    {
        static constexpr char Hex[] = "0123456789abcdef";
        for (int shift = 4 * (digits - 1); shift >= 0; shift -= 4)
            put(static_cast<char16_t>(Hex[(c >> shift) & 15]));
    }
    template <typename Piece>
    void emitAtom(Piece text)
    {
        put(text);
        m_canRepeat = true;
    }
    // Anchors, "|" and "(": what follows them cannot be repeated.
    template <typename Piece>
    void emitBoundary(Piece text)
    {
        put(text);
        m_canRepeat = false;
    }

    TextView m_pattern;
    bool m_multiline;
    int m_groups;
    std::size_t m_pos = 0;
    Text m_out;
    bool m_canRepeat = false;
};

void Translator::item(char16_t c)
{
    switch (c) {
    case '\\': escape(); return;
    case '[': characterClass(); return;
    case '(': openGroup(); return;
    case ')': emitAtom(std::string_view(")")); return;
    case '|': emitBoundary(std::string_view("|")); return;
    case '.': emitAtom(AnyButLineEnd); return;
    case '^': emitBoundary(m_multiline ? LineStart : std::string_view("^")); return;
    case '$': emitBoundary(m_multiline ? LineEnd : TextEnd); return;
    case '*':
    case '+':
    case '?': quantifier(m_pattern.substr(m_pos - 1, 1)); return;
    case '{':
        if (!braceQuantifier())
            emitChar('{');
        return;
    default: emitChar(c);
    }
}

// A quantifier repeats the item before it. One with nothing to repeat (at the start, after "(",
// "|", an anchor, or after another quantifier: JScript has no possessive a*+) is "Unexpected
// quantifier". A "?" after it makes it lazy.
void Translator::quantifier(TextView text)
{
    if (!m_canRepeat)
        throw ScriptError::runtime(ErrorCode::RegExpUnexpectedQuantifier);
    put(text);
    if (nextIs('?')) {
        put(u'?');
        ++m_pos;
    }
    m_canRepeat = false;
}

// {n}, {n,} or {n,m} after "{" is a quantifier; any other "{" is the character itself.
bool Translator::braceQuantifier()
{
    std::size_t end = m_pos;
    const auto digits = [this, &end] {
        const std::size_t start = end;
        while (end < m_pattern.size() && isDigit(m_pattern[end]))
            ++end;
        return end > start;
    };
    if (!digits())
        return false;
    if (end < m_pattern.size() && m_pattern[end] == ',') {
        ++end;
        digits();
    }
    if (end >= m_pattern.size() || m_pattern[end] != '}')
        return false;
    const std::size_t open = m_pos - 1;
    m_pos = end + 1;
    quantifier(m_pattern.substr(open, m_pos - open));
    return true;
}

// "(" opens a capture group, "(?:" a plain group, "(?=" and "(?!" lookaheads. Any other "(?"
// has a quantifier with nothing to repeat, as JScript reads it: PCRE2's (?<name>, (?i) and the
// like do not exist there, nor its (*VERB)s, whose "*" the next item refuses the same way.
void Translator::openGroup()
{
    if (nextIs('?')) {
        const char16_t kind = m_pos + 1 < m_pattern.size() ? m_pattern[m_pos + 1] : u'\0';
        if (kind != ':' && kind != '=' && kind != '!')
            throw ScriptError::runtime(ErrorCode::RegExpUnexpectedQuantifier);
        emitBoundary(m_pattern.substr(m_pos - 1, 3));
        m_pos += 2;
        return;
    }
    emitBoundary(std::string_view("("));
}

// An escape outside a class. Letters that JScript gives no meaning stand for themselves, as do
// all other characters; \v is the vertical tab (PCRE2 would read any vertical space).
void Translator::escape()
{
    if (atEnd())
        throw ScriptError::runtime(ErrorCode::RegExpSyntaxError);
    const char16_t c = m_pattern[m_pos++];
    switch (c) {
    case 'b': emitBoundary(std::string_view("\\b")); return;
    case 'B': emitBoundary(std::string_view("\\B")); return;
    case 'd':
    case 'D':
    case 'w':
    case 'W':
    case 's':
    case 'S':
    case 'f':
    case 'n':
    case 'r':
    case 't': emitAtom(m_pattern.substr(m_pos - 2, 2)); return;
    case 'v': emitChar('\v'); return;
    case 'c': controlEscape(false); return;
    case 'x':
    case 'u': hexEscape(c); return;
    default:
        if (isDigit(c))
            decimalEscape(c, false);
        else
            emitChar(c);
    }
}

// [...]. A "]" right after "[" or "[^" closes the class at once: JScript's empty class, which
// matches nothing, and [^], which matches any character. Inside, "[" is itself, never the
// start of a POSIX class, and "-" between two members makes a range.
void Translator::characterClass()
{
    put(u'[');
    if (nextIs('^')) {
        put(u'^');
        ++m_pos;
    }
    while (true) {
        if (atEnd())
            throw ScriptError::runtime(ErrorCode::RegExpExpectedBracket);
        const char16_t c = m_pattern[m_pos++];
        if (c == ']')
            break;
        if (c == '\\')
            classEscape();
        else if (c == '-')
            put(u'-');
        else
            emitChar(c);
    }
    put(u']');
    m_canRepeat = true;
}

// An escape inside a class: \b is the backspace there, and no digit is a backreference.
void Translator::classEscape()
{
    if (atEnd())
        throw ScriptError::runtime(ErrorCode::RegExpExpectedBracket);
    const char16_t c = m_pattern[m_pos++];
    switch (c) {
    case 'd':
    case 'D':
    case 'w':
    case 'W':
    case 's':
    case 'S':
    case 'f':
    case 'n':
    case 'r':
    case 't': put(m_pattern.substr(m_pos - 2, 2)); return;
    case 'b': emitChar('\b'); return;
    case 'v': emitChar('\v'); return;
    case 'c': controlEscape(true); return;
    case 'x':
    case 'u': hexEscape(c); return;
    default:
        if (isDigit(c))
            decimalEscape(c, true);
        else
            emitChar(c);
    }
}

// \cX is the control character of a letter X (and in a class of a digit or "_"); otherwise the
// backslash and the "c" stand for themselves.
void Translator::controlEscape(bool inClass)
{
    if (!atEnd()) {
        const char16_t next = m_pattern[m_pos];
        if (isLetter(next) || (inClass && (isDigit(next) || next == '_'))) {
            ++m_pos;
            emitChar(static_cast<char16_t>(next % 32));
            return;
        }
    }
    emitChar('\\');
    emitChar('c');
}

// \xHH and \uHHHH; without their digits, x and u themselves.
void Translator::hexEscape(char16_t kind)
{
    const std::size_t digits = kind == 'x' ? 2 : 4;
    unsigned value = 0;
    for (std::size_t i = 0; i < digits; ++i) {
        const int digit = m_pos + i < m_pattern.size() ? hexValue(m_pattern[m_pos + i]) : -1;
        if (digit < 0) {
            emitChar(kind);
            return;
        }
        value = value * 16 + static_cast<unsigned>(digit);
    }
    m_pos += digits;
    emitChar(static_cast<char16_t>(value));
}

// \N outside a class is a backreference when the pattern has N groups. Otherwise JScript reads
// an octal escape of up to three digits (\0 alone is NUL), and \8 and \9 as the digits.
void Translator::decimalEscape(char16_t first, bool inClass)
{
    if (!inClass && backreference(first))
        return;
    if (first == '8' || first == '9') {
        emitChar(first);
        return;
    }
    unsigned value = static_cast<unsigned>(first - '0');
    for (int more = 0; more < 2 && !atEnd(); ++more) {
        const char16_t c = m_pattern[m_pos];
        if (c < '0' || c > '7' || value * 8 + static_cast<unsigned>(c - '0') > 0377)
            break;
        value = value * 8 + static_cast<unsigned>(c - '0');
        ++m_pos;
    }
    emitChar(static_cast<char16_t>(value));
}

// All the digits of \N, when they name one of the pattern's groups: written \g{N}, which PCRE2
// never reads as anything else.
bool Translator::backreference(char16_t first)
{
    if (first == '0')
        return false;
    std::size_t end = m_pos;
    long number = first - '0';
    while (end < m_pattern.size() && isDigit(m_pattern[end]) && number <= m_groups) {
        number = number * 10 + (m_pattern[end] - '0');
        ++end;
    }
    if (number > m_groups)
        return false;
    m_pos = end;
    emitAtom(std::string_view("\\g{" + std::to_string(number) + "}"));
    return true;
}

} // namespace

Text translatePattern(TextView pattern, bool multiline)
{
    return Translator(pattern, multiline).run();
}

} // namespace kestrelon::vbs
