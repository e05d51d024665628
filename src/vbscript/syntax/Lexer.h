// The lexer: script text to tokens. Keywords and names are matched without regard to case,
// literals get the subtype VBScript gives them (Integer, Long or Double by size; &H and &O
// with their 16-bit rule; #dates#), and " _" joins a line to the next one.
#pragma once

#include "vbscript/syntax/Token.h"

#include <string_view>
#include <vector>

namespace kestrelon::vbs {

// How the bytes of a source are read. A script file is 1252 bytes, as every file of the product.
// The code text Execute, ExecuteGlobal and Eval take is a script text, whose string literals may
// hold units 1252 has no byte for (Execute "x = """ & ChrW(960) & """"); it comes as the units
// written one by one in UTF-8 (unitsAsUtf8), which keeps every ASCII byte as itself, so all the
// rules of the language read it unchanged while its literals get their units back whole.
enum class SourceForm { Bytes1252, CodeText };

class Lexer {
public:
    explicit Lexer(std::string_view source, SourceForm form = SourceForm::Bytes1252)
        : m_source(source), m_form(form)
    {
    }

    // Every token of the text, ending with EndOfInput. A lexical error becomes an Invalid
    // token at its place (followed by EndOfInput), so that the parser reports an earlier
    // syntax error first, as the script engine reads the text from the top.
    std::vector<Token> tokenize();

private:
    struct LexError {
        ErrorCode number;
        int line;
        int column;
    };

    void scanToken();
    bool skipBlanksAndContinuations();
    void skipComment();
    void scanNewline();
    void scanWord();
    void scanBracketedName();
    void scanString();
    void scanDecimalNumber();
    bool startsRadixNumber() const;
    void scanRadixNumber();
    void scanDate();
    bool scanOperator();

    Token& push(TokenKind kind);
    [[noreturn]] void fail(ErrorCode number) const;
    [[noreturn]] void failAt(ErrorCode number, int line, int column) const;

    char peek(size_t ahead = 0) const;
    bool atEnd() const { return m_pos >= m_source.size(); }
    int column() const { return static_cast<int>(m_pos - m_lineStart) + 1; }

    std::string_view m_source;
    SourceForm m_form;
    size_t m_pos = 0;
    size_t m_lineStart = 0;
    int m_line = 1;
    size_t m_tokenStart = 0;
    bool m_continued = false; // the token follows a " _" line continuation
    std::vector<Token> m_tokens;
};

} // namespace kestrelon::vbs
