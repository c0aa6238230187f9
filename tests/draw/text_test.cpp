// The fonts and the text drawers. The font metrics are golden: other code lays text out by them.
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "draw/draw_test_support.hpp"
#include "draw/glyph_fonts.hpp"
#include "draw/text.hpp"

namespace gloam::draw {
namespace {

using testing::blankScreen;
using testing::inkedPixels;
using testing::PixelSet;

int expectedSmallWidth(char c) {
  const std::string_view one = ":il", two = " !'(),;=[\\]fjr", five = "#*MWXmw", four = "&/JNOQRZa";
  if (one.find(c) != std::string_view::npos) return 1;
  if (two.find(c) != std::string_view::npos) return 2;
  if (five.find(c) != std::string_view::npos) return 5;
  if (four.find(c) != std::string_view::npos) return 4;
  return c == '@' ? 7 : 3;
}

bool smallHasGlyph(int c) { return (c >= 32 && c <= 95) || (c >= 97 && c <= 122); }

TEST(GlyphFonts, EachFontCoversExactlyItsCodesAndSmallWidthsAreAsListed) {
  for (int c = 0; c < 256; ++c) {
    SCOPED_TRACE(c);
    ASSERT_EQ(largeGlyph(static_cast<unsigned char>(c)).size(), c >= 32 && c <= 126 ? 130u : 0u);
    const std::string_view glyph = smallGlyph(static_cast<unsigned char>(c));
    ASSERT_EQ(!glyph.empty(), smallHasGlyph(c));
    if (glyph.empty()) continue;
    EXPECT_EQ(smallGlyphWidth(glyph), expectedSmallWidth(static_cast<char>(c)));
    EXPECT_EQ(glyph.size(), c == ' ' ? 80u : 88u);
  }
}

// The pixels a string inks on a 320 x 240 screen, in the small font or the large one.
PixelSet inkOf(const char* s, int x, int y, bool large = false) {
  Screen screen = blankScreen(320, 240);
  TextBuffer text;
  formatText(text, "%s", s);
  large ? drawTextLarge(screen, text, x, y, {255, 255, 0}) : drawText(screen, text, x, y, {255, 255, 0});
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
  EXPECT_EQ(inkOf("A", 0, 20),
            (PixelSet{{1, 19}, {0, 18}, {2, 18}, {0, 17}, {1, 17}, {2, 17}, {0, 16}, {2, 16}, {0, 15}, {2, 15}}));
  // 'j' reaches the last drawn row (y - 7); 'y' has ink in row 10, which is never drawn.
  EXPECT_TRUE(inkOf("j", 0, 20).count({0, 13}));
  for (const auto& [x, y] : inkOf("y", 0, 20)) EXPECT_GE(y, 13);
}

TEST(DrawText, SpaceAndCodesWithoutGlyphsAdvanceThreeAndDrawNothing) {
  EXPECT_TRUE(inkOf("", 5, 20).empty());
  EXPECT_TRUE(inkOf(" ", 5, 20).empty());
  const PixelSet afterSpace = inkOf(" A", 5, 20);
  for (const char* s : {"`A", "\177A", "\001A", "\310A"}) EXPECT_EQ(inkOf(s, 5, 20), afterSpace) << s;
  EXPECT_EQ(afterSpace, inkOf("A", 8, 20));
}

// The backslash carries two pixels past its two columns, never drawn; 'B' must start right after
// its blank column. A negative start drops only the columns off the screen.
TEST(DrawText, ColumnsBeyondTheWidthOrTheScreenAreNeverDrawn) {
  for (const auto& [x, y] : inkOf("\\", 0, 20)) EXPECT_LT(x, 2);
  EXPECT_EQ(inkOf("\\B", 0, 20).size(), inkOf("\\", 0, 20).size() + inkOf("B", 3, 20).size());
  PixelSet shifted;
  for (const auto& [x, y] : inkOf("HELLO", 10, 20))
    if (x - 12 >= 0) shifted.insert({x - 12, y});
  EXPECT_EQ(inkOf("HELLO", -2, 20), shifted);
}

// The large 'A' pixel for pixel, as the small one is above: glyph row k lands on row y - k, so at
// y = 12 its rows 2..10 (the others are blank) fill rows 10 down to 2.
TEST(DrawTextLarge, LetterAIsTheReferenceGlyphHangingBelowY) {
  const char* rows[] = {"0011", "01111", "110011", "110011", "110011", "111111", "110011", "110011", "110011"};
  PixelSet reference;
  for (int i = 0; i < 9; ++i)
    for (int j = 0; rows[i][j] != '\0'; ++j)
      if (rows[i][j] == '1') reference.insert({j, 10 - i});
  EXPECT_EQ(inkOf("A", 0, 12, true), reference);
  EXPECT_TRUE(inkOf("g", 0, 12, true).count({1, 0})) << "the last row of a descender";
}

TEST(DrawTextLarge, PenMovesEightPerCodeWithOrWithoutAGlyph) {
  EXPECT_EQ(inkOf("\177\377Z", 0, 20, true), inkOf("Z", 16, 20, true));
}

}  // namespace
}  // namespace gloam::draw
