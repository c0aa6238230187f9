// Zoom and placement against the display's usable area: the largest zoom that fits, and the
// smallest shift that keeps a window on the area.
#include <gtest/gtest.h>

#include "comfort/window_fit.hpp"

namespace gloam::comfort {
namespace {

using platform::Rect;

TEST(WindowFit, TheLargestZoomThatFitsTheArea) {
  struct Case {
    int requested, width, height;
    std::optional<Rect> area;
    int zoom;
  };
  const Case cases[] = {
      {3, 640, 480, Rect{0, 0, 1280, 1024}, 2},   // 1920 x 1440 would not fit; 1280 x 960 does
      {4, 320, 240, Rect{0, 0, 1280, 1024}, 4},   // exactly the width
      {4, 320, 240, Rect{0, 0, 1279, 1024}, 3},   // one pixel short
      {3, 640, 480, Rect{0, 24, 1280, 1000}, 2},  // a panel at the top
      {2, 640, 480, Rect{0, 0, 800, 600}, 1},
      {2, 640, 480, Rect{0, 0, 300, 200}, 1},  // nothing fits: the smallest window
      {3, 640, 480, std::nullopt, 3},          // no display: as asked
  };
  for (const Case& c : cases)
    EXPECT_EQ(fittingZoom(c.requested, c.width, c.height, c.area), c.zoom) << c.requested << " " << c.width;
}

TEST(WindowFit, AWindowIsShiftedOntoTheAreaAsLittleAsPossible) {
  struct Case {
    Rect window, area, expected;
  };
  const Case cases[] = {
      {{100, 100, 740, 580}, {0, 0, 1280, 1024}, {100, 100, 740, 580}},       // already inside
      {{1000, 900, 1640, 1380}, {0, 0, 1280, 1024}, {640, 544, 1280, 1024}},  // past the bottom-right
      {{-50, -20, 590, 460}, {0, 24, 1280, 1024}, {0, 24, 640, 504}},         // past the top-left and a panel
      {{500, 500, 2420, 1940}, {0, 0, 1280, 1024}, {0, 0, 1920, 1440}},       // larger: top-left on the area's
  };
  for (const Case& c : cases)
    EXPECT_EQ(keepInside(c.window, c.area), c.expected) << c.window.left << "," << c.window.top;
}

}  // namespace
}  // namespace gloam::comfort
