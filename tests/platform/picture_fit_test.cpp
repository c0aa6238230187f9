// A picture scaled to fit a window: the largest whole zoom that fits, smooth below zoom 1, centred
// with bars, at the edges of each case (exact zooms, one pixel short, extreme shapes); and the
// mouse mapped through that rectangle, every pixel reachable, the bars clamping to the edge.
#include <gtest/gtest.h>

#include <array>

#include "platform/pixel_mapping.hpp"

namespace gloam::platform {
namespace {

Rect sized(int left, int top, int width, int height) { return {left, top, left + width, top + height}; }

TEST(PictureRect, WholeZoomsFillExactlyAndOnePixelShortFallsToTheZoomBelow) {
  const struct {
    Rect window;
    int width, height;
    Rect want;
  } cases[] = {
      {sized(0, 0, 1280, 960), 640, 480, sized(0, 0, 1280, 960)},               // zoom 2, no bars
      {sized(0, 0, 1279, 960), 640, 480, sized(319, 240, 640, 480)},            // one short across: zoom 1
      {sized(0, 0, 1280, 959), 640, 480, sized(320, 239, 640, 480)},            // one short down: zoom 1
      {sized(5, 7, 640, 480), 640, 480, sized(5, 7, 640, 480)},                 // zoom 1, offset window
      {sized(0, 0, 1280, 1024), 320, 240, sized(0, 32, 1280, 960)},             // a 5:4 screen: bars above and below
      {sized(0, 0, 1920, 1080), 320, 240, sized(320, 60, 1280, 960)},           // 16:9: zoom 4, bars all round
      {sized(0, 0, 701, 503), 320, 240, sized(30, 11, 640, 480)},               // odd leftovers go right and below
      {sized(0, 0, 639, 480), 640, 480, sized(0, 0, 639, 479)},                 // one short of zoom 1: smooth
      {sized(0, 0, 640, 479), 640, 480, sized(1, 0, 638, 479)},                 // the other way: 479 * 4 / 3 = 638.67
      {sized(10, 20, 320, 240), 640, 480, sized(10, 20, 320, 240)},             // half size, exactly
      {sized(0, 0, 10000, 240), 320, 240, sized(4840, 0, 320, 240)},            // extremely wide: zoom 1 in the middle
      {sized(0, 0, 3000, 1), 640, 480, sized(1499, 0, 1, 1)},                   // a line: never less than a pixel
      {sized(0, 0, 1, 3000), 640, 480, sized(0, 1499, 1, 1)},                   // a column
      {sized(0, 0, 100000, 100000), 640, 480, sized(80, 12560, 99840, 74880)},  // zoom 156, no overflow
      {sized(3, 4, 0, 480), 640, 480, sized(3, 4, 0, 480)},                     // no area: as it is
  };
  for (const auto& c : cases) {
    const Rect got = pictureRect(c.window, c.width, c.height);
    EXPECT_EQ(got, c.want) << c.window.width() << "x" << c.window.height() << " for " << c.width << "x" << c.height
                           << ": got " << got.left << "," << got.top << " " << got.width() << "x" << got.height();
  }
}

TEST(PictureRect, OnlyWholeMultiplesAreWholeZooms) {
  EXPECT_TRUE(isWholeZoom(sized(3, 3, 1280, 960), 640, 480));
  EXPECT_TRUE(isWholeZoom(sized(0, 0, 320, 240), 320, 240));
  EXPECT_FALSE(isWholeZoom(sized(0, 0, 639, 479), 640, 480));   // smooth, below zoom 1
  EXPECT_FALSE(isWholeZoom(sized(0, 0, 960, 720), 640, 480));   // zoom 1.5
  EXPECT_FALSE(isWholeZoom(sized(0, 0, 1280, 961), 640, 480));  // the shape is off
}

TEST(MouseArea, FittedPicturesMapEveryPixelBackAndTheBarsClampClassicWindowsStayWhole) {
  // Zooms 1 to 4 (1000 x 700 and 1280 x 960 for 640 x 480, 1279 x 959 and 1280 x 960 for 320 x 240) and smooth.
  const Rect windows[] = {sized(100, 50, 1000, 700), sized(0, 0, 1279, 959),  sized(7, 9, 500, 300),
                          sized(0, 0, 2048, 1536),   sized(40, 0, 300, 1000), sized(7, 9, 1280, 960)};
  for (const Rect& window : windows) {
    for (const auto& [w, h] : {std::pair{320, 240}, std::pair{640, 480}}) {
      const Rect area = mouseArea(window, w, h, true);
      for (int x = 0; x < w; ++x) ASSERT_EQ(pixelXFrom(cursorForPixel(x, 0, area, w, h), area, w), x);
      for (int y = 0; y < h; ++y) ASSERT_EQ(pixelYFrom(cursorForPixel(0, y, area, w, h), area, h), y);
      // In the bars: left and below give 0, right and above the last pixel.
      const Point leftBelow{float(window.left), float(window.bottom - 1)};
      const Point rightAbove{float(window.right - 1), float(window.top)};
      const bool barsAcross = area.left > window.left, barsDown = area.top > window.top;
      if (barsAcross) {
        EXPECT_EQ(pixelXFrom(leftBelow, area, w), 0);
        EXPECT_EQ(pixelXFrom(rightAbove, area, w), w - 1);
      }
      if (barsDown) {
        EXPECT_EQ(pixelYFrom(leftBelow, area, h), 0);
        EXPECT_EQ(pixelYFrom(rightAbove, area, h), h - 1);
      }
    }
  }
  // A window not scaled to fit maps through all of itself, whatever its shape.
  EXPECT_EQ(mouseArea(sized(0, 0, 1000, 700), 640, 480, false), sized(0, 0, 1000, 700));
  // The picture's centre pixel under the window's centre, bars or not.
  const Rect wide = sized(0, 0, 1000, 700), area = mouseArea(wide, 640, 480, true);
  EXPECT_EQ((std::array{pixelXFrom({500, 350}, area, 640), pixelYFrom({500, 350}, area, 480)}), (std::array{320, 240}));
}

}  // namespace
}  // namespace gloam::platform
