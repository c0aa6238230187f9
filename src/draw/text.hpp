// The TextBuffer and the two text drawers. Every text on screen is formatted into the
// TextBuffer first and drawn from there; the drawers take no string argument.
#pragma once
#include <cstdint>

#include "core/screen.hpp"

namespace gloam::draw {

inline constexpr int TextBufferSize = 256;

struct TextBuffer {
  char text[TextBufferSize] = {};
};

// sprintf into the TextBuffer (truncated safely at 255 characters); returns the number of
// characters the format produced, or -1 on a formatting error.
int formatText(TextBuffer& buffer, const char* format, ...) __attribute__((format(printf, 2, 3)));

// SmallFont: proportional, 9 rows; row 1 of a glyph lands at y + 1, row 9 at y - 7.
void drawText(Screen& screen, const TextBuffer& buffer, int x, int y, Rgb colour);

// LargeFont: fixed 8 x 12; row 1 lands at y - 1, row 12 at y - 12; the pen advances by 8.
void drawTextLarge(Screen& screen, const TextBuffer& buffer, int x, int y, Rgb colour);

}  // namespace gloam::draw
