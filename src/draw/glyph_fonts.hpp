// The two bitmap fonts, SmallFont and LargeFont, as tables of glyph strings indexed by character code.
// A glyph is a string of '0' and '1'; codes without a glyph hold a short label naming the code, which the
// lookups below refuse, so no drawer ever reads a label as a bitmap.
#pragma once
#include <array>
#include <string_view>

namespace gloam::draw {

inline constexpr int GlyphCodeCount = 128;

struct GlyphFont {
  std::array<std::string_view, GlyphCodeCount> entries;
};

// SmallFont: 11 rows of 8; row 0 is the header (width digit, then an ignored digit), rows 1..9 are drawn.
inline constexpr int SmallGlyphRowLength = 8;
inline constexpr int SmallGlyphFirstRow = 1;
inline constexpr int SmallGlyphLastRow = 9;
inline constexpr int SmallGlyphMaxWidth = 8;
// LargeFont: 13 rows of 10; rows 1..12 and columns 0..7 are drawn.
inline constexpr int LargeGlyphRowLength = 10;
inline constexpr int LargeGlyphFirstRow = 1;
inline constexpr int LargeGlyphLastRow = 12;
inline constexpr int LargeGlyphColumns = 8;
inline constexpr int LargeGlyphAdvance = 8;
// A code without a glyph draws nothing and moves the pen as a space of its font does.
inline constexpr int SmallMissingGlyphAdvance = 3;
inline constexpr int LargeMissingGlyphAdvance = LargeGlyphAdvance;

extern const GlyphFont SmallFont;
extern const GlyphFont LargeFont;

// The glyph string of code c, or an empty view when the font has no glyph for it (labels, codes >= 128).
std::string_view smallGlyph(unsigned char c);
std::string_view largeGlyph(unsigned char c);

// The width digit of a SmallFont glyph (0 for an empty view).
int smallGlyphWidth(std::string_view glyph);

}  // namespace gloam::draw
