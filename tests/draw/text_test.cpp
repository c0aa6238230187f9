// The text drawers: where glyph rows land, how far the pen moves, what is never drawn, and how the
// TextBuffer is filled.
#include <gtest/gtest.h>

#include <string>

#include "draw/draw_test_support.hpp"
#include "draw/glyph_fonts.hpp"
#include "draw/text.hpp"

namespace gloam::draw {
namespace {

using testing::blankScreen;
using testing::inkedPixels;
using testing::PixelSet;

PixelSet drawSmall(const char* s, int x, int y, int width = 320, int height = 240) {
  Screen screen = blankScreen(width, height);
  TextBuffer text;
  formatText(text, "%s", s);
  drawText(screen, text, x, y, {255, 255, 0});
  return inkedPixels(screen);
}

TEST(FormatText, WritesIntoTheBufferAndTruncatesAtItsSize) {
  TextBuffer text;
  EXPECT_EQ(formatText(text, "%d ms%d ", 1, 0), 6);
  EXPECT_STREQ(text.text, "1 ms0 ");
  const std::string longText(300, 'x');
  EXPECT_EQ(formatText(text, "%s", longText.c_str()), 300);
  EXPECT_EQ(std::string(text.text), longText.substr(0, 255));
}

TEST(DrawText, SmallRowsLandFromYPlusOneDownToYMinusSeven) {
  // 'A': rows 3..7 of the glyph, so screen rows y-1 .. y-5; the apex is column 1.
  EXPECT_EQ(drawSmall("A", 0, 20),
            (PixelSet{{1, 19}, {0, 18}, {2, 18}, {0, 17}, {1, 17}, {2, 17}, {0, 16}, {2, 16}, {0, 15}, {2, 15}}));
  // 'j' reaches the last drawn row (y - 7); 'y' has ink in row 10, which is never drawn.
  EXPECT_TRUE(drawSmall("j", 0, 20).count({0, 13}));
  for (const auto& [x, y] : drawSmall("y", 0, 20)) EXPECT_GE(y, 13);
}

TEST(DrawText, SpaceAndCodesWithoutGlyphsAdvanceThreeAndDrawNothing) {
  EXPECT_TRUE(drawSmall("", 5, 20).empty());
  EXPECT_TRUE(drawSmall(" ", 5, 20).empty());
  const PixelSet afterSpace = drawSmall(" A", 5, 20);
  for (const char* s : {"`A",
                        "\x7f"
                        "A",
                        "\x01"
                        "A",
                        "\xc8"
                        "A"})
    EXPECT_EQ(drawSmall(s, 5, 20), afterSpace) << s;
  EXPECT_EQ(afterSpace, drawSmall("A", 8, 20));
}

TEST(DrawText, ColumnsBeyondTheWidthAreNeverDrawn) {
  // The backslash carries two pixels past its two columns; 'B' must start right after its blank column.
  for (const auto& [x, y] : drawSmall("\\", 0, 20)) EXPECT_LT(x, 2);
  EXPECT_EQ(drawSmall("\\B", 0, 20).size(), drawSmall("\\", 0, 20).size() + drawSmall("B", 3, 20).size());
}

TEST(DrawText, NegativeStartDropsOnlyTheOffScreenColumns) {
  const PixelSet full = drawSmall("HELLO", 10, 20);
  PixelSet shifted;
  for (const auto& [x, y] : full)
    if (x - 12 >= 0) shifted.insert({x - 12, y});
  EXPECT_EQ(drawSmall("HELLO", -2, 20), shifted);
}

TEST(DrawTextLarge, LetterAAtTwelveFillsRowsZeroToTenAndColumnsZeroToFive) {
  Screen screen = blankScreen(32, 32);
  TextBuffer text;
  formatText(text, "A");
  drawTextLarge(screen, text, 0, 12, {255, 255, 255});
  const PixelSet ink = inkedPixels(screen);
  ASSERT_FALSE(ink.empty());
  for (const auto& [x, y] : ink) {
    EXPECT_LE(x, 5);
    EXPECT_LE(y, 10);
  }
  EXPECT_TRUE(ink.count({2, 10}) && ink.count({0, 2}) && ink.count({5, 2}) && ink.count({0, 5}));
}

TEST(DrawTextLarge, PenMovesEightPerCodeWithOrWithoutAGlyph) {
  Screen a = blankScreen(64, 32), b = blankScreen(64, 32);
  TextBuffer text;
  formatText(text,
             "\x7f"
             "\xff"
             "Z");
  drawTextLarge(a, text, 0, 20, {1, 2, 3});
  formatText(text, "Z");
  drawTextLarge(b, text, 16, 20, {1, 2, 3});
  EXPECT_EQ(inkedPixels(a), inkedPixels(b));
}

}  // namespace
}  // namespace gloam::draw
