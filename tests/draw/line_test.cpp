// Line pixels are pinned exactly: the first step's rounding and the symmetric horizontal case.
#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "draw/line.hpp"

namespace gloam::draw {
namespace {

std::set<std::pair<int, int>> inked(const Screen& s) {
  std::set<std::pair<int, int>> out;
  for (int y = 0; y < s.mode.height; ++y)
    for (int x = 0; x < s.mode.width; ++x)
      if (s.framebuffer[(y * s.mode.width + x) * 4 + 3] == 255) out.insert({x, y});
  return out;
}

Screen smallScreen() {
  Screen s;
  setScreenMode(s, 32, 32);
  return s;
}

TEST(DrawLine, ShallowLineStepsOnEverySecondColumn) {
  Screen s = smallScreen();
  drawLine(s, 0, 0, 10, 5, {255, 255, 255});
  const std::set<std::pair<int, int>> want{{0, 0}, {1, 0}, {2, 1}, {3, 1}, {4, 2}, {5, 2},
                                           {6, 3}, {7, 3}, {8, 4}, {9, 4}, {10, 5}};
  EXPECT_EQ(inked(s), want);
}

TEST(DrawLine, HorizontalLineIsTheSameInBothDirections) {
  Screen a = smallScreen(), b = smallScreen();
  drawLine(a, 0, 0, 5, 0, {1, 2, 3});
  drawLine(b, 5, 0, 0, 0, {1, 2, 3});
  EXPECT_EQ(inked(a), inked(b));
  EXPECT_EQ(inked(a).size(), 6u);
}

TEST(DrawLine, PointIsOnePixelAndOffScreenPartsAreDropped) {
  Screen s = smallScreen();
  drawLine(s, 3, 4, 3, 4, {9, 9, 9});
  EXPECT_EQ(inked(s), (std::set<std::pair<int, int>>{{3, 4}}));
  Screen t = smallScreen();
  drawLine(t, -5, 31, 5, 31, {9, 9, 9});
  EXPECT_EQ(inked(t).size(), 6u);  // x = 0..5 of the eleven pixels are on screen
}

}  // namespace
}  // namespace gloam::draw
