// The overlay texts: banner near the top, the notice inside the narrow mode's width on its three
// rows, and the status line formatted from the ViewOrigin and the mouse.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "draw/draw_test_support.hpp"
#include "views/overlay_texts.hpp"

namespace gloam::views {
namespace {

using draw::testing::inkedPixels;

TEST(OverlayTexts, BannerSitsBelowTheTopEdgeInYellow) {
  Screen s = draw::testing::blankScreen(320, 240);
  draw::TextBuffer text;
  drawBanner(s, text);
  for (const auto& [x, y] : inkedPixels(s)) {
    EXPECT_GE(y, 240 - 14 - 7);
    EXPECT_LE(y, 240 - 14 + 1);
    EXPECT_EQ(draw::testing::pixelAt(s, x, y), (std::array<std::uint8_t, 4>{255, 255, 0, 255}));
  }
  EXPECT_EQ(inkedPixels(s).begin()->first, BannerX);
}

TEST(OverlayTexts, NoticeFitsTheNarrowModeOnEachOfItsRows) {
  Screen s = draw::testing::blankScreen(400, 60);
  draw::TextBuffer text;
  drawNoticeLines(s, text);
  int maxX = 0;
  std::set<int> bands;
  for (const auto& [x, y] : inkedPixels(s)) {
    maxX = std::max(maxX, x);
    for (const int row : NoticeRows)
      if (y >= row - 7 && y <= row + 1) bands.insert(row);
  }
  EXPECT_LT(maxX, 320);
  EXPECT_EQ(bands.size(), 3u);
}

TEST(OverlayTexts, StatusLineShowsTheOriginAndMouseInTheLargeFont) {
  Screen s = draw::testing::blankScreen(320, 240);
  draw::TextBuffer text;
  drawOverlayTexts(s, text, world::ViewOrigin{7, 8, 9}, -3, 479);
  EXPECT_STREQ(text.text, "SX=7,SY=8,SZ=9 mx=-3 my=479");
  Screen alone = draw::testing::blankScreen(320, 240);
  drawTextLarge(alone, text, StatusX, StatusY, {255, 255, 0});
  for (const auto& pixel : inkedPixels(alone)) EXPECT_TRUE(inkedPixels(s).count(pixel));
}

}  // namespace
}  // namespace gloam::views
