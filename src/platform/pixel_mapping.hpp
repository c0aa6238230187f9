// Screen pixels to Framebuffer pixels and back, for a window showing a width x height Framebuffer.
// The arithmetic is 32-bit floating point, so the edge cases (exact corners, points outside the
// window) come out as they always have.
#pragma once
#include "platform/platform.hpp"

namespace gloam::platform {

// x counted from the left edge, clamped to 0..width-1.
int pixelXFrom(Point cursor, Rect window, int width);
// y counted upward from the bottom edge, clamped to 0..height-1.
int pixelYFrom(Point cursor, Rect window, int height);
// A screen point that the mappings above turn into exactly (x, y).
Point cursorForPixel(int x, int y, Rect window, int width, int height);

}  // namespace gloam::platform
