// drawText and drawTextLarge: the TextBuffer drawn glyph by glyph through putPixel, inked pixels only.
// The SmallFont's row k lands at y + 2 - k (y grows upward), so its baseline sits five rows below y;
// the LargeFont hangs entirely below y.
#include <string_view>

#include "draw/glyph_fonts.hpp"
#include "draw/text.hpp"

namespace gloam::draw {
namespace {

void inkSmallGlyph(Screen& screen, std::string_view glyph, int width, int pen, int y, Rgb c) {
  for (int k = SmallGlyphFirstRow; k <= SmallGlyphLastRow; ++k) {
    for (int j = 0; j < width; ++j) {
      if (glyph[k * SmallGlyphRowLength + j] != '0') putPixel(screen, pen + j, y + 2 - k, c.r, c.g, c.b);
    }
  }
}

void inkLargeGlyph(Screen& screen, std::string_view glyph, int pen, int y, Rgb c) {
  for (int k = LargeGlyphFirstRow; k <= LargeGlyphLastRow; ++k) {
    for (int j = 0; j < LargeGlyphColumns; ++j) {
      if (glyph[k * LargeGlyphRowLength + j] != '0') putPixel(screen, pen + j, y - k, c.r, c.g, c.b);
    }
  }
}

}  // namespace

void drawText(Screen& screen, const TextBuffer& buffer, int x, int y, Rgb colour) {
  int pen = x;
  for (int i = 0; i < TextBufferSize && buffer.text[i] != '\0'; ++i) {
    const std::string_view glyph = smallGlyph(static_cast<unsigned char>(buffer.text[i]));
    const int width = smallGlyphWidth(glyph);
    if (width == 0) {
      pen += SmallMissingGlyphAdvance;
      continue;
    }
    inkSmallGlyph(screen, glyph, width, pen, y, colour);
    pen += width + 1;
  }
}

void drawTextLarge(Screen& screen, const TextBuffer& buffer, int x, int y, Rgb colour) {
  int pen = x;
  for (int i = 0; i < TextBufferSize && buffer.text[i] != '\0'; ++i) {
    const std::string_view glyph = largeGlyph(static_cast<unsigned char>(buffer.text[i]));
    if (glyph.empty()) {
      pen += LargeMissingGlyphAdvance;
      continue;
    }
    inkLargeGlyph(screen, glyph, pen, y, colour);
    pen += LargeGlyphAdvance;
  }
}

}  // namespace gloam::draw
