// The pattern language of RegExp objects (JScript's) put into PCRE2's: escapes keep their JScript
// meanings, "." and the anchors follow JScript's line ends (CR and LF, each on its own), and
// PCRE2's own constructs ((?<...), (*VERB), \Q, \K, POSIX classes ...) stay out of reach.
#pragma once

#include <string>
#include <string_view>

namespace kestrelon::vbs {

// RegExp's pattern errors.
inline constexpr int RegExpSyntaxError = 5017;         // "Syntax error in regular expression"
inline constexpr int RegExpUnexpectedQuantifier = 5018; // "Unexpected quantifier"
inline constexpr int RegExpExpectedBracket = 5019;      // "Expected ']' in regular expression"
inline constexpr int RegExpExpectedParenthesis = 5020;  // "Expected ')' in regular expression"
inline constexpr int RegExpInvalidRange = 5021;         // "Invalid range in character set"

// The PCRE2 pattern that matches what the script's pattern matches in JScript. With multiline,
// ^ and $ also match after and before each CR and LF. Raises the errors above for what is
// found wrong here (a quantifier with nothing to repeat, a class without its "]", a "\" at the
// end); PCRE2 finds the rest when it compiles the result.
std::string translatePattern(std::string_view pattern, bool multiline);

} // namespace kestrelon::vbs
