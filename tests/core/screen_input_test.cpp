// The pixel clip and the mouse mapping are the two places every picture and every click pass
// through; their edges are where they break.
#include <gtest/gtest.h>

#include "core/input.hpp"
#include "core/screen.hpp"

namespace gloam {
namespace {

int alphaAt(const Screen& s, int x, int y) { return s.framebuffer[(y * s.mode.width + x) * 4 + 3]; }

TEST(PutPixel, WritesInsideAndDropsEveryPixelOutside) {
  Screen s;
  setScreenMode(s, 320, 240);
  putPixel(s, -1, 0, 9, 9, 9);
  putPixel(s, 320, 0, 9, 9, 9);
  putPixel(s, 0, 240, 9, 9, 9);
  putPixel(s, 0, -1, 9, 9, 9);
  for (std::uint8_t b : s.framebuffer) ASSERT_EQ(b, 0);
  putPixel(s, 0, 0, 1, 2, 3);
  EXPECT_EQ(s.framebuffer[0], 1);
  EXPECT_EQ(s.framebuffer[2], 3);
  EXPECT_EQ(alphaAt(s, 0, 0), 255);
  putPixel(s, 319, 239, 4, 5, 6);
  EXPECT_EQ(s.framebuffer[(239 * 320 + 319) * 4], 4);
}

TEST(ScreenMode, ModeChangeLeavesBuffersOfTheNewSizeAndClearZeroesAlpha) {
  Screen s;
  setScreenMode(s, 640, 480);
  setScreenMode(s, 320, 240);
  EXPECT_EQ(s.framebuffer.size(), 320u * 240u * 4u);
  EXPECT_EQ(s.sceneCapture.size(), 320u * 240u * 4u);
  putPixel(s, 5, 5, 255, 255, 255);
  clearFramebuffer(s);
  for (std::uint8_t b : s.framebuffer) ASSERT_EQ(b, 0);
}

class MouseMapping : public ::testing::Test {
 protected:
  ScreenMode mode{640, 480, 1};
  platform::Rect window{100, 50, 100 + 640, 50 + 480};
  int mx(int x, int y) { return mouseXFrom({float(x), float(y)}, window, mode); }
  int my(int x, int y) { return mouseYFrom({float(x), float(y)}, window, mode); }
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
  ScreenMode small{320, 240, 3};
  platform::Rect big{0, 0, 960, 720};
  EXPECT_EQ(mouseXFrom({959, 0}, big, small), 319);
  EXPECT_EQ(mouseXFrom({3, 0}, big, small), 1);
  EXPECT_EQ(mouseXFrom({2, 0}, big, small), 0);
}

TEST_F(MouseMapping, CursorForPixelRoundTripsEveryPixelAtEveryZoom) {
  for (int zoom = 1; zoom <= 4; ++zoom) {
    for (const ScreenMode m : {ScreenMode{320, 240, zoom}, ScreenMode{640, 480, zoom}}) {
      const platform::Rect r{7, 9, 7 + m.width * zoom, 9 + m.height * zoom};
      for (int x = 0; x < m.width; ++x)
        ASSERT_EQ(mouseXFrom(cursorForPixel(x, 0, r, m), r, m), x) << zoom;
      for (int y = 0; y < m.height; ++y)
        ASSERT_EQ(mouseYFrom(cursorForPixel(0, y, r, m), r, m), y) << zoom;
    }
  }
}

}  // namespace
}  // namespace gloam
