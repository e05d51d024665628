// The replacement text of RegExp.Replace, built piece by piece within the engine's limits on
// texts: $1 to $99 give a group's text, $& the match, $` the text before it, $' the text after
// it and $$ one "$"; a "$" anywhere else is itself.
#pragma once

#include "vbscript/runtime/CompiledPattern.h"

#include "vbscript/values/Text.h"

namespace kestrelon::vbs {

// Appends a piece of text; raises "Out of memory" (7), appending nothing, when the text would
// grow past the longest a script may build, and counts the piece towards the time limit.
void appendPiece(Text& out, TextView piece);

// Appends what replacement makes of one match (spans) of subject. $nn takes two digits when
// they name one of the groups, else one digit when it does (the second digit is then text);
// "$" before digits that name no group, and $0, stay as written. A group that took no part
// gives "".
void appendReplacement(Text& out, TextView replacement, TextView subject,
                       const MatchSpans& spans);

} // namespace kestrelon::vbs
