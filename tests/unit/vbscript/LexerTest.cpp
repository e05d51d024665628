// The lexer: literal subtypes as the script engine chooses them, names and keywords without
// regard to case, continuations and comments, and the place of every lexical error.
#include "vbscript/syntax/Lexer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kestrelon::vbs {
namespace {

std::vector<Token> lex(const std::string& source)
{
    return Lexer(source).tokenize();
}

struct LiteralCase {
    const char* source;
    VarType type;
    double value;
};

class LexerLiteral : public ::testing::TestWithParam<LiteralCase> {};

double numberOf(const Value& value)
{
    switch (value.type()) {
    case VarType::Integer:
    case VarType::Long: return value.wholeNumber();
    case VarType::Double:
    case VarType::Date: return value.asDouble();
    default: return -12345;
    }
}

TEST_P(LexerLiteral, HasTheSubtypeAndValueOfTheScriptEngine)
{
    const auto& param = GetParam();
    const auto tokens = lex(param.source);
    ASSERT_EQ(tokens.size(), 2u) << param.source;
    ASSERT_EQ(tokens[0].kind, TokenKind::Literal) << param.source;
    EXPECT_EQ(tokens[0].value.type(), param.type) << param.source;
    EXPECT_DOUBLE_EQ(numberOf(tokens[0].value), param.value) << param.source;
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, LexerLiteral,
    ::testing::Values(LiteralCase{"0", VarType::Integer, 0}, LiteralCase{"32767", VarType::Integer, 32767},
                      LiteralCase{"32768", VarType::Long, 32768},
                      LiteralCase{"2147483647", VarType::Long, 2147483647.0},
                      LiteralCase{"2147483648", VarType::Double, 2147483648.0},
                      LiteralCase{"010", VarType::Integer, 10},
                      LiteralCase{"0000000000000000000012", VarType::Integer, 12},
                      LiteralCase{"0.5", VarType::Double, 0.5}, LiteralCase{".5", VarType::Double, 0.5},
                      LiteralCase{"10.", VarType::Double, 10}, LiteralCase{"1e2", VarType::Double, 100},
                      LiteralCase{"34E1", VarType::Double, 340}, LiteralCase{"56.789e-2", VarType::Double, 0.56789},
                      LiteralCase{".5e1", VarType::Double, 5}, LiteralCase{"1e-400", VarType::Double, 0},
                      LiteralCase{"&hFF", VarType::Integer, 255}, LiteralCase{"&HFFFF", VarType::Integer, -1},
                      LiteralCase{"&hFFFE", VarType::Integer, -2}, LiteralCase{"&H7FFF", VarType::Integer, 32767},
                      LiteralCase{"&H8000", VarType::Long, -32768}, LiteralCase{"&H8001", VarType::Integer, -32767},
                      LiteralCase{"&h10000", VarType::Long, 65536}, LiteralCase{"&hFFFFFFFF", VarType::Integer, -1},
                      LiteralCase{"&H007FFFFFFF", VarType::Long, 2147483647.0},
                      LiteralCase{"&H0000000000000031", VarType::Integer, 49},
                      LiteralCase{"&hFFFF&", VarType::Long, 65535}, LiteralCase{"&H8000&", VarType::Long, 32768},
                      LiteralCase{"&h10&", VarType::Integer, 16}, LiteralCase{"&O17", VarType::Integer, 15},
                      LiteralCase{"&o17", VarType::Integer, 15}, LiteralCase{"&777", VarType::Integer, 511},
                      LiteralCase{"&010", VarType::Integer, 8}, LiteralCase{"&17&", VarType::Integer, 15},
                      LiteralCase{"&O177777", VarType::Integer, -1}, LiteralCase{"&O177777&", VarType::Long, 65535},
                      LiteralCase{"&O200000", VarType::Long, 65536},
                      LiteralCase{"&O37777777777", VarType::Integer, -1},
                      LiteralCase{"#1/1/2000#", VarType::Date, 36526}, LiteralCase{"# 2000-1-1 #", VarType::Date, 36526},
                      LiteralCase{"#1899-12-31#", VarType::Date, 1}));

TEST(Lexer, StringsTakeDoubledQuotesAsOneQuote)
{
    const auto tokens = lex(R"(x = "say ""hi""")");
    ASSERT_EQ(tokens.size(), 4u);
    EXPECT_EQ(tokens[2].value.asString(), u"say \"hi\"");
}

struct KindsCase {
    const char* source;
    std::vector<TokenKind> kinds;
};

class LexerKinds : public ::testing::TestWithParam<KindsCase> {};

TEST_P(LexerKinds, SplitsTheTextIntoTheseTokens)
{
    const auto tokens = lex(GetParam().source);
    std::vector<TokenKind> kinds;
    for (const auto& token : tokens)
        kinds.push_back(token.kind);
    kinds.pop_back();
    EXPECT_EQ(kinds, GetParam().kinds) << GetParam().source;
}

using K = TokenKind;
INSTANTIATE_TEST_SUITE_P(
    Tokens, LexerKinds,
    ::testing::Values(
        KindsCase{"DIM x : dIm y", {K::Dim, K::Identifier, K::Colon, K::Dim, K::Identifier}},
        KindsCase{"x = 1 ' comment = 2", {K::Identifier, K::Equal, K::Literal}},
        KindsCase{"x = 1 : Rem note", {K::Identifier, K::Equal, K::Literal, K::Colon}},
        KindsCase{"x =_\n  3", {K::Identifier, K::Equal, K::Literal}},
        KindsCase{"x = a _ \t\r\n + b", {K::Identifier, K::Equal, K::Identifier, K::Plus, K::Identifier}},
        KindsCase{"b_\nc", {K::Identifier, K::Newline, K::Identifier}},
        KindsCase{"obj.End obj.If", {K::Identifier, K::Dot, K::Identifier, K::Identifier, K::Dot, K::Identifier}},
        KindsCase{"[dim] = [my var]", {K::Identifier, K::Equal, K::Identifier}},
        KindsCase{"NpS.5", {K::Identifier, K::Literal}},
        KindsCase{"\"x\" &hi", {K::Literal, K::Ampersand, K::Identifier}},
        KindsCase{"&h01or&h02", {K::Literal, K::Or, K::Literal}},
        KindsCase{"a =< b => c >< d <> e", {K::Identifier, K::LessEqual, K::Identifier, K::GreaterEqual, K::Identifier,
                                              K::NotEqual, K::Identifier, K::NotEqual, K::Identifier}},
        KindsCase{"a\r\nb\rc", {K::Identifier, K::Newline, K::Identifier, K::Newline, K::Identifier}},
        KindsCase{"1 & 2", {K::Literal, K::Ampersand, K::Literal}}));

TEST(Lexer, BracketedNamesAreNamesEvenWhenTheyAreKeywords)
{
    const auto tokens = lex("[End If]");
    ASSERT_EQ(tokens[0].kind, TokenKind::Identifier);
    EXPECT_EQ(tokens[0].text, "End If");
    EXPECT_EQ(tokens[0].folded, "end if");
    EXPECT_TRUE(tokens[0].bracketed);
}

TEST(Lexer, TokensKnowTheirLineAndColumnAcrossContinuations)
{
    const auto tokens = lex("a = 1\n  b = _\n    c");
    ASSERT_GE(tokens.size(), 7u);
    EXPECT_EQ(tokens[4].text, "b");
    EXPECT_EQ(tokens[4].line, 2);
    EXPECT_EQ(tokens[4].column, 3);
    EXPECT_EQ(tokens[6].text, "c");
    EXPECT_EQ(tokens[6].line, 3);
    EXPECT_EQ(tokens[6].column, 5);
}

struct ErrorCase {
    const char* source;
    std::int32_t number;
    int line;
    int column;
};

class LexerError : public ::testing::TestWithParam<ErrorCase> {};

TEST_P(LexerError, EndsWithAnInvalidTokenAtTheFault)
{
    const auto& param = GetParam();
    const auto tokens = lex(param.source);
    ASSERT_GE(tokens.size(), 2u);
    const Token& invalid = tokens[tokens.size() - 2];
    ASSERT_EQ(invalid.kind, TokenKind::Invalid) << param.source;
    EXPECT_EQ(errorNumber(invalid.errorNumber), param.number) << param.source;
    EXPECT_EQ(invalid.line, param.line) << param.source;
    EXPECT_EQ(invalid.column, param.column) << param.source;
}

INSTANTIATE_TEST_SUITE_P(
    Faults, LexerError,
    ::testing::Values(ErrorCase{"x = \"abc", 1033, 1, 5}, ErrorCase{"x = \"ab\ncd\"", 1033, 1, 5},
                      ErrorCase{"x = 1e309", 1031, 1, 5}, ErrorCase{"x = 1.8e308", 1031, 1, 5},
                      ErrorCase{"x = 1e", 1031, 1, 5}, ErrorCase{"x = &O8", 1002, 1, 5},
                      ErrorCase{"x = &19", 1002, 1, 5}, ErrorCase{"x = &H123456789", 1031, 1, 5},
                      ErrorCase{"x = [abc", 1007, 1, 5}, ErrorCase{"x = 1 _ ' no", 1032, 1, 7},
                      ErrorCase{"y = 2\nx = a $ b", 1032, 2, 7}, ErrorCase{"x = \xC3\xA9", 1032, 1, 5},
                      ErrorCase{"x = #not a date#", 1002, 1, 5}, ErrorCase{"x = #1/1/2000", 1002, 1, 5},
                      ErrorCase{"x = 1_", 1032, 1, 6}));

TEST(Lexer, NamesLongerThan255CharactersAreRefused)
{
    const auto fine = lex(std::string(255, 'a'));
    EXPECT_EQ(fine[0].kind, TokenKind::Identifier);
    const auto tooLong = lex("x = " + std::string(256, 'a'));
    EXPECT_EQ(tooLong[tooLong.size() - 2].kind, TokenKind::Invalid);
    EXPECT_EQ(tooLong[tooLong.size() - 2].errorNumber, ErrorCode::IdentifierTooLong);
}

} // namespace
} // namespace kestrelon::vbs
