// RegExp objects made by the factory the New keyword calls: searches as JScript's engine makes
// them (tables of Execute and Replace results), the pattern errors PCRE2 finds, the objects
// Execute gives, and searches that cannot end in time or memory ending with a script error.
#include "InterpreterTestSupport.h"
#include "ObjectTestSupport.h"

#include "vbscript/runtime/RegExpObject.h"
#include "vbscript/values/Limits.h"

#include <gtest/gtest.h>

#include <chrono>

namespace kestrelon::vbs::testing {
namespace {

struct Flags {
    bool global = false;
    bool ignoreCase = false;
    bool multiline = false;
};

std::shared_ptr<Object> regExp(const std::string& pattern, Flags flags = {})
{
    auto re = makeRegExp();
    invokeNamed(*re, "Pattern", InvokeKind::Put, {Value::string(widenText(pattern))});
    invokeNamed(*re, "Global", InvokeKind::Put, {Value::boolean(flags.global)});
    invokeNamed(*re, "IgnoreCase", InvokeKind::Put, {Value::boolean(flags.ignoreCase)});
    invokeNamed(*re, "Multiline", InvokeKind::Put, {Value::boolean(flags.multiline)});
    return re;
}

// The matches of Execute as "value@index" joined by "|", each followed by its groups in
// brackets ("[a,<Empty>]") when the pattern has any.
std::string executed(Object& re, const std::string& subject)
{
    const Value matches = invokeNamed(re, "Execute", InvokeKind::Get, {Value::string(widenText(subject))});
    const auto found = matches.asObject()->elements();
    std::string text;
    for (const Value& match : *found) {
        Object& one = *match.asObject();
        text += (text.empty() ? "" : "|") + narrowText(invokeNamed(one, "Value", InvokeKind::Get).asString()) + "@" +
                std::to_string(invokeNamed(one, "FirstIndex", InvokeKind::Get).asLong());
        const auto groups = invokeNamed(one, "SubMatches", InvokeKind::Get).asObject()->elements();
        std::string listed;
        for (const Value& group : *groups)
            listed += (listed.empty() ? "" : ",") + (group.isEmpty() ? std::string("<Empty>") : narrowText(group.asString()));
        if (!groups->empty())
            text += "[" + listed + "]";
    }
    return text;
}

struct Search {
    const char* name;
    const char* pattern;
    Flags flags;
    const char* subject;
    const char* matches;
};

class RegExpExecute : public ::testing::TestWithParam<Search> {};

TEST_P(RegExpExecute, FindsWhatJScriptFinds)
{
    const Search& row = GetParam();
    EXPECT_EQ(executed(*regExp(row.pattern, row.flags), row.subject), row.matches);
}

std::string searchName(const ::testing::TestParamInfo<Search>& info)
{
    return info.param.name;
}

const Flags Global{true};
const Flags GlobalMultiline{true, false, true};

INSTANTIATE_TEST_SUITE_P(
    RegExp, RegExpExecute,
    ::testing::Values(
        Search{"FirstMatchOnlyUnlessGlobal", "\\d+", {}, "a12b345", "12@1"},
        Search{"GlobalFindsEveryMatch", "\\d+", Global, "a12b345", "12@1|345@4"},
        Search{"EmptyMatchesAdvanceOneCharacter", "x*", Global, "axb", "@0|x@1|@2|@3"},
        Search{"EmptyPatternMatchesEverywhere", "", Global, "ab", "@0|@1|@2"},
        Search{"IgnoreCase", "abc", Flags{false, true}, "xABCx", "ABC@1"},
        Search{"CaseCountsByDefault", "abc", {}, "xABCx", ""},
        Search{"AnchorsAreTextEndsWithoutMultiline", "^\\w+$", Global, "one\ntwo", ""},
        Search{"DollarIsNotBeforeAFinalNewline", "a$", {}, "a\n", ""},
        Search{"MultilineAnchorsAtCrAndLf", "^\\w+$", GlobalMultiline, "one\r\ntwo\rthree", "one@0|two@5|three@9"},
        Search{"MultilineEmptyLineBetweenCrAndLf", "^$", GlobalMultiline, "\r\n", "@0|@1|@2"},
        Search{"DotStopsAtCrAndLf", "a.c", Global, "a\rc a\nc a\tc", "a\tc@8"},
        Search{"UnsetBackreferenceMatchesNothing", "(a)?b\\1", {}, "b", "b@0[<Empty>]"},
        Search{"GroupsThatTookNoPartAreEmpty", "(\\w)(\\d)?(x*)", {}, "a", "a@0[a,<Empty>,]"},
        Search{"BackreferenceToEarlierGroup", "(\\w)\\1", Global, "aabcc", "aa@0[a]|cc@3[c]"},
        Search{"OctalEscapeWithoutGroups", "\\101", {}, "zA", "A@1"},
        Search{"EmptyClassMatchesNothing", "a[]", {}, "a]", ""},
        Search{"NegatedEmptyClassMatchesAnything", "[^]", Global, "\n.", "\n@0|.@1"},
        Search{"BracketIsNoPosixClass", "[[:a]+", {}, "x:a[", ":a[@1"},
        Search{"WideCharacterIsItself", "\\u20ac", {}, "?x\x80", "\x80@2"},
        Search{"LazyQuantifier", "<.+?>", Global, "<a><b>", "<a>@0|<b>@3"},
        Search{"Lookahead", "\\w+(?=!)", {}, "no yes!", "yes@3"},
        Search{"WordBoundarySeesTextBeforeTheStart", "\\bb", Global, "ab b", "b@3"},
        Search{"BytesBeyondAscii", "\xe9+", {}, "caf\xe9\xe9", "\xe9\xe9@3"}),
    searchName);

struct Replacement {
    const char* name;
    const char* pattern;
    bool global;
    const char* subject;
    const char* replacement;
    const char* result;
};

class RegExpReplace : public ::testing::TestWithParam<Replacement> {};

TEST_P(RegExpReplace, ExpandsTheReplacement)
{
    const Replacement& row = GetParam();
    const auto re = regExp(row.pattern, Flags{row.global});
    const Value replaced = invokeNamed(*re, "Replace", InvokeKind::Get,
                                       {Value::string(widenText(row.subject)), Value::string(widenText(row.replacement))});
    EXPECT_EQ(narrowText(replaced.asString()), row.result);
}

std::string replacementName(const ::testing::TestParamInfo<Replacement>& info)
{
    return info.param.name;
}

INSTANTIATE_TEST_SUITE_P(
    RegExp, RegExpReplace,
    ::testing::Values(
        Replacement{"FirstOnlyUnlessGlobal", "o", false, "foo", "0", "f0o"},
        Replacement{"EveryMatchWhenGlobal", "o", true, "foo", "0", "f00"},
        Replacement{"Groups", "(\\w+) (\\w+)", false, "John Smith", "$2, $1", "Smith, John"},
        Replacement{"WholeMatchBeforeAndAfter", "b", false, "abc", "[$&|$`|$']", "a[b|a|c]c"},
        Replacement{"DollarDollar", "b", false, "abc", "$$1", "a$1c"},
        Replacement{"DollarZeroStays", "(b)", false, "abc", "$0", "a$0c"},
        Replacement{"GroupBeyondTheCountStays", "(b)", false, "abc", "$2$", "a$2$c"},
        Replacement{"TwoDigitsWhenTheyNameAGroup", "(a)(b)(c)(d)(e)(f)(g)(h)(i)(j)", false, "abcdefghij", "$10$01",
                    "ja"},
        Replacement{"OneDigitWhenTwoNameNoGroup", "(b)", false, "abc", "$12", "ab2c"},
        Replacement{"GroupThatTookNoPartGivesNothing", "(x)?b", false, "abc", "[$1]", "a[]c"},
        Replacement{"EmptyMatchesAdvance", "x*", true, "abc", "-", "-a-b-c-"},
        Replacement{"NoMatchLeavesTheText", "z", true, "abc", "-", "abc"}),
    replacementName);

struct BadPattern {
    const char* pattern;
    int number;
    const char* description;
};

class RegExpPatternErrors : public ::testing::TestWithParam<BadPattern> {};

TEST_P(RegExpPatternErrors, RaiseAtTheSearch)
{
    const auto re = regExp(GetParam().pattern);
    try {
        invokeNamed(*re, "Test", InvokeKind::Get, {Value::string(u"abc")});
        ADD_FAILURE() << GetParam().pattern << " was taken";
    } catch (const ScriptError& error) {
        EXPECT_EQ(error.number(), GetParam().number) << GetParam().pattern;
        EXPECT_EQ(error.description(), GetParam().description);
    }
}

INSTANTIATE_TEST_SUITE_P(
    RegExp, RegExpPatternErrors,
    ::testing::Values(BadPattern{"(abc", 5020, "Expected ')' in regular expression"},
                      BadPattern{"[abc", 5019, "Expected ']' in regular expression"},
                      BadPattern{"[z-a]", 5021, "Invalid range in character set"},
                      BadPattern{"[\\d-z]", 5021, "Invalid range in character set"},
                      BadPattern{"a)", 5017, "Syntax error in regular expression"},
                      BadPattern{"a{3,2}", 5017, "Syntax error in regular expression"},
                      BadPattern{"a|*", 5018, "Unexpected quantifier"},
                      BadPattern{"(?P<x>a)", 5018, "Unexpected quantifier"}));

TEST(RegExp, APatternIsCompiledAgainAfterItOrItsFlagsChange)
{
    const auto re = regExp("^b");
    const Value subject = Value::string(u"a\nB");
    const auto test = [&] { return invokeNamed(*re, "Test", InvokeKind::Get, {subject}).asBoolean(); };
    EXPECT_FALSE(test());
    invokeNamed(*re, "Multiline", InvokeKind::Put, {Value::boolean(true)});
    EXPECT_FALSE(test());
    invokeNamed(*re, "IgnoreCase", InvokeKind::Put, {Value::boolean(true)});
    EXPECT_TRUE(test());
    invokeNamed(*re, "Pattern", InvokeKind::Put, {Value::string(u"^c")});
    EXPECT_FALSE(test());
}

TEST(RegExp, PropertiesKeepWhatTheyAreGiven)
{
    const auto re = makeRegExp();
    EXPECT_EQ(re->typeName(), "IRegExp2");
    EXPECT_EQ(invokeNamed(*re, "Pattern", InvokeKind::Get).asString(), u"");
    EXPECT_FALSE(invokeNamed(*re, "Global", InvokeKind::Get).asBoolean());
    invokeNamed(*re, "Global", InvokeKind::Put, {Value::integer(1)});
    EXPECT_TRUE(invokeNamed(*re, "Global", InvokeKind::Get).asBoolean());
    EXPECT_EQ(errorNumberOf([&] { invokeNamed(*re, "Global", InvokeKind::Put, {Value::string(u"often")}); }), 13);
    EXPECT_EQ(errorNumberOf([&] { invokeNamed(*re, "Test", InvokeKind::Get); }), 450);
    EXPECT_FALSE(re->defaultMember().has_value());
}

// Scripts reach the objects Execute gives as they reach any object: the RegExp is added to the
// host here, as New is not part of the language yet.
TEST(RegExp, ScriptsWalkMatchesAndSubMatches)
{
    ScriptControl host;
    kestrelon::testing::ScriptedDialogs dialogs;
    host.AddObject("re", makeRegExp(), false);
    EXPECT_EQ(runIn(host, dialogs,
                    "re.Pattern = \"(\\w)(\\d)\"\nre.Global = True\nSet found = re.Execute(\"a1 b2\")\n"
                    "MsgBox TypeName(found) & \" \" & found.Count & \" \" & found(1) & \" \" & found.Item(0).Value\n"
                    "For Each m In found\n    MsgBox TypeName(m) & \" \" & m & \" \" & m.FirstIndex & \" \" & m.Length\n"
                    "    For Each g In m.SubMatches\n        MsgBox g\n    Next\nNext\nMsgBox IsEmpty(m) & \" \" & "
                    "TypeName(found(0).SubMatches) & \" \" & found(1).SubMatches(0) & found(1).SubMatches.Count"),
              "IMatchCollection2 2 b2 a1|IMatch2 a1 0 2|a|1|IMatch2 b2 3 2|b|2|True ISubMatches b2");
}

TEST(RegExp, MatchesAreReadOnlyAndIndexedFromZero)
{
    ScriptControl host;
    kestrelon::testing::ScriptedDialogs dialogs;
    host.AddObject("re", makeRegExp(), false);
    EXPECT_EQ(runIn(host, dialogs,
                    "re.Pattern = \"a\"\nSet found = re.Execute(\"a\")\nOn Error Resume Next\nx = found(1)\n"
                    "MsgBox Err.Number\nErr.Clear\nx = found(-1)\nMsgBox Err.Number\nErr.Clear\nfound.Count = 2\n"
                    "MsgBox Err.Number\nErr.Clear\nfound(0).FirstIndex = 3\nMsgBox Err.Number & \" \" & found(0).FirstIndex\n"
                    "Err.Clear\nx = found(0).SubMatches(0)\nMsgBox Err.Number"),
              "5|5|450|450 0|5");
}

// A processor clock that moves 10 ms at every reading, so the time limit comes after a fixed
// amount of work however fast the machine is.
std::chrono::nanoseconds steppingClock()
{
    static std::chrono::nanoseconds now{0};
    now += std::chrono::milliseconds(10);
    return now;
}

TEST(RegExp, ACatastrophicPatternEndsWithTheTimeLimitError)
{
    RunClock clock;
    clock.setProcessorClock(steppingClock);
    clock.start(std::chrono::milliseconds(100), {});
    ActiveLimits limits(clock, DefaultMemoryBudget);
    const auto re = regExp("(a+)+$");
    const Value subject = Value::string(Text(40, u'a') + u"!");
    EXPECT_EQ(errorNumberOf([&] { invokeNamed(*re, "Test", InvokeKind::Get, {subject}); }), TimeLimitErrorNumber);
}

TEST(RegExp, ASearchBacktrackingPastPcre2sLimitsIsOutOfStackSpace)
{
    const auto re = regExp("(?:a|b)*c");
    const Value subject = Value::string(Text(2'000'000, u'a') + u"c");
    EXPECT_EQ(errorNumberOf([&] { invokeNamed(*re, "Test", InvokeKind::Get, {subject}); }), 28);
}

TEST(RegExp, MatchesCountAgainstTheMemoryBudget)
{
    RunClock clock;
    clock.start(DefaultTimeLimit, {});
    ActiveLimits limits(clock, heldMemory() + (std::size_t{4} << 20));
    const auto re = regExp("", Global);
    const Value subject = Value::string(Text(100'000, u' '));
    EXPECT_EQ(errorNumberOf([&] { invokeNamed(*re, "Execute", InvokeKind::Get, {subject}); }), 7);
}

TEST(RegExp, AReplacementLongerThanATextMayBeIsOutOfMemory)
{
    const auto re = regExp("", Global);
    const Value subject = Value::string(Text(1'000, u' '));
    const Value replacement = Value::string(Text(100'000, u'x'));
    EXPECT_EQ(errorNumberOf([&] { invokeNamed(*re, "Replace", InvokeKind::Get, {subject, replacement}); }), 7);
}

} // namespace
} // namespace kestrelon::vbs::testing
