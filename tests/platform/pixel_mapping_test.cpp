// The mouse mapping is the place every click passes through; its edges are where it breaks.
#include <gtest/gtest.h>

#include <utility>

#include "platform/pixel_mapping.hpp"

namespace gloam::platform {
namespace {

class MouseMapping : public ::testing::Test {
 protected:
  Rect window{100, 50, 100 + 640, 50 + 480};
  int mx(int x, int y) { return pixelXFrom({float(x), float(y)}, window, 640); }
  int my(int x, int y) { return pixelYFrom({float(x), float(y)}, window, 480); }
};

// The window's top-left screen pixel is column 0, row 479 (480 before the clamp); outside the
// window the mapping clamps to the nearest edge.
TEST_F(MouseMapping, CornersAndPointsOutsideTheWindow) {
  struct Case { int x, y, wantX, wantY; };
  for (const Case c : {Case{100, 50, 0, 479}, Case{100, 529, 0, 1}, Case{100, 530, 0, 0}, Case{0, 2000, 0, 0},
                       Case{5000, -5000, 639, 479}}) {
    EXPECT_EQ(mx(c.x, c.y), c.wantX) << c.x << "," << c.y;
    EXPECT_EQ(my(c.x, c.y), c.wantY) << c.x << "," << c.y;
  }
}

TEST_F(MouseMapping, ZoomDoesNotChangeTheMappingOnlyTheWindowSize) {
  Rect big{0, 0, 960, 720};
  EXPECT_EQ(pixelXFrom({959, 0}, big, 320), 319);
  EXPECT_EQ(pixelXFrom({3, 0}, big, 320), 1);
  EXPECT_EQ(pixelXFrom({2, 0}, big, 320), 0);
}

TEST_F(MouseMapping, CursorForPixelRoundTripsEveryPixelAtEveryZoom) {
  for (int zoom = 1; zoom <= 4; ++zoom) {
    for (const auto& [w, h] : {std::pair{320, 240}, std::pair{640, 480}}) {
      const Rect r{7, 9, 7 + w * zoom, 9 + h * zoom};
      for (int x = 0; x < w; ++x) ASSERT_EQ(pixelXFrom(cursorForPixel(x, 0, r, w, h), r, w), x) << zoom;
      for (int y = 0; y < h; ++y) ASSERT_EQ(pixelYFrom(cursorForPixel(0, y, r, w, h), r, h), y) << zoom;
    }
  }
}

}  // namespace
}  // namespace gloam::platform
