// The translation of JScript patterns into PCRE2's syntax: escapes keep their JScript meanings,
// "." and the anchors follow JScript's line ends, and PCRE2's own constructs stay out of reach,
// refused with the error the Windows engine gives for a quantifier with nothing to repeat.
#include "ObjectTestSupport.h"

#include "vbscript/runtime/RegExpPattern.h"

#include <gtest/gtest.h>

namespace kestrelon::vbs::testing {
namespace {

struct Translation {
    const char* pattern;
    bool multiline;
    const char* pcre2;
};

class PatternTranslation : public ::testing::TestWithParam<Translation> {};

TEST_P(PatternTranslation, GivesPcre2ThePatternsJScriptMeaning)
{
    EXPECT_EQ(narrowText(translatePattern(widenText(GetParam().pattern), GetParam().multiline)), GetParam().pcre2)
        << GetParam().pattern;
}

INSTANTIATE_TEST_SUITE_P(
    RegExp, PatternTranslation,
    ::testing::Values(
        Translation{"ab12", false, "ab12"},
        Translation{"a.b", false, "a[^\\n\\r]b"},
        Translation{"^a$", false, "^a\\z"},
        Translation{"^a$", true, "(?:^|(?<=[\\n\\r]))a(?=[\\n\\r]|\\z)"},
        Translation{"a\\.b c#", false, "a\\x2eb\\x20c\\x23"},
        Translation{"\\d\\W\\s\\b\\B\\t\\n", false, "\\d\\W\\s\\b\\B\\t\\n"},
        Translation{"\\v", false, "\\x0b"},
        Translation{"\\q\\Q\\E\\K\\A\\z\\p", false, "qQEKAzp"},
        Translation{"\\x41\\x4g\\u0041\\u20ac\\u00e9", false, "Ax4gA\\x{20ac}\\xe9"},
        Translation{"\\cJ\\c1", false, "\\x0a\\x5cc1"},
        Translation{"(a)\\1", false, "(a)\\g{1}"},
        Translation{"\\1(a)", false, "\\g{1}(a)"},
        Translation{"(a)\\12", false, "(a)\\x0a"},
        Translation{"\\12\\8\\0\\101\\400", false, "\\x0a8\\x00A\\x200"},
        Translation{"(?:a)(?=b)(?!c)", false, "(?:a)(?=b)(?!c)"},
        Translation{"a*?b+c?d{2}e{2,}f{2,3}?", false, "a*?b+c?d{2}e{2,}f{2,3}?"},
        Translation{"a{x}b{2,c{}", false, "a\\x7bx\\x7db\\x7b2\\x2cc\\x7b\\x7d"},
        Translation{"[a-z\\d]", false, "[a-z\\d]"},
        Translation{"[^.$]", true, "[^\\x2e\\x24]"},
        Translation{"[[:alpha:]]", false, "[\\x5b\\x3aalpha\\x3a]\\x5d"},
        Translation{"[\\b\\B\\-\\1]", false, "[\\x08B\\x2d\\x01]"},
        Translation{"[\\c1\\c_]", false, "[\\x11\\x1f]"},
        Translation{"[]a[^]", false, "[]a[^]"}));

struct Refusal {
    const char* pattern;
    ErrorCode error;
};

class PatternRefusal : public ::testing::TestWithParam<Refusal> {};

TEST_P(PatternRefusal, RaisesThePatternError)
{
    EXPECT_EQ(errorNumberOf([] { translatePattern(widenText(GetParam().pattern), false); }), errorNumber(GetParam().error))
        << GetParam().pattern;
}

INSTANTIATE_TEST_SUITE_P(
    RegExp, PatternRefusal,
    ::testing::Values(Refusal{"(?<name>a)", ErrorCode::RegExpUnexpectedQuantifier}, Refusal{"(?i)a", ErrorCode::RegExpUnexpectedQuantifier},
                      Refusal{"(?<=a)b", ErrorCode::RegExpUnexpectedQuantifier}, Refusal{"(*FAIL)", ErrorCode::RegExpUnexpectedQuantifier},
                      Refusal{"(*LIMIT_MATCH=1)a", ErrorCode::RegExpUnexpectedQuantifier},
                      Refusal{"*a", ErrorCode::RegExpUnexpectedQuantifier}, Refusal{"a**", ErrorCode::RegExpUnexpectedQuantifier},
                      Refusal{"a*+", ErrorCode::RegExpUnexpectedQuantifier}, Refusal{"a{2}{3}", ErrorCode::RegExpUnexpectedQuantifier},
                      Refusal{"a|?", ErrorCode::RegExpUnexpectedQuantifier}, Refusal{"^*", ErrorCode::RegExpUnexpectedQuantifier},
                      Refusal{"\\b+", ErrorCode::RegExpUnexpectedQuantifier}, Refusal{"[abc", ErrorCode::RegExpExpectedBracket},
                      Refusal{"[a\\", ErrorCode::RegExpExpectedBracket}, Refusal{"abc\\", ErrorCode::RegExpSyntaxError}));

} // namespace
} // namespace kestrelon::vbs::testing
