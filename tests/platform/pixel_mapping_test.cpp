// The mouse mapping is the place every click passes through; its edges are where it breaks.
#include <gtest/gtest.h>

#include <array>
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

TEST_F(MouseMapping, CornersMapToTheEdgePixelsAndOutsideClampsToThem) {
  const std::array<int, 2> cases[][2] = {
      {{0, 0}, {0, 479}},    {{0, 2000}, {0, 0}},  {{5000, -5000}, {639, 479}},  // outside: left, below, right, above
      {{100, 50}, {0, 479}}, {{100, 529}, {0, 1}}, {{100, 530}, {0, 0}},         // the top-left pixel: 480 unclamped
  };
  for (const auto& [at, want] : cases)
    EXPECT_EQ((std::array{mx(at[0], at[1]), my(at[0], at[1])}), want) << at[0] << "," << at[1];
  const Rect big{0, 0, 960, 720};  // zoom changes the window size, not the mapping
  EXPECT_EQ((std::array{pixelXFrom({959, 0}, big, 320), pixelXFrom({3, 0}, big, 320), pixelXFrom({2, 0}, big, 320)}),
            (std::array{319, 1, 0}));
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
