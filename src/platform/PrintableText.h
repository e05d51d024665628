// Text from project files, An8 files and scripts made safe to print on a terminal: a control
// character from such text could move the cursor, recolour or clear the user's screen, or hide
// what the message says. kestrelon-cli and the file errors print through here.
#pragma once

#include <string>
#include <string_view>

namespace kestrelon {

// What becomes of a tab: kept where it only lays out a message, escaped where it would split
// a tab-separated column.
enum class Tabs { Keep, Escape };

// The text with every control character written as "\x" and two lower-case hex digits: the
// bytes 0-31 (line breaks included) and 127, the controls 128-159 in their UTF-8 form (both
// bytes), and the bytes 128-159 that are no part of UTF-8 text, which 8-bit terminals obey.
// Everything else, backslashes and letters in UTF-8 or Latin-1, stays as it is.
std::string printableText(std::string_view text, Tabs tabs = Tabs::Keep);

} // namespace kestrelon
