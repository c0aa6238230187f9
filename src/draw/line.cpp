// The line walks the longer axis one pixel at a time; the error term starts at the shorter delta,
// which is what puts the first step of (0,0)-(10,5) on row 0 and the second on row 1.
#include "draw/line.hpp"

#include <cstdlib>

namespace gloam::draw {

void drawLine(Screen& screen, int x0, int y0, int x1, int y1, Rgb colour) {
  const int dx = std::abs(x1 - x0);
  const int dy = std::abs(y1 - y0);
  const int sx = (x1 > x0) - (x1 < x0);
  const int sy = (y1 > y0) - (y1 < y0);
  int x = x0;
  int y = y0;
  putPixel(screen, x, y, colour.r, colour.g, colour.b);
  if (dx > dy) {
    int e = dy;
    for (int i = 0; i < dx; ++i) {
      e += dy;
      if (e > dx) {
        e -= dx;
        y += sy;
      }
      x += sx;
      putPixel(screen, x, y, colour.r, colour.g, colour.b);
    }
  } else {
    int e = dx;
    for (int i = 0; i < dy; ++i) {
      e += dx;
      if (e > dy) {
        e -= dy;
        x += sx;
      }
      y += sy;
      putPixel(screen, x, y, colour.r, colour.g, colour.b);
    }
  }
}

}  // namespace gloam::draw
