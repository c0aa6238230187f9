// Text that reads over bright tiles: each line is drawn on a dark strip, the pixels under the
// text's box darkened to a quarter of their brightness, so the view still shows through.
#pragma once
#include <cstdint>
#include <string_view>

#include "core/rgb.hpp"
#include "core/screen.hpp"
#include "draw/text.hpp"

namespace gloam::comfort {

using Colour = Rgb;

inline constexpr int StripPadding = 1;    // pixels of strip around the text's box
inline constexpr int StripDarkening = 4;  // the strip divides each channel by this

// Pixel width of the TextBuffer's text as drawText and drawTextLarge advance over it.
int smallTextWidth(const draw::TextBuffer& text);
int largeTextWidth(const draw::TextBuffer& text);

// Darkens the rectangle from (left, bottom) to (right, top), both inclusive, clipped to the screen.
void darkenRect(Screen& screen, int left, int bottom, int right, int top);

// The TextBuffer drawn at (x, y) like drawText / drawTextLarge, over a strip covering its rows.
void drawSmallOnStrip(Screen& screen, const draw::TextBuffer& text, int x, int y, Colour colour);
void drawLargeOnStrip(Screen& screen, const draw::TextBuffer& text, int x, int y, Colour colour);

inline constexpr int SmallRowHeight = 10;  // from one SmallFont line to the next below it

// The words in SmallFont lines of at most maxWidth pixels (a longer word gets a line of its own),
// each on its strip, the first at (x, y) and each next one SmallRowHeight lower.
void drawSmallWrappedOnStrips(Screen& screen, draw::TextBuffer& text, std::string_view words, int x, int y,
                              int maxWidth, Colour colour);

}  // namespace gloam::comfort
