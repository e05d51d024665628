// A small bitmap font for the still image's corner label: the digits, signs and letters the
// label uses, each 5 by 7 dots, so an image is drawn the same on every machine without fonts.
#pragma once

#include <array>
#include <string_view>

namespace kestrelon::preview {

inline constexpr int GlyphColumns = 5;
inline constexpr int GlyphRows = 7;
inline constexpr int GlyphAdvance = 6; // columns from one letter to the next

// The rows of c's glyph, '#' for a dot; a character the font lacks is blank.
const std::array<std::string_view, GlyphRows>& glyphOf(char c);

} // namespace kestrelon::preview
