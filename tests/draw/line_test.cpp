// Line pixels are pinned exactly: the first step's rounding and the symmetric horizontal case.
#include <gtest/gtest.h>

#include "draw/draw_test_support.hpp"
#include "draw/line.hpp"

namespace gloam::draw {
namespace {

using testing::PixelSet;

PixelSet line(int x0, int y0, int x1, int y1) {
  Screen s = testing::blankScreen(32, 32);
  drawLine(s, x0, y0, x1, y1, {255, 255, 255});
  return testing::inkedPixels(s);
}

TEST(DrawLine, ShallowLineStepsOnEverySecondColumn) {
  EXPECT_EQ(line(0, 0, 10, 5),
            (PixelSet{{0, 0}, {1, 0}, {2, 1}, {3, 1}, {4, 2}, {5, 2}, {6, 3}, {7, 3}, {8, 4}, {9, 4}, {10, 5}}));
}

TEST(DrawLine, HorizontalLineIsTheSameInBothDirections) {
  EXPECT_EQ(line(0, 0, 5, 0), line(5, 0, 0, 0));
  EXPECT_EQ(line(0, 0, 5, 0).size(), 6u);
}

TEST(DrawLine, PointIsOnePixelAndOffScreenPartsAreDropped) {
  EXPECT_EQ(line(3, 4, 3, 4), (PixelSet{{3, 4}}));
  EXPECT_EQ(line(-5, 31, 5, 31).size(), 6u);  // x = 0..5 of the eleven pixels are on screen
}

}  // namespace
}  // namespace gloam::draw
