// Integer lines into the Framebuffer.
#pragma once
#include "core/screen.hpp"

namespace gloam::draw {

// A line that starts with the error term at the smaller delta; it covers max(dx, dy) + 1 pixels
// and ends exactly at (x1, y1). Clipping is left to putPixel.
void drawLine(Screen& screen, int x0, int y0, int x1, int y1, Rgb colour);

}  // namespace gloam::draw
