// Mouse mapping from screen pixels to Framebuffer pixels, in 32-bit floating point as the
// original arithmetic does, so the edge cases (exact corners, points outside) come out the same.
#include "core/input.hpp"

namespace gloam {
namespace {

int clampToAxis(float v, int size) {
  if (v < 0.0f) return 0;
  if (v > static_cast<float>(size - 1)) return size - 1;
  return static_cast<int>(v);
}

}  // namespace

int mouseXFrom(platform::Point cursor, platform::Rect window, const ScreenMode& mode) {
  const float v = static_cast<float>(cursor.x - window.left) /
                  static_cast<float>(window.right - window.left) * static_cast<float>(mode.width);
  return clampToAxis(v, mode.width);
}

int mouseYFrom(platform::Point cursor, platform::Rect window, const ScreenMode& mode) {
  const float v = static_cast<float>(window.bottom - cursor.y) /
                  static_cast<float>(window.bottom - window.top) * static_cast<float>(mode.height);
  return clampToAxis(v, mode.height);
}

int mouseX(platform::Platform& p, const ScreenMode& mode) {
  return mouseXFrom(p.cursorPos(), p.windowRect(), mode);
}

int mouseY(platform::Platform& p, const ScreenMode& mode) {
  return mouseYFrom(p.cursorPos(), p.windowRect(), mode);
}

platform::Point cursorForPixel(int x, int y, platform::Rect window, const ScreenMode& mode) {
  // Each Framebuffer pixel covers a run of screen pixels; pick the first screen pixel whose
  // float mapping lands exactly on the wanted one (rounding can put a run's edge on either side).
  platform::Point p{window.left, window.bottom};
  const int widthPx = window.right - window.left;
  const int heightPx = window.bottom - window.top;
  const int zx = widthPx / mode.width + 1;
  const int zy = heightPx / mode.height + 1;
  for (int cx = window.left + x * (zx - 1) - 1; cx <= window.left + (x + 1) * zx; ++cx) {
    p.x = cx;
    if (mouseXFrom(p, window, mode) == x) break;
  }
  for (int cy = window.bottom - y * (zy - 1) + 1; cy >= window.bottom - (y + 1) * zy; --cy) {
    p.y = cy;
    if (mouseYFrom(p, window, mode) == y) break;
  }
  return p;
}

}  // namespace gloam
