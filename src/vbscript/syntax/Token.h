// The tokens of a script as the lexer hands them to the parser: keywords, names, literals with
// their VBScript subtype already chosen, operators and the line breaks that end statements.
// Every token keeps its line and column, so every error can name its place.
#pragma once

#include "vbscript/values/ErrorCatalogue.h"
#include "vbscript/values/Value.h"

#include <cstdint>
#include <string>

namespace kestrelon::vbs {

enum class TokenKind : std::uint8_t {
    EndOfInput,
    Invalid, // a lexical error; errorNumber says which
    Newline,
    Colon,
    Identifier,
    Literal, // number, string or date; the value is in Token::value
    LeftParen,
    RightParen,
    Comma,
    Dot,
    // operators
    Plus,
    Minus,
    Star,
    Slash,
    Backslash,
    Caret,
    Ampersand,
    Equal,
    NotEqual,
    Less,
    Greater,
    LessEqual,
    GreaterEqual,
    // reserved words
    And,
    ByRef,
    ByVal,
    Call,
    Case,
    Class,
    Const,
    Dim,
    Do,
    Each,
    Else,
    ElseIf,
    Empty,
    End,
    Eqv,
    Erase,
    Exit,
    False,
    For,
    Function,
    Get,
    GoTo,
    If,
    Imp,
    In,
    Is,
    Let,
    Loop,
    Me,
    Mod,
    New,
    Next,
    Not,
    Nothing,
    Null,
    On,
    Option,
    Or,
    Preserve,
    Private,
    Public,
    ReDim,
    Resume,
    Select,
    Set,
    Stop,
    Sub,
    Then,
    To,
    True,
    Until,
    Wend,
    While,
    With,
    Xor,
};

struct Token {
    TokenKind kind = TokenKind::EndOfInput;
    int line = 1;
    int column = 1;
    // Identifier: the name as written (without brackets); keywords: their spelling.
    std::string text;
    // Identifier: the lower-case form that names are matched by.
    std::string folded;
    // Literal: the value with its subtype (Integer, Long, Double, String or Date).
    Value value;
    // Invalid: the compilation error number.
    ErrorCode errorNumber = ErrorCode::SyntaxError;
    // Identifier written in brackets ([my var]): never a keyword.
    bool bracketed = false;
    // Dot written right after a name or ")" (or first on a continued line): a member access.
    // A dot after a blank starts a member of the With object instead (MsgBox .Name).
    // LeftParen written right after a name or ")": in a call statement, "f (a)(b)" passes
    // (a)(b) while "f(a)(b)" calls what f(a) gives.
    bool joined = false;
};

// The name of a token kind for messages and tests ("End", "identifier", "(").
const char* tokenKindName(TokenKind kind);

} // namespace kestrelon::vbs
