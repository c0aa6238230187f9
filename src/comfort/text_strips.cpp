// The strip covers the glyph rows of each font exactly as the drawers place them: the SmallFont
// from y - 7 to y + 1, the LargeFont from y - 12 to y - 1.
#include "comfort/text_strips.hpp"

#include <algorithm>

#include "draw/glyph_fonts.hpp"

namespace gloam::comfort {
namespace {

constexpr int SmallLowestRow = 2 - draw::SmallGlyphLastRow;    // y - 7
constexpr int SmallHighestRow = 2 - draw::SmallGlyphFirstRow;  // y + 1
constexpr int LargeLowestRow = -draw::LargeGlyphLastRow;       // y - 12
constexpr int LargeHighestRow = -draw::LargeGlyphFirstRow;     // y - 1

int textLength(const draw::TextBuffer& text) {
  int n = 0;
  while (n < draw::TextBufferSize && text.text[n] != '\0') ++n;
  return n;
}

}  // namespace

int smallTextWidth(const draw::TextBuffer& text) {
  int width = 0;
  for (int i = 0, n = textLength(text); i < n; ++i) {
    const int glyphWidth = draw::smallGlyphWidth(draw::smallGlyph(static_cast<unsigned char>(text.text[i])));
    width += glyphWidth == 0 ? draw::SmallMissingGlyphAdvance : glyphWidth + 1;
  }
  return width;
}

int largeTextWidth(const draw::TextBuffer& text) { return textLength(text) * draw::LargeGlyphAdvance; }

void darkenRect(Screen& screen, int left, int bottom, int right, int top) {
  left = std::max(left, 0);
  bottom = std::max(bottom, 0);
  right = std::min(right, screen.mode.width - 1);
  top = std::min(top, screen.mode.height - 1);
  for (int y = bottom; y <= top; ++y) {
    std::uint8_t* p = screen.framebuffer.data() + (static_cast<std::size_t>(y) * screen.mode.width + left) * 4;
    for (int x = left; x <= right; ++x, p += 4) {
      p[0] = static_cast<std::uint8_t>(p[0] / StripDarkening);
      p[1] = static_cast<std::uint8_t>(p[1] / StripDarkening);
      p[2] = static_cast<std::uint8_t>(p[2] / StripDarkening);
      p[3] = 255;
    }
  }
}

void drawSmallOnStrip(Screen& screen, const draw::TextBuffer& text, int x, int y, Colour c) {
  darkenRect(screen, x - StripPadding, y + SmallLowestRow - StripPadding, x + smallTextWidth(text) - 1 + StripPadding,
             y + SmallHighestRow + StripPadding);
  draw::drawText(screen, text, x, y, c);
}

void drawLargeOnStrip(Screen& screen, const draw::TextBuffer& text, int x, int y, Colour c) {
  darkenRect(screen, x - StripPadding, y + LargeLowestRow - StripPadding, x + largeTextWidth(text) - 1 + StripPadding,
             y + LargeHighestRow + StripPadding);
  draw::drawTextLarge(screen, text, x, y, c);
}

namespace {

// Where the line starting at `start` ends: at the last space (or the end) that keeps it within
// maxWidth, or at the first one if even that is too wide.
std::size_t lineEnd(draw::TextBuffer& text, std::string_view words, std::size_t start, int maxWidth) {
  std::size_t end = std::string_view::npos;
  for (std::size_t i = start; i <= words.size(); ++i) {
    if (i < words.size() && words[i] != ' ') continue;
    draw::formatText(text, "%.*s", static_cast<int>(i - start), words.data() + start);
    if (end != std::string_view::npos && smallTextWidth(text) > maxWidth) break;
    end = i;
  }
  return end;
}

}  // namespace

void drawSmallWrappedOnStrips(Screen& screen, draw::TextBuffer& text, std::string_view words, int x, int y,
                              int maxWidth, Colour c) {
  // Lines past the first darken the whole block first, so that whatever they cover reads as
  // background, not as text mixed into theirs.
  if (lineEnd(text, words, 0, maxWidth) < words.size()) {
    int lines = 0;
    for (std::size_t start = 0; start < words.size(); ++lines) start = lineEnd(text, words, start, maxWidth) + 1;
    darkenRect(screen, x - StripPadding, y + SmallLowestRow - (lines - 1) * SmallRowHeight - StripPadding,
               x + maxWidth - 1 + StripPadding, y + SmallHighestRow + StripPadding);
  }
  for (std::size_t start = 0; start < words.size(); y -= SmallRowHeight) {
    const std::size_t end = lineEnd(text, words, start, maxWidth);
    draw::formatText(text, "%.*s", static_cast<int>(end - start), words.data() + start);
    drawSmallOnStrip(screen, text, x, y, c);
    start = end + 1;
  }
}

}  // namespace gloam::comfort
