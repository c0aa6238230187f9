// Golden metrics of both fonts: which codes have glyphs, every SmallFont width and the letter A
// exactly. These must never drift: other code lays text out by them.
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "draw/glyph_fonts.hpp"

namespace gloam::draw {
namespace {

int expectedSmallWidth(char c) {
  const std::string_view one = ":il", two = " !'(),;=[\\]fjr", five = "#*MWXmw", four = "&/JNOQRZa";
  if (one.find(c) != std::string_view::npos) return 1;
  if (two.find(c) != std::string_view::npos) return 2;
  if (five.find(c) != std::string_view::npos) return 5;
  if (four.find(c) != std::string_view::npos) return 4;
  return c == '@' ? 7 : 3;
}

bool smallHasGlyph(int c) { return (c >= 32 && c <= 95) || (c >= 97 && c <= 122); }

TEST(GlyphFonts, SmallFontCoversExactlyItsCodesWithTheListedWidths) {
  for (int c = 0; c < 256; ++c) {
    const std::string_view glyph = smallGlyph(static_cast<unsigned char>(c));
    ASSERT_EQ(!glyph.empty(), smallHasGlyph(c)) << "code " << c;
    if (glyph.empty()) continue;
    EXPECT_EQ(smallGlyphWidth(glyph), expectedSmallWidth(static_cast<char>(c))) << "code " << c;
    EXPECT_EQ(glyph.size(), c == ' ' ? 80u : 88u) << "code " << c;
  }
}

TEST(GlyphFonts, LargeFontCoversThirtyTwoToOneTwentySix) {
  for (int c = 0; c < 256; ++c) {
    const std::string_view glyph = largeGlyph(static_cast<unsigned char>(c));
    ASSERT_EQ(glyph.size(), c >= 32 && c <= 126 ? 130u : 0u) << "code " << c;
  }
}

TEST(GlyphFonts, LetterAIsExactlyTheReferenceGlyph) {
  EXPECT_EQ(smallGlyph('A'),
            "38000000"
            "00000000"
            "00000000"
            "01000000"
            "10100000"
            "11100000"
            "10100000"
            "10100000"
            "00000000"
            "00000000"
            "00000000");
  EXPECT_EQ(largeGlyph('A'),
            "0000000000"
            "0000000000"
            "0011000000"
            "0111100000"
            "1100110000"
            "1100110000"
            "1100110000"
            "1111110000"
            "1100110000"
            "1100110000"
            "1100110000"
            "0000000000"
            "0000000000");
}

}  // namespace
}  // namespace gloam::draw
