// The pattern language of RegExp objects (JScript's) put into PCRE2's: escapes keep their JScript
// meanings, "." and the anchors follow JScript's line ends (CR and LF, each on its own), and
// PCRE2's own constructs ((?<...), (*VERB), \Q, \K, POSIX classes ...) stay out of reach.
#pragma once

#include "vbscript/values/Text.h"

namespace kestrelon::vbs {

// The PCRE2 pattern that matches what the script's pattern matches in JScript. With multiline,
// ^ and $ also match after and before each CR and LF. Raises the errors above for what is
// found wrong here (a quantifier with nothing to repeat, a class without its "]", a "\" at the
// end); PCRE2 finds the rest when it compiles the result.
Text translatePattern(TextView pattern, bool multiline);

} // namespace kestrelon::vbs
