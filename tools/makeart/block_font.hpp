// A 5x7 block font for the few words the tool paints: slot numbers on the contact sheet and the
// title on the intro screen. Digits and the capitals A, D, E, G, L, M, O, V only.
#pragma once
#include <string_view>

#include "makeart/canvas.hpp"

namespace gloam::makeart {

inline constexpr int GlyphWidth = 5;
inline constexpr int GlyphHeight = 7;

// Draws `text` with its top-left at (x, y), each font pixel a scale x scale block, one blank
// column between letters. Characters outside the font leave a gap.
void drawBlockText(Canvas& c, int x, int y, std::string_view text, int scale, Colour ink);

// Width in pixels of `text` drawn at `scale`.
int blockTextWidth(std::string_view text, int scale);

}  // namespace gloam::makeart
