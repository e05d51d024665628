// The lexer: blanks, comments, line breaks and continuations, names and keywords, operators,
// and the literals with the subtype VBScript gives each of them.
#include "vbscript/syntax/Lexer.h"

#include "vbscript/host/HostBinding.h"
#include "vbscript/values/Calendar.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>

namespace kestrelon::vbs {
namespace {

constexpr size_t MaxNameLength = 255;

struct KeywordEntry {
    const char* name;
    TokenKind kind;
};

constexpr std::array Keywords = {
    KeywordEntry{"and", TokenKind::And},           KeywordEntry{"byref", TokenKind::ByRef},
    KeywordEntry{"byval", TokenKind::ByVal},       KeywordEntry{"call", TokenKind::Call},
    KeywordEntry{"case", TokenKind::Case},         KeywordEntry{"class", TokenKind::Class},
    KeywordEntry{"const", TokenKind::Const},       KeywordEntry{"dim", TokenKind::Dim},
    KeywordEntry{"do", TokenKind::Do},             KeywordEntry{"each", TokenKind::Each},
    KeywordEntry{"else", TokenKind::Else},         KeywordEntry{"elseif", TokenKind::ElseIf},
    KeywordEntry{"empty", TokenKind::Empty},       KeywordEntry{"end", TokenKind::End},
    KeywordEntry{"eqv", TokenKind::Eqv},           KeywordEntry{"erase", TokenKind::Erase},
    KeywordEntry{"exit", TokenKind::Exit},         KeywordEntry{"false", TokenKind::False},
    KeywordEntry{"for", TokenKind::For},           KeywordEntry{"function", TokenKind::Function},
    KeywordEntry{"get", TokenKind::Get},           KeywordEntry{"goto", TokenKind::GoTo},
    KeywordEntry{"if", TokenKind::If},             KeywordEntry{"imp", TokenKind::Imp},
    KeywordEntry{"in", TokenKind::In},             KeywordEntry{"is", TokenKind::Is},
    KeywordEntry{"let", TokenKind::Let},           KeywordEntry{"loop", TokenKind::Loop},
    KeywordEntry{"me", TokenKind::Me},             KeywordEntry{"mod", TokenKind::Mod},
    KeywordEntry{"new", TokenKind::New},           KeywordEntry{"next", TokenKind::Next},
    KeywordEntry{"not", TokenKind::Not},           KeywordEntry{"nothing", TokenKind::Nothing},
    KeywordEntry{"null", TokenKind::Null},         KeywordEntry{"on", TokenKind::On},
    KeywordEntry{"option", TokenKind::Option},     KeywordEntry{"or", TokenKind::Or},
    KeywordEntry{"preserve", TokenKind::Preserve}, KeywordEntry{"private", TokenKind::Private},
    KeywordEntry{"public", TokenKind::Public},     KeywordEntry{"redim", TokenKind::ReDim},
    KeywordEntry{"resume", TokenKind::Resume},     KeywordEntry{"select", TokenKind::Select},
    KeywordEntry{"set", TokenKind::Set},           KeywordEntry{"stop", TokenKind::Stop},
    KeywordEntry{"sub", TokenKind::Sub},           KeywordEntry{"then", TokenKind::Then},
    KeywordEntry{"to", TokenKind::To},             KeywordEntry{"true", TokenKind::True},
    KeywordEntry{"until", TokenKind::Until},       KeywordEntry{"wend", TokenKind::Wend},
    KeywordEntry{"while", TokenKind::While},       KeywordEntry{"with", TokenKind::With},
    KeywordEntry{"xor", TokenKind::Xor},
};

const std::unordered_map<std::string, TokenKind>& keywordTable()
{
    static const auto table = [] {
        std::unordered_map<std::string, TokenKind> map;
        for (const auto& entry : Keywords)
            map.emplace(entry.name, entry.kind);
        return map;
    }();
    return table;
}

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool isNameChar(char c)
{
    return isLetter(c) || isDigit(c) || c == '_';
}

bool isHexDigit(char c)
{
    return isDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\v' || c == '\f';
}

// A whole-number literal is Integer when it fits in -32767..32767, Long otherwise: there are no
// negative literals, so -32768 is the Long 32768 negated.
Value wholeLiteral(std::int32_t value)
{
    if (value >= -32767 && value <= 32767)
        return Value::integer(static_cast<std::int16_t>(value));
    return Value::longValue(value);
}

// The decimal exponent of the leading digit of a literal such as "0.0012e-3" (here -6), to
// tell an underflow (the value reads as 0) from an overflow (an invalid number).
int leadingExponent(std::string_view text)
{
    const size_t ePos = text.find_first_of("eE");
    const std::string_view mantissa = text.substr(0, ePos);
    int exponent = 0;
    if (ePos != std::string_view::npos)
        std::from_chars(text.data() + ePos + 1 + (text[ePos + 1] == '+'), text.data() + text.size(), exponent);
    const size_t point = std::min(mantissa.find('.'), mantissa.size());
    const size_t first = mantissa.find_first_of("123456789");
    if (first == std::string_view::npos)
        return -1;
    const int position = first < point ? static_cast<int>(point - first) - 1 : -static_cast<int>(first - point);
    return exponent + position;
}

// The Double a literal stands for; nullopt beyond the Double range. Values too small for a
// Double read as 0, as the script engine reads them.
std::optional<double> doubleLiteral(std::string_view text)
{
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error == std::errc::result_out_of_range)
        return leadingExponent(text) < 0 ? std::optional<double>(0.0) : std::nullopt;
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::string_view trimBlanks(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

} // namespace

const char* tokenKindName(TokenKind kind)
{
    switch (kind) {
    case TokenKind::EndOfInput: return "end of input";
    case TokenKind::Invalid: return "invalid token";
    case TokenKind::Newline: return "line break";
    case TokenKind::Colon: return ":";
    case TokenKind::Identifier: return "identifier";
    case TokenKind::Literal: return "literal";
    case TokenKind::LeftParen: return "(";
    case TokenKind::RightParen: return ")";
    case TokenKind::Comma: return ",";
    case TokenKind::Dot: return ".";
    case TokenKind::Plus: return "+";
    case TokenKind::Minus: return "-";
    case TokenKind::Star: return "*";
    case TokenKind::Slash: return "/";
    case TokenKind::Backslash: return "\\";
    case TokenKind::Caret: return "^";
    case TokenKind::Ampersand: return "&";
    case TokenKind::Equal: return "=";
    case TokenKind::NotEqual: return "<>";
    case TokenKind::Less: return "<";
    case TokenKind::Greater: return ">";
    case TokenKind::LessEqual: return "<=";
    case TokenKind::GreaterEqual: return ">=";
    default: break;
    }
    const auto found = std::find_if(Keywords.begin(), Keywords.end(),
                                    [kind](const KeywordEntry& entry) { return entry.kind == kind; });
    return found == Keywords.end() ? "?" : found->name;
}

std::vector<Token> Lexer::tokenize()
{
    m_tokens.clear();
    try {
        while (true) {
            if (!skipBlanksAndContinuations())
                break;
            m_tokenStart = m_pos;
            scanToken();
            m_continued = false;
        }
    } catch (const LexError& error) {
        Token& invalid = push(TokenKind::Invalid);
        invalid.line = error.line;
        invalid.column = error.column;
        invalid.errorNumber = error.number;
    }
    push(TokenKind::EndOfInput);
    return std::move(m_tokens);
}

// Skips blanks and " _" continuations; false at the end of the text.
bool Lexer::skipBlanksAndContinuations()
{
    while (!atEnd()) {
        const char c = peek();
        if (isBlank(c)) {
            ++m_pos;
        } else if (c == '_' && !(m_pos > 0 && isNameChar(m_source[m_pos - 1]))) {
            const int line = m_line;
            const int col = column();
            ++m_pos;
            while (!atEnd() && isBlank(peek()))
                ++m_pos;
            if (atEnd())
                return false;
            if (peek() != '\r' && peek() != '\n')
                failAt(ErrorCode::InvalidCharacter, line, col);
            m_pos += (peek() == '\r' && peek(1) == '\n') ? 2 : 1;
            ++m_line;
            m_lineStart = m_pos;
            m_continued = true;
        } else {
            return true;
        }
    }
    return false;
}

void Lexer::scanToken()
{
    const char c = peek();
    if (c == '\r' || c == '\n')
        scanNewline();
    else if (c == '\'')
        skipComment();
    else if (isLetter(c))
        scanWord();
    else if (c == '[')
        scanBracketedName();
    else if (c == '"')
        scanString();
    else if (isDigit(c) || (c == '.' && isDigit(peek(1))))
        scanDecimalNumber();
    else if (c == '&' && startsRadixNumber())
        scanRadixNumber();
    else if (c == '#')
        scanDate();
    else if (!scanOperator())
        fail(ErrorCode::InvalidCharacter);
}

// "&H1F", "&O17" and "&17" are numbers; "&hi" is "&" followed by the name hi.
bool Lexer::startsRadixNumber() const
{
    const char prefix = peek(1);
    if (isDigit(prefix))
        return true;
    if (prefix == 'h' || prefix == 'H')
        return isHexDigit(peek(2));
    return (prefix == 'o' || prefix == 'O') && isDigit(peek(2));
}

void Lexer::skipComment()
{
    while (!atEnd() && peek() != '\r' && peek() != '\n')
        ++m_pos;
}

void Lexer::scanNewline()
{
    push(TokenKind::Newline);
    m_pos += (peek() == '\r' && peek(1) == '\n') ? 2 : 1;
    ++m_line;
    m_lineStart = m_pos;
}

// A name or keyword. After "." every word is a member name, keywords included; "Rem" elsewhere
// starts a comment.
void Lexer::scanWord()
{
    while (!atEnd() && isNameChar(peek()))
        ++m_pos;
    const std::string_view word = m_source.substr(m_tokenStart, m_pos - m_tokenStart);
    if (word.size() > MaxNameLength)
        failAt(ErrorCode::IdentifierTooLong, m_line, static_cast<int>(m_tokenStart - m_lineStart) + 1);
    std::string folded = binding::foldName(word);
    const bool afterDot = !m_tokens.empty() && m_tokens.back().kind == TokenKind::Dot;
    if (!afterDot) {
        if (folded == "rem") {
            skipComment();
            return;
        }
        const auto& keywords = keywordTable();
        if (const auto found = keywords.find(folded); found != keywords.end()) {
            push(found->second).text = std::string(word);
            return;
        }
    }
    Token& token = push(TokenKind::Identifier);
    token.text = std::string(word);
    token.folded = std::move(folded);
}

// [any name]: every character but "]" and line breaks, keywords included.
void Lexer::scanBracketedName()
{
    ++m_pos;
    const size_t start = m_pos;
    while (!atEnd() && peek() != ']' && peek() != '\r' && peek() != '\n')
        ++m_pos;
    if (atEnd() || peek() != ']')
        fail(ErrorCode::ExpectedRightBracket);
    // Names are held as 1252 bytes wherever they were written, so that a name written in a
    // code text is the one written in the script's file.
    const std::string_view written = m_source.substr(start, m_pos - start);
    const std::string name = m_form == SourceForm::CodeText ? narrowText(unitsFromUtf8(written)) : std::string(written);
    ++m_pos;
    if (name.size() > MaxNameLength)
        failAt(ErrorCode::IdentifierTooLong, m_line, static_cast<int>(m_tokenStart - m_lineStart) + 1);
    Token& token = push(TokenKind::Identifier);
    token.text = name;
    token.folded = binding::foldName(name);
    token.bracketed = true;
}

// "text" with "" standing for one quote; a line break before the closing quote is an error.
void Lexer::scanString()
{
    ++m_pos;
    std::string text;
    while (true) {
        if (atEnd() || peek() == '\r' || peek() == '\n')
            fail(ErrorCode::UnterminatedString);
        const char c = peek();
        ++m_pos;
        if (c == '"') {
            if (peek() != '"')
                break;
            ++m_pos;
        }
        text += c;
    }
    Text units = m_form == SourceForm::CodeText ? unitsFromUtf8(text) : widenText(text);
    push(TokenKind::Literal).value = Value::string(std::move(units));
}

// 12, 007, 3.5, .5, 10., 1e3, 56.789e-2: whole numbers that fit in 32 bits are Integer or
// Long, everything else Double.
void Lexer::scanDecimalNumber()
{
    bool isDouble = false;
    while (isDigit(peek()))
        ++m_pos;
    if (peek() == '.') {
        isDouble = true;
        ++m_pos;
        while (isDigit(peek()))
            ++m_pos;
    }
    if (peek() == 'e' || peek() == 'E') {
        isDouble = true;
        const size_t sign = (peek(1) == '+' || peek(1) == '-') ? 1 : 0;
        if (!isDigit(peek(1 + sign)))
            fail(ErrorCode::InvalidNumber);
        m_pos += 1 + sign;
        while (isDigit(peek()))
            ++m_pos;
    }
    const std::string_view text = m_source.substr(m_tokenStart, m_pos - m_tokenStart);
    std::int64_t whole = 0;
    if (!isDouble) {
        const std::string_view digits = text.substr(std::min(text.find_first_not_of('0'), text.size()));
        if (digits.size() <= 10) {
            std::from_chars(digits.data(), digits.data() + digits.size(), whole);
            if (whole <= INT32_MAX) {
                push(TokenKind::Literal).value = wholeLiteral(static_cast<std::int32_t>(whole));
                return;
            }
        }
    }
    const auto value = doubleLiteral(text);
    if (!value)
        fail(ErrorCode::InvalidNumber);
    push(TokenKind::Literal).value = Value::doubleValue(*value);
}

// &H1F, &O17 and &17 (octal). Without a trailing "&" a value that fits in 16 bits is read as
// a 16-bit pattern (&HFFFF is -1); the subtype then follows the value as for decimals.
void Lexer::scanRadixNumber()
{
    ++m_pos;
    const bool hex = peek() == 'h' || peek() == 'H';
    if (hex || peek() == 'o' || peek() == 'O')
        ++m_pos;
    std::uint64_t value = 0;
    bool badDigit = false;
    bool tooLong = false;
    while (hex ? isHexDigit(peek()) : isDigit(peek())) {
        const char c = peek();
        const int digit = isDigit(c) ? c - '0' : (c | 0x20) - 'a' + 10;
        badDigit = badDigit || (!hex && digit >= 8);
        value = value * (hex ? 16 : 8) + static_cast<std::uint64_t>(digit);
        tooLong = tooLong || value > 0xFFFFFFFFull;
        value &= 0xFFFFFFFFFull;
        ++m_pos;
    }
    if (badDigit)
        fail(ErrorCode::SyntaxError);
    if (tooLong)
        fail(ErrorCode::InvalidNumber);
    const bool longSuffix = peek() == '&';
    if (longSuffix)
        ++m_pos;
    const std::int32_t number = (!longSuffix && value <= 0xFFFF)
                                    ? static_cast<std::int16_t>(static_cast<std::uint16_t>(value))
                                    : static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
    push(TokenKind::Literal).value = wholeLiteral(number);
}

// #1/15/2024#, # 2000-1-1 #: a date on one line, read as the script locale reads dates.
void Lexer::scanDate()
{
    ++m_pos;
    const size_t start = m_pos;
    while (!atEnd() && peek() != '#' && peek() != '\r' && peek() != '\n')
        ++m_pos;
    if (atEnd() || peek() != '#')
        fail(ErrorCode::SyntaxError);
    const std::string_view text = trimBlanks(m_source.substr(start, m_pos - start));
    ++m_pos;
    const auto serial = calendar::parseDate(text);
    if (!serial)
        fail(ErrorCode::SyntaxError);
    push(TokenKind::Literal).value = Value::date(*serial);
}

bool Lexer::scanOperator()
{
    const char c = peek();
    const char next = peek(1);
    auto two = [this](TokenKind kind) {
        push(kind);
        m_pos += 2;
        return true;
    };
    auto one = [this](TokenKind kind) {
        push(kind);
        m_pos += 1;
        return true;
    };
    switch (c) {
    case '<':
        if (next == '>')
            return two(TokenKind::NotEqual);
        if (next == '=')
            return two(TokenKind::LessEqual);
        return one(TokenKind::Less);
    case '>':
        if (next == '<')
            return two(TokenKind::NotEqual);
        if (next == '=')
            return two(TokenKind::GreaterEqual);
        return one(TokenKind::Greater);
    case '=':
        if (next == '<')
            return two(TokenKind::LessEqual);
        if (next == '>')
            return two(TokenKind::GreaterEqual);
        return one(TokenKind::Equal);
    case ':': return one(TokenKind::Colon);
    case '(': {
        const char before = m_pos > m_lineStart ? m_source[m_pos - 1] : '\n';
        one(TokenKind::LeftParen);
        m_tokens.back().joined = isNameChar(before) || before == ')' || before == ']';
        return true;
    }
    case ')': return one(TokenKind::RightParen);
    case ',': return one(TokenKind::Comma);
    case '.': {
        const char before = m_pos > m_lineStart ? m_source[m_pos - 1] : '\n';
        const bool joined = m_continued || isNameChar(before) || before == ')' || before == ']';
        one(TokenKind::Dot);
        m_tokens.back().joined = joined;
        return true;
    }
    case '+': return one(TokenKind::Plus);
    case '-': return one(TokenKind::Minus);
    case '*': return one(TokenKind::Star);
    case '/': return one(TokenKind::Slash);
    case '\\': return one(TokenKind::Backslash);
    case '^': return one(TokenKind::Caret);
    case '&': return one(TokenKind::Ampersand);
    default: return false;
    }
}

Token& Lexer::push(TokenKind kind)
{
    Token& token = m_tokens.emplace_back();
    token.kind = kind;
    token.line = m_line;
    token.column = static_cast<int>(m_tokenStart - m_lineStart) + 1;
    if (m_tokenStart < m_lineStart || kind == TokenKind::EndOfInput)
        token.column = column();
    return token;
}

void Lexer::fail(ErrorCode number) const
{
    failAt(number, m_line, static_cast<int>(m_tokenStart - m_lineStart) + 1);
}

void Lexer::failAt(ErrorCode number, int line, int column) const
{
    throw LexError{number, line, column};
}

char Lexer::peek(size_t ahead) const
{
    const size_t at = m_pos + ahead;
    return at < m_source.size() ? m_source[at] : '\0';
}

} // namespace kestrelon::vbs
